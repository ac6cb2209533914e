// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's settings forgotten, so that a test's windows start as on a
// first run whatever an earlier run of the test left (each Qt test keeps
// its settings in a folder of its own under the build tree).

#include "common/settings/ProgramSettings.h"

#include <QSettings>

inline void ForgetProgramSettings()
{
    OpenProgramSettings()->clear();
}
