// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The faces the windows are designed for, by their metric twins from
// fonts-liberation, so that captions fit the designed control sizes.
QFont WindowFont();         // the windows and their controls: sans serif, 11 px
QFont ResultDisplayFont();  // the result displays: serif, 16 px, bold italic
