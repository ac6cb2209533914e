// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

// Test data over the twelve switch positions: the columns k1, k2 and k3
// (1-based, as the switch dialog shows them) and one row for each position,
// named after its schematic (Image111 ... Image322), in the order the main
// window creates the schematics.
inline void AddSwitchPositionRows()
{
    QTest::addColumn<int>("k1");
    QTest::addColumn<int>("k2");
    QTest::addColumn<int>("k3");
    for (int k1 = 1; k1 <= 3; ++k1)
        for (int k2 = 1; k2 <= 2; ++k2)
            for (int k3 = 1; k3 <= 2; ++k3)
                QTest::addRow("Image%d%d%d", k1, k2, k3) << k1 << k2 << k3;
}
