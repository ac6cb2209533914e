// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMainWindow;
class QMenu;

// Adds the menu «Справка» to the window's menu bar: «Теория» (F1) opens the
// theory window, «О программе» the box with the version and the licences,
// «Язык (Language)» chooses the language of the next start.
// The menu stays the rightmost one: a menu added to the bar later is placed
// before it. F1 opens the theory from every window of the program, the
// modal dialogs too.
QMenu* AddHelpMenu(QMainWindow* window);
