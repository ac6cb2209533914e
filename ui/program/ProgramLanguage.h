// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/language/Language.h"

// Makes the run speak the language, before any window is built: the
// program's English texts for English, Qt's Russian texts for Russian (Qt's
// own texts are English), and ProgramLanguage() for the pictures, the
// theory and the tables. Texts installed by an earlier call are taken away
// first, so that a test may speak one language after the other. Returns the
// language the run speaks: Russian when the English texts cannot load.
Language UseLanguage(Language language);
