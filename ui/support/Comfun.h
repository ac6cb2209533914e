// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

class TImage;

// A number as the result displays show it: printf-style with the precision
// chosen by the selector (0 to 7 decimals, "%e" for any other selector), the
// first full stop replaced by a comma whatever the user's locale says.
QString FloatToText(std::uint32_t selector, double value);

// Lets the user save the control's picture as a 24-bit bitmap file. A name
// whose extension is not ".bmp" (in any letter case) is corrected after a
// message; a corrected name that names a folder gets a message saying so,
// one that names an existing file is replaced only when the user agrees.
// The file is replaced whole or not at all: a failed save leaves an old
// file as it was and gets the message "Cannot create file <name>". A device
// or a FIFO is written where it is, never replaced; a symbolic link is
// followed.
void SaveImageAsBitmap(TImage* image);
