// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/language/Language.h"

#include <QString>
#include <memory>
#include <optional>

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

// The language chosen in «Справка» for the starts to come; nothing when
// none was chosen, or when the store holds no language the program speaks.
std::optional<Language> StoredLanguage();

// Remembers the language for the next start; false when the store cannot
// be written.
bool StoreLanguage(Language language);

// The language of a run: the one asked for on the command line, else the
// one stored, else Russian (whatever the system's locale).
Language LanguageAtStart(std::optional<Language> commandLine);
