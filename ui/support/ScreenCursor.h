// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application-wide screen cursor. Setting it is an assignment, not a
// stack: crDefault leaves no override behind whatever was set before, and any
// other value replaces the current override. So a measurement that ends while
// the splash window is open does not bring the starting cursor back.
enum TCursor : short {
    crDefault = 0,
    crHourGlass = -11,
    crAppStart = -19,
};

void SetScreenCursor(TCursor cursor);

// The cursor last set, as the override stack shows it now.
TCursor ScreenCursor();
