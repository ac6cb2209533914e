// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/sheets/TableForm.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

// The questions SaveImageAsBitmap and the windows' saves ask. Tests answer
// them through the handlers below instead of the real dialogs.

// Asks for the name of the bitmap file to write: Qt's own file dialog (not
// the desktop's) in save mode with a preview of the picture file selected in
// its list, the overwrite prompt, default suffix "bmp", the filter
// "Bitmaps (*.bmp)" and the initial name "Рисунок.bmp", in the folder of the
// picture name last chosen, in this run or an earlier one (the working
// folder at first). Returns the full name chosen, or nothing when cancelled.
std::optional<QString> ChooseBitmapFileName(QWidget* owner);

// A table's file and the form it is written in.
struct TableFile {
    QString Name;
    sheets::TableForm Form = sheets::TableForm::Csv;
};

// Asks for the name and form of a table file to write, in the same dialog
// without the preview: the filters "Таблицы CSV (*.csv)", "CSV для Excel
// (*.csv)" and "Книги Excel (*.xlsx)", the default suffix following the
// filter chosen, the initial name given ("Журнал.csv" when empty), in the
// folder of the table name last chosen, in this run or an earlier one. A
// name with another
// extension than its form's is corrected after a message (ProperFileName).
// Returns the full name and the form, or nothing when cancelled.
std::optional<TableFile> ChooseTableFile(QWidget* owner, const QString& initialName = QString());

// Asks for the name of a picture file to write, PNG or SVG, in the same
// dialog with the preview: the filters "Рисунки PNG (*.png)" and "Рисунки SVG
// (*.svg)", the default suffix following the filter chosen, the initial name
// "Характеристика.png", in the folder of the picture name last chosen (a
// bitmap's too). A name that is neither .png nor .svg becomes .png after a
// message (ProperFileName). Returns the full name chosen, or nothing when
// cancelled.
std::optional<QString> ChoosePlotFileName(QWidget* owner);

// Asks for the name of the lab report's file in one form: `extension` is
// "pdf", "odt" or "xlsx", the filter «Документы PDF (*.pdf)», «Документы
// ODF (*.odt)» or «Книги Excel (*.xlsx)», the initial name "Отчёт.pdf" (and
// so on), in the folder of the report name last chosen. A name with another
// extension is corrected after a message (ProperFileName). Returns the full
// name chosen, or nothing when cancelled.
std::optional<QString> ChooseReportFileName(QWidget* owner, const QString& extension);

// The name with one of the extensions (lower case, with their full stop,
// any letter case in the name): as it is, or with `proper` in place of its
// own after the message "<name>:\nФормат файлов <extension> не
// поддерживается. Произведена коррекция.". A corrected name that is a
// folder gets a message saying so, and one that names an existing file is
// used only when the user agrees to replace it: nothing otherwise.
std::optional<QString> ProperFileName(const QString& chosen, const QStringList& extensions, const QString& proper);

// The message that a name is a folder, not a file that can be written.
QString FolderNameMessage(const QString& fileName);

// Asks whether the existing file may be replaced; "no" is the default answer.
bool ConfirmReplaceFile(const QString& fileName);

// An empty handler restores the real dialog. Each returns the previous one.
using BitmapFileNameChooser = std::function<std::optional<QString>(QWidget* owner)>;
BitmapFileNameChooser SetBitmapFileNameChooser(BitmapFileNameChooser chooser);

using TableFileChooser = std::function<std::optional<TableFile>(QWidget* owner)>;
TableFileChooser SetTableFileChooser(TableFileChooser chooser);

using PlotFileNameChooser = std::function<std::optional<QString>(QWidget* owner)>;
PlotFileNameChooser SetPlotFileNameChooser(PlotFileNameChooser chooser);

using ReportFileNameChooser = std::function<std::optional<QString>(QWidget* owner, const QString& extension)>;
ReportFileNameChooser SetReportFileNameChooser(ReportFileNameChooser chooser);
using ReplaceFileQuestion = std::function<bool(const QString& fileName)>;
ReplaceFileQuestion SetReplaceFileQuestion(ReplaceFileQuestion question);
