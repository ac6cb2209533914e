// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Installs the program's English texts (detector-lab_en.ts, compiled into
// the program) for every tr() and QCoreApplication::translate of its
// windows, the module's too. Qt's own texts are left to Qt, which speaks
// English. Call once, after the application object exists; false when the
// translation cannot load.
bool InstallEnglishTexts();
