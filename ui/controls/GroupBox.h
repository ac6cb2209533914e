// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

// A framed group with its caption, named and at its designed place.
QGroupBox* NewGroupBox(const QString& name, const QString& caption, const QRect& geometry, QWidget* parent);
