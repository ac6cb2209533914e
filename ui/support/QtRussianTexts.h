// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Installs Qt's Russian translation of its own texts (the OK button of the
// message boxes, the file dialog, its overwrite prompt), and the few that the
// translation lacks (the file dialog's "Папка"). Call once, after the
// application object exists. Returns false when the translation cannot load.
bool InstallQtRussianTexts();
