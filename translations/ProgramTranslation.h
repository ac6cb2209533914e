// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QTranslator;

// Installs the program's English texts (detector-lab_en.ts, compiled into
// the program) for every tr() and QCoreApplication::translate of its
// windows, the module's too. Qt's own texts are left to Qt, which speaks
// English. Call once, after the application object exists; false when the
// translation cannot load.
bool InstallEnglishTexts();

// The same texts as a translator of the caller's, to install for a while
// (detector-lab-report --lang en); nothing when they cannot load.
std::unique_ptr<QTranslator> LoadEnglishTexts();
