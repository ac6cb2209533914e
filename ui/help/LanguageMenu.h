// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenu;

// Adds to the menu the submenu «Язык (Language)»: «Русский» and «Английский
// (English)», the one that the next start will speak checked. Choosing one
// remembers it (common/settings) and says in a message that it takes effect
// at the next start; a store that cannot be written is said instead. The
// run itself keeps its language: its windows are built in it.
QMenu* AddLanguageMenu(QMenu* menu);
