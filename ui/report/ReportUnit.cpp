// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportUnit.h"

#include "ReportTitleDialog.h"
#include "common/WindowFonts.h"
#include "common/WindowPlacement.h"
#include "common/files/WholeFile.h"
#include "journal/JournalCsv.h"
#include "journal/JournalFile.h"
#include "journal/JournalReplay.h"
#include "report/JournalAnalysis.h"
#include "report/document/ReportDocument.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {

// Wide enough for an A4 page of the report at 96 dots per inch.
constexpr QSize DesignedSize(860, 680);

PrintQuestion& Printing()
{
    static PrintQuestion question;
    return question;
}

bool AskPrinter(QPrinter& printer, QWidget* owner)
{
    if (Printing())
        return Printing()(printer, owner);
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(TReportForm::tr("Печать отчёта"));
    return dialog.exec() == QDialog::Accepted;
}

// The wait cursor while a report is drawn into a file or onto a printer.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QPushButton* Button(QWidget* owner, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, owner);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

// What the worker hands the window: the report's source, or why there is
// none.
struct TReportForm::Prepared {
    report::ReportSource Source;
    QString Error;
};

TReportForm::TReportForm(const AnalysisHost& host, const ReportOrder& order, QWidget* owner)
    : QWidget(owner, Qt::Window), host_(host)
{
    setObjectName("ReportForm");
    setWindowTitle(tr("Отчёт по лабораторной работе № 4"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(WindowFont());
    resize(DesignedSize);
    if (owner != nullptr)
        CentreWindowOver(this, owner->window());
    BuildControls();
    EnableCommands();
    source_.JournalFile = order.JournalFile;
    Status->setText(tr("Журнал проверяется: его строки повторяются на стенде с тем же начальным числом…"));

    worker_ = std::thread([this, order] {
        Prepared prepared;
        prepared.Source.JournalFile = order.JournalFile;
        std::string text = order.JournalText.toStdString();
        std::string error;
        if (order.JournalText.isEmpty()) {
            const std::optional<std::string> read
                = journal::ReadJournalFile(QFile::encodeName(order.JournalFile).toStdString(), error);
            text = read.value_or(std::string());
        }
        if (error.empty()) {
            const journal::ReadJournal journal = journal::ReadJournalCsv(text);
            if (!journal.Error.empty())
                error = "line " + std::to_string(journal.ErrorLine) + ": " + journal.Error;
            else {
                const std::vector<journal::RowCheck> checks = journal::ReplayJournal(journal, &stop_);
                prepared.Source.Analysis = report::AnalyseJournal(journal.Content);
                prepared.Source.RowsReplayed = checks.size();
                for (size_t i = 0; i < checks.size(); ++i)
                    if (!checks[i].Reproduces)
                        prepared.Source.DifferingRows.insert(journal.Content.Rows[i].Number);
            }
        }
        prepared.Error = QString::fromStdString(error);
        // Delivered only while the window lives: its destructor joins this
        // thread first, and a call queued for a window since gone is dropped.
        QMetaObject::invokeMethod(
            this, [this, prepared = std::move(prepared)] { JournalPrepared(prepared); }, Qt::QueuedConnection);
    });
    QTimer::singleShot(0, this, &TReportForm::AskTitleFirstTime);
}

TReportForm::~TReportForm()
{
    stop_ = 1;
    if (worker_.joinable())
        worker_.join();
}

void TReportForm::BuildControls()
{
    TitleButton = Button(this, "TitleButton", tr("&Титульный лист…"));
    SavePdfButton = Button(this, "SavePdfButton", tr("Сохранить &PDF…"));
    SaveOdtButton = Button(this, "SaveOdtButton", tr("Сохранить &ODT…"));
    SaveXlsxButton = Button(this, "SaveXlsxButton", tr("Сохранить &XLSX…"));
    PrintButton = Button(this, "PrintButton", tr("&Печать…"));
    CloseButton = Button(this, "CloseButton", tr("&Закрыть"));
    Status = new QLabel(this);
    Status->setObjectName("Status");
    Status->setWordWrap(true);
    Preview = new QTextBrowser(this);
    Preview->setObjectName("Preview");
    Preview->setAccessibleName(tr("Отчёт"));

    auto* commands = new QHBoxLayout;
    for (QPushButton* button : {TitleButton, SavePdfButton, SaveOdtButton, SaveXlsxButton, PrintButton})
        commands->addWidget(button);
    commands->addStretch();
    commands->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(commands);
    layout->addWidget(Status);
    layout->addWidget(Preview, 1);

    connect(TitleButton, &QPushButton::clicked, this, &TReportForm::TitleButtonClick);
    connect(SavePdfButton, &QPushButton::clicked, this, &TReportForm::SavePdfButtonClick);
    connect(SaveOdtButton, &QPushButton::clicked, this, &TReportForm::SaveOdtButtonClick);
    connect(SaveXlsxButton, &QPushButton::clicked, this, &TReportForm::SaveXlsxButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &TReportForm::PrintButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void TReportForm::EnableCommands()
{
    for (QPushButton* button : {SavePdfButton, SaveOdtButton, SaveXlsxButton, PrintButton})
        button->setEnabled(ready_);
}

void TReportForm::AskTitleFirstTime()
{
    source_.Title = RememberedReportTitle();
    if (!ReportTitleRemembered()) {
        if (const std::optional<report::ReportTitle> title = AskReportTitle(this, source_.Title)) {
            source_.Title = *title;
            RememberReportTitle(*title);
        }
    }
    titleKnown_ = true;
    if (prepared_)
        ShowReport();
}

void TReportForm::JournalPrepared(const Prepared& prepared)
{
    worker_.join();
    if (!prepared.Error.isEmpty()) {
        Status->setText(tr("Отчёт не составлен: %1 — не журнал измерений, который можно прочесть.\n%2")
                            .arg(QDir::toNativeSeparators(source_.JournalFile), prepared.Error));
        emit ReportFinished(false);
        return;
    }
    const report::ReportTitle title = source_.Title;
    source_ = prepared.Source;
    source_.Title = title;
    prepared_ = true;
    if (titleKnown_)
        ShowReport();
}

void TReportForm::ShowReport()
{
    pictures_ = report::StudentPictures(source_.Analysis);
    std::unique_ptr<QTextDocument> document
        = report::ReportDocument(source_, pictures_, report::PictureForm::Image);
    // The preview deletes only the empty document it began with; an earlier
    // report of this window (title changed) is deleted here.
    QTextDocument* earlier = Preview->document();
    const bool earlierIsOurs = earlier != nullptr && earlier->parent() == Preview;
    document->setParent(Preview);
    Preview->setDocument(document.release());
    if (earlierIsOurs)
        delete earlier;
    const report::JournalAnalysis& analysis = source_.Analysis;
    Status->setText(
        tr("Строк журнала: %1; точек: %2; значений K мощности шума: %3; не воспроизводятся: %4.")
            .arg(analysis.Rows)
            .arg(analysis.Counts.size())
            .arg(analysis.NoisePower.size())
            .arg(source_.DifferingRows.size()));
    ready_ = true;
    EnableCommands();
    // Page Down and the arrows read the report at once.
    Preview->setFocus();
    emit ReportFinished(true);
}

void TReportForm::TitleButtonClick()
{
    const std::optional<report::ReportTitle> title = AskReportTitle(this, source_.Title);
    if (!title)
        return;
    source_.Title = *title;
    RememberReportTitle(*title);
    if (ready_)
        ShowReport();
}

void TReportForm::SavePdfButtonClick()
{
    Save(QStringLiteral("pdf"));
}

void TReportForm::SaveOdtButtonClick()
{
    Save(QStringLiteral("odt"));
}

void TReportForm::SaveXlsxButtonClick()
{
    Save(QStringLiteral("xlsx"));
}

void TReportForm::Save(const QString& extension)
{
    if (!ready_ || !host_.ChooseReportFile)
        return;
    const std::optional<QString> name = host_.ChooseReportFile(this, extension);
    if (!name)
        return;
    QByteArray bytes;
    std::string error;
    {
        const BusyCursor busy;
        if (extension == QStringLiteral("pdf"))
            bytes = report::ReportPdf(source_, pictures_);
        else if (extension == QStringLiteral("odt"))
            bytes = report::ReportOdt(source_, pictures_);
        else
            bytes = QByteArray::fromStdString(report::ReportXlsx(source_, error));
    }
    if (bytes.isEmpty()) {
        host_.ShowMessage(tr("Отчёт не составлен: %1").arg(QString::fromStdString(error)));
        return;
    }
    OutputFiles file(OutputFiles::UnreadFifo::Fail);
    file.Add(*name, bytes);
    if (const std::string failure = file.Write(); !failure.empty())
        host_.ShowMessage(tr("Не удалось сохранить отчёт:\n%1").arg(QString::fromStdString(failure)));
}

void TReportForm::PrintButtonClick()
{
    if (!ready_)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (!AskPrinter(printer, this))
        return;
    const BusyCursor busy;
    const std::unique_ptr<QTextDocument> document
        = report::ReportDocument(source_, pictures_, report::PictureForm::Vector);
    report::PaintReport(*document, printer);
}

PrintQuestion SetPrintQuestion(PrintQuestion question)
{
    return std::exchange(Printing(), std::move(question));
}

QWidget* NewReportForm(const AnalysisHost& host, const ReportOrder& order, QWidget* owner)
{
    return new TReportForm(host, order, owner);
}
