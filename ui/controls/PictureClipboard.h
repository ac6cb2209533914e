// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TImage;

// Puts the control's picture on the clipboard, decoded at its full size: the
// clipboard is emptied, then the picture set. A picture that cannot be
// decoded leaves the clipboard as it was.
void CopyImageToClipboard(const TImage* image);
