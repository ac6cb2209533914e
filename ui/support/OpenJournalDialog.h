// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Asks for a journal file to go on with, under the caption «Продолжить
// сеанс» (or to report on, under its own caption): Qt's own file dialog in open mode, the filter «Журналы
// измерений (*.csv)», opening in `folder` (where the program keeps its
// journals) the first time and in the folder of the journal last chosen,
// in this run or an earlier one, after that. Returns the full name chosen,
// or nothing when cancelled. Tests answer through the handler below instead
// of the dialog.
std::optional<QString> ChooseJournalFile(QWidget* owner, const QString& folder, const QString& caption = QString());

// An empty handler restores the real dialog. Returns the previous one.
using JournalFileChooser = std::function<std::optional<QString>(QWidget* owner)>;
JournalFileChooser SetJournalFileChooser(JournalFileChooser chooser);
