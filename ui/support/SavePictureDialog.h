#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The questions SaveImageAsBitmap and the journal's save ask. Tests answer
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
// initial name "Журнал.csv", in the folder of the CSV name last chosen in
// this run. Returns the full name chosen, or nothing when cancelled.
std::optional<QString> ChooseCsvFileName(QWidget* owner);

// Asks whether the existing file may be replaced; "no" is the default answer.
bool ConfirmReplaceFile(const QString& fileName);

// An empty handler restores the real dialog. Each returns the previous one.
using BitmapFileNameChooser = std::function<std::optional<QString>(QWidget* owner)>;
BitmapFileNameChooser SetBitmapFileNameChooser(BitmapFileNameChooser chooser);

using CsvFileNameChooser = std::function<std::optional<QString>(QWidget* owner)>;
CsvFileNameChooser SetCsvFileNameChooser(CsvFileNameChooser chooser);

using ReplaceFileQuestion = std::function<bool(const QString& fileName)>;
ReplaceFileQuestion SetReplaceFileQuestion(ReplaceFileQuestion question);
