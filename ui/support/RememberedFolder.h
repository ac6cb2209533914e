// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder of the file last chosen in a dialog of a kind ("pictures",
// "tables", "reports", "journals"), kept between runs in the program's
// settings, so that the next dialog of that kind opens there.

// The folder, or empty when none was kept or it is gone.
QString RememberedFolder(const char* kind);
// Keeps the folder of the file chosen.
void RememberFolderOf(const char* kind, const QString& chosenFile);
