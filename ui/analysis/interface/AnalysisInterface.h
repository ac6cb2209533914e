// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program and the module of its analysis windows («Характеристики»
// and the lab report) share, and all they share: the module is loaded the
// first time one of them is asked for, links none of the program's windows,
// and reaches the program only through the host handed to its factories.
// Header-only.

#include "common/language/Language.h"
#include "common/sheets/TableForm.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

// What the bench is set to at a moment: the defaults of «Характеристики».
struct BenchChoice {
    int32_t Signal1 = 1;
    int32_t Signal2 = 2;
    double Gain = 1.0;
};
using BenchChoiceSource = std::function<BenchChoice()>;

// A table's file to write, and its form.
struct ChosenTableFile {
    QString Name;
    sheets::TableForm Form = sheets::TableForm::Csv;
};

// The program's own seams, so that each exists once whatever the module
// links: its message box, its save dialogs (with their last folders), the
// decimal separator of the user's locale and the language of the run (its
// translation, installed in the application, serves the module's texts too).
struct AnalysisHost {
    BenchChoiceSource Bench;
    std::function<void(const QString& text)> ShowMessage;
    // The name and form of a table file to write, offered as `initialName`;
    // nothing when cancelled.
    std::function<std::optional<ChosenTableFile>(QWidget* owner, const QString& initialName)> ChooseTableFile;
    // The name of a PNG or SVG picture to write; nothing when cancelled.
    std::function<std::optional<QString>(QWidget* owner)> ChoosePlotFile;
    // The name of the lab report's file in one form ("pdf", "odt", "xlsx");
    // nothing when cancelled.
    std::function<std::optional<QString>(QWidget* owner, const QString& extension)> ChooseReportFile;
    char DecimalSeparator = '.';
    Language Spoken = Language::Russian;
};

// Makes the window «Характеристики», owned by `owner`.
using CharacteristicsFactory = QWidget* (*)(const AnalysisHost& host, QWidget* owner);

// The journal a lab report is made of: the session's, in its text (and the
// file it is kept in, when it is), or a journal file, read by the window.
struct ReportOrder {
    QString JournalFile;
    QByteArray JournalText; // empty: the window reads JournalFile
};

// Makes the preview of the lab report of the journal, owned by `owner`.
using ReportFactory = QWidget* (*)(const AnalysisHost& host, const ReportOrder& order, QWidget* owner);

// The names the module exports: the factories, and the version of this
// interface that it was built with (a function returning an int).
inline constexpr char CharacteristicsFactoryName[] = "dl_new_characteristics_window";
inline constexpr char ReportFactoryName[] = "dl_new_report_window";
inline constexpr char AnalysisInterfaceVersionName[] = "dl_analysis_interface_version";
// Raised whenever anything above changes, so that a module built against
// another version is refused instead of called.
inline constexpr int AnalysisInterfaceVersion = 4;
