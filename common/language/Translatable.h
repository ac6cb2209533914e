// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text of a library without Qt that a window shows translated: the
// text stays the Russian source, and the window looks it up with
// QCoreApplication::translate(context, text). lupdate collects it like
// QT_TRANSLATE_NOOP (translations/CMakeLists.txt tells it the name).
#define DL_TRANSLATABLE(context, text) text
