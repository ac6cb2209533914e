// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/document/ReportPictures.h"
#include "report/document/ReportSource.h"
#include "ui/analysis/interface/AnalysisInterface.h"

#include <QWidget>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

class QLabel;
class QPrinter;
class QPushButton;
class QTextBrowser;

// The preview of the lab report of a journal, «Отчёт по лабораторной
// работе № 4»: the journal is read and replayed on a worker thread, away
// from the bench, while the window shows what it is doing; then the report
// is laid out in the preview and can be saved as PDF, ODT or a workbook and
// printed. Its title block is asked once and remembered («Титульный
// лист…» changes it). Escape closes the window; F1 opens the theory.
class TReportForm : public QWidget {
    Q_OBJECT

public:
    TReportForm(const AnalysisHost& host, const ReportOrder& order, QWidget* owner);
    ~TReportForm() override;

    void TitleButtonClick();
    void SavePdfButtonClick();
    void SaveOdtButtonClick();
    void SaveXlsxButtonClick();
    void PrintButtonClick();

    // Once the report is shown: what it is made of.
    bool Ready() const { return ready_; }
    const report::ReportSource& Source() const { return source_; }

    QPushButton* TitleButton;
    QPushButton* SavePdfButton;
    QPushButton* SaveOdtButton;
    QPushButton* SaveXlsxButton;
    QPushButton* PrintButton;
    QPushButton* CloseButton;
    QLabel* Status;
    QTextBrowser* Preview;

signals:
    // The report is in the preview, or the journal was refused (`made`
    // false, Status says why).
    void ReportFinished(bool made);

private:
    struct Prepared;
    void BuildControls();
    void JournalPrepared(const Prepared& prepared);
    void AskTitleFirstTime();
    void ShowReport();
    void Save(const QString& extension);
    void EnableCommands();

    AnalysisHost host_;
    report::ReportSource source_;
    std::vector<report::ReportPicture> pictures_;
    bool prepared_ = false;
    bool titleKnown_ = false;
    bool ready_ = false;
    std::atomic<int> stop_{0};
    std::thread worker_;
};

// Asks how to print: the printer and its pages. Tests answer through the
// handler below instead of the print dialog; an empty one restores it.
using PrintQuestion = std::function<bool(QPrinter& printer, QWidget* owner)>;
PrintQuestion SetPrintQuestion(PrintQuestion question);

// Makes the window; the module's factory.
QWidget* NewReportForm(const AnalysisHost& host, const ReportOrder& order, QWidget* owner);
