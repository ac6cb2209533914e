// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

// A field that loses the focus to a mouse press does its exit (a commit that
// may show a message box) when that press is released, just before the
// release reaches the control under the mouse. A box shown during the press
// would take the release from the window beneath it, and the click the user
// made would be lost. When the box has taken the pressed state from the button
// that took the focus, that button is clicked here, once, provided the
// release lies inside it. The exit also runs, without a click, if a key is
// pressed before the release. It never runs after the field is
// gone.
void ExitAtRelease(QWidget* field, QWidget* focusTaker, std::function<void()> exit);
