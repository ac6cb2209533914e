// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QSettings;

// What the laboratory program remembers between runs, in one store: the
// user's settings of organisation "Detector Lab", application
// "detector-lab" (~/.config/Detector Lab/detector-lab.conf, or under
// $XDG_CONFIG_HOME where that is set). The names are given to the store,
// not to the application object, whose names make the data folder of the
// kept journals.
std::unique_ptr<QSettings> OpenProgramSettings();

// The file of the store, as a message names it.
QString ProgramSettingsFile();
