// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why the file cannot be the program's module, or an empty text when it
// looks whole: it must be a regular file (a FIFO or a device is refused
// without waiting on it), a shared object of this machine's kind, and every
// part of it that the loader reads or maps must lie within the file. A file
// cut short would otherwise be mapped past its end, and the program killed
// by SIGBUS when the missing part is first used.
QString ModuleFileProblem(const QString& path);
