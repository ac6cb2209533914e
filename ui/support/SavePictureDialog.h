// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The questions SaveImageAsBitmap and the windows' saves ask. Tests answer
// them through the handlers below instead of the real dialogs.

// Asks for the name of the bitmap file to write: Qt's own file dialog (not
// the desktop's) in save mode with a preview of the picture file selected in
// its list, the overwrite prompt, default suffix "bmp", the filter
// "Bitmaps (*.bmp)" and the initial name "Рисунок.bmp", in the folder of the
// name last chosen in this run (the working folder at first). Returns the full
// name chosen, or nothing when cancelled.
std::optional<QString> ChooseBitmapFileName(QWidget* owner);

// Asks for the name of a CSV file to write, in the same dialog without the
// preview: default suffix "csv", the filter "Таблицы CSV (*.csv)", the
// initial name given ("Журнал.csv" unless told), in the folder of the CSV
// name last chosen in this run. Returns the full name chosen, or nothing
// when cancelled.
std::optional<QString> ChooseCsvFileName(QWidget* owner, const QString& initialName = QStringLiteral("Журнал.csv"));

// Asks for the name of a picture file to write, PNG or SVG, in the same
// dialog with the preview: the filters "Рисунки PNG (*.png)" and "Рисунки SVG
// (*.svg)", the default suffix following the filter chosen, the initial name
// "Характеристика.png", in the folder of the picture name last chosen in
// this run. Returns the full name chosen, or nothing when cancelled.
std::optional<QString> ChoosePlotFileName(QWidget* owner);

// Asks whether the existing file may be replaced; "no" is the default answer.
bool ConfirmReplaceFile(const QString& fileName);

// An empty handler restores the real dialog. Each returns the previous one.
using BitmapFileNameChooser = std::function<std::optional<QString>(QWidget* owner)>;
BitmapFileNameChooser SetBitmapFileNameChooser(BitmapFileNameChooser chooser);

using CsvFileNameChooser = std::function<std::optional<QString>(QWidget* owner)>;
CsvFileNameChooser SetCsvFileNameChooser(CsvFileNameChooser chooser);

using PlotFileNameChooser = std::function<std::optional<QString>(QWidget* owner)>;
PlotFileNameChooser SetPlotFileNameChooser(PlotFileNameChooser chooser);

using ReplaceFileQuestion = std::function<bool(const QString& fileName)>;
ReplaceFileQuestion SetReplaceFileQuestion(ReplaceFileQuestion question);
