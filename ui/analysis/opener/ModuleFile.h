// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why the file cannot be the program's module, in the program's words, or an
// empty text when it looks whole (CheckModuleFile): a regular file (a FIFO
// or a device is refused without waiting on it), a shared object of this
// machine's kind, every part the loader reads or maps within the file.
QString ModuleFileProblem(const QString& path);
