// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The schematic of the bench, black on white, with the blades of K1, K2 and K3
// in the given 1-based positions.

#include <QImage>

namespace picturegen {

QImage DrawScheme(int k1, int k2, int k3);

} // namespace picturegen
