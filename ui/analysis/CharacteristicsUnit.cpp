// SPDX-License-Identifier: GPL-3.0-or-later
#include "CharacteristicsUnit.h"

#include "CharacteristicsChoices.h"
#include "SweepPlotView.h"
#include "SweepRun.h"
#include "SweepTable.h"
#include "common/files/WholeFile.h"
#include "common/language/Language.h"
#include "common/PlainMessage.h"
#include "common/sheets/SpreadsheetCsv.h"
#include "common/sheets/TabText.h"
#include "common/sheets/XlsxWorkbook.h"
#include "common/text/NumberText.h"
#include "common/WindowFonts.h"
#include "common/WindowPlacement.h"
#include "editfloat/EditFloatUnit.h"
#include "sweep/lib/SweepReport.h"
#include "sweep/lib/ValueRange.h"
#include "sweep/plot/SweepPlot.h"
#include "sweepsheet/SweepSheet.h"
#include "theory/Experiment.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

namespace {

using theory::Experiment;

// Fits a screen of 1024 x 768 with its frame; the layout gives way down to 800 x 600.
constexpr QSize DesignedSize(1000, 700);
// How often the progress bar and the time left are brought up to date.
constexpr int ProgressMilliseconds = 100;
constexpr int ProgressSteps = 1000;
// A picture and a table that stay readable and quick to draw.
constexpr size_t MaxRangeValues = 1001;
constexpr double RangeLimit = 1000.0;
constexpr int32_t TrialChoices[] = {1000, 10000, 100000, 1000000};
constexpr int DefaultTrialChoice = 2;

QPushButton* NewButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption.chopped(caption.endsWith(QChar(0x2026)) ? 1 : 0));
    button->setAutoDefault(false);
    return button;
}

TEditFloat* NewField(const char* name, const QString& accessibleName, double min, double value, QWidget* parent)
{
    auto* field = new TEditFloat(parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->SetMaxLength(10);
    field->SetCorrMsg(true);
    field->SetMax(RangeLimit);
    field->SetMin(min);
    field->SetVal(value);
    return field;
}

QString Words(const Wording& words)
{
    return RussianText(words.In(ProgramLanguage()));
}

QString Decimal(double value, int decimals)
{
    return QString::fromStdString(WithDecimalComma(FixedText(value, decimals)));
}

// "обнаружение: 0,7560 (95 %: 0,7284…0,7816), теория 0,7601"
QString ResultText(const sweep::PointResult& r)
{
    const bool counts = CountsTrials(r.Point.Kind);
    const int decimals = counts ? 4 : 2;
    const QString text = counts ? TCharacteristicsForm::tr("%1: %2 (95 %: %3…%4), теория %5")
                                : TCharacteristicsForm::tr("%1: %2 мВ*мВ (95 %: %3…%4), теория %5");
    return text
        .arg(Words(theory::Describe(r.Point.Kind).ShownName), Decimal(r.Observed, decimals),
            Decimal(r.Range.Low, decimals), Decimal(r.Range.High, decimals),
            r.TheoryApplies ? Decimal(r.Theory, decimals) : TCharacteristicsForm::tr("не определена"));
}

} // namespace

TCharacteristicsForm::TCharacteristicsForm(const AnalysisHost& host, QWidget* owner)
    : QWidget(owner, Qt::Window),
      host_(host),
      run_(new SweepRun(this)),
      progressTimer_(new QTimer(this))
{
    setObjectName("CharacteristicsForm");
    setWindowTitle(tr("Характеристики"));
    setAccessibleName(windowTitle());
    setFont(WindowFont());
    resize(DesignedSize);
    BuildControls();
    TakeFromBenchClick();
    NewSeedClick();
    DrawingChanged();
    RestoreChoices();
    EnableCommands();

    progressTimer_->setInterval(ProgressMilliseconds);
    connect(progressTimer_, &QTimer::timeout, this, &TCharacteristicsForm::ShowProgress);
    connect(run_, &SweepRun::Finished, this, &TCharacteristicsForm::RunFinished);
}

void TCharacteristicsForm::BuildControls()
{
    DrawingChoice = new QComboBox(this);
    DrawingChoice->setObjectName("DrawingChoice");
    DrawingChoice->setAccessibleName(tr("Что построить"));
    DrawingChoice->addItems({tr("Рабочая характеристика обнаружения"), tr("Рабочая характеристика различения"),
        tr("Частота события от порога H"), tr("Мощность шума от K")});
    EventChoice = new QComboBox(this);
    EventChoice->setObjectName("EventChoice");
    EventChoice->setAccessibleName(tr("Событие"));
    for (Experiment e : theory::AllExperiments)
        if (CountsTrials(e))
            EventChoice->addItem(Words(theory::Describe(e).ShownName), static_cast<int>(e));

    Signal1Shape = new QSpinBox(this);
    Signal2Shape = new QSpinBox(this);
    for (QSpinBox* shape : {Signal1Shape, Signal2Shape})
        shape->setRange(1, 4);
    Signal1Shape->setObjectName("Signal1Shape");
    Signal1Shape->setAccessibleName(tr("Форма сигнала 1"));
    Signal2Shape->setObjectName("Signal2Shape");
    Signal2Shape->setAccessibleName(tr("Форма сигнала 2"));
    GainField = NewField("GainField", tr("Коэффициент усиления K"), 0.0, 1.0, this);
    TakeFromBenchButton = NewButton("TakeFromBenchButton", tr("Взять с установки"), this);

    RangeLabel = new QLabel(this);
    FromField = NewField("FromField", tr("От"), -RangeLimit, 0.0, this);
    ToField = NewField("ToField", tr("До"), -RangeLimit, 100.0, this);
    StepField = NewField("StepField", tr("Шаг"), 0.0, 1.0, this);

    TrialsLabel = new QLabel(this);
    TrialsChoice = new QComboBox(this);
    TrialsChoice->setObjectName("TrialsChoice");
    for (int32_t trials : TrialChoices)
        TrialsChoice->addItem(QString(), trials);
    TrialsChoice->setCurrentIndex(DefaultTrialChoice);

    SeedField = new QLineEdit(this);
    SeedField->setObjectName("SeedField");
    SeedField->setAccessibleName(tr("Начальное число"));
    SeedField->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), SeedField));
    NewSeedButton = NewButton("NewSeedButton", tr("Новое"), this);
    NewSeedButton->setAccessibleName(tr("Новое начальное число"));

    BuildButton = NewButton("BuildButton", tr("Построить"), this);
    StopButton = NewButton("StopButton", tr("Остановить"), this);
    Progress = new QProgressBar(this);
    Progress->setObjectName("Progress");
    Progress->setAccessibleName(tr("Ход построения"));
    Progress->setRange(0, ProgressSteps);
    Progress->setValue(0);
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName("StatusLabel");
    StatusLabel->setWordWrap(true);
    SavePlotButton = NewButton("SavePlotButton", tr("Сохранить рисунок…"), this);
    SaveTableButton = NewButton("SaveTableButton", tr("Сохранить таблицу…"), this);
    CopyPlotButton = NewButton("CopyPlotButton", tr("Копировать рисунок"), this);
    CopyTableButton = NewButton("CopyTableButton", tr("Копировать таблицу"), this);
    CloseButton = NewButton("CloseButton", tr("Закрыть"), this);

    PlotView = new SweepPlotView(this);
    PlotView->setObjectName("PlotView");
    PlotView->setAccessibleName(tr("Рисунок"));
    PointLabel = new QLabel(tr("Наведите мышь на точку рисунка, чтобы увидеть её значения."), this);
    PointLabel->setObjectName("PointLabel");
    PointLabel->setWordWrap(true);
    // Two lines always, so that the picture keeps its size as the mouse moves.
    PointLabel->setFixedHeight(2 * PointLabel->fontMetrics().lineSpacing() + 4);
    Table = NewSweepTable(this);
    Table->setObjectName("ResultTable");
    Table->setAccessibleName(tr("Таблица результатов"));

    auto* form = new QFormLayout;
    const auto addRow = [form, this](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    addRow(tr("&Что построить:"), DrawingChoice);
    addRow(tr("&Событие:"), EventChoice);
    addRow(tr("Сигнал &1, форма:"), Signal1Shape);
    addRow(tr("Сигнал &2, форма:"), Signal2Shape);
    addRow(QStringLiteral("&K:"), GainField);
    form->addRow(TakeFromBenchButton);
    form->addRow(RangeLabel);
    addRow(tr("&от:"), FromField);
    addRow(tr("&до:"), ToField);
    addRow(tr("&шаг:"), StepField);
    form->addRow(TrialsLabel, TrialsChoice);
    TrialsLabel->setBuddy(TrialsChoice);
    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(SeedField, 1);
    seedRow->addWidget(NewSeedButton);
    auto* seedLabel = new QLabel(tr("&Начальное число:"), this);
    seedLabel->setBuddy(SeedField);
    form->addRow(seedLabel, seedRow);

    auto* runRow = new QHBoxLayout;
    runRow->addWidget(BuildButton);
    runRow->addWidget(StopButton);
    auto* saveGrid = new QGridLayout;
    saveGrid->addWidget(SavePlotButton, 0, 0);
    saveGrid->addWidget(SaveTableButton, 0, 1);
    saveGrid->addWidget(CopyPlotButton, 1, 0);
    saveGrid->addWidget(CopyTableButton, 1, 1);
    saveGrid->addWidget(CloseButton, 2, 1);

    auto* settings = new QVBoxLayout;
    settings->addLayout(form);
    settings->addLayout(runRow);
    settings->addWidget(Progress);
    settings->addWidget(StatusLabel);
    settings->addStretch(1);
    settings->addLayout(saveGrid);

    auto* results = new QSplitter(Qt::Vertical, this);
    auto* plotPane = new QWidget(results);
    auto* plotLayout = new QVBoxLayout(plotPane);
    plotLayout->setContentsMargins(0, 0, 0, 0);
    plotLayout->addWidget(PlotView, 1);
    plotLayout->addWidget(PointLabel);
    results->addWidget(plotPane);
    results->addWidget(Table);
    results->setStretchFactor(0, 3);
    results->setStretchFactor(1, 1);
    results->setChildrenCollapsible(false);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(settings);
    layout->addWidget(results, 1);

    for (TEditFloat* field : {GainField, FromField, ToField, StepField})
        connect(field, &TEditFloat::Exit, field, [field] { field->GetModify(); });
    connect(DrawingChoice, &QComboBox::currentIndexChanged, this, &TCharacteristicsForm::DrawingChanged);
    connect(TakeFromBenchButton, &QPushButton::clicked, this, &TCharacteristicsForm::TakeFromBenchClick);
    connect(NewSeedButton, &QPushButton::clicked, this, &TCharacteristicsForm::NewSeedClick);
    connect(BuildButton, &QPushButton::clicked, this, &TCharacteristicsForm::BuildClick);
    connect(StopButton, &QPushButton::clicked, this, &TCharacteristicsForm::StopClick);
    connect(SavePlotButton, &QPushButton::clicked, this, &TCharacteristicsForm::SavePlotClick);
    connect(SaveTableButton, &QPushButton::clicked, this, &TCharacteristicsForm::SaveTableClick);
    connect(CopyPlotButton, &QPushButton::clicked, this, &TCharacteristicsForm::CopyPlotClick);
    connect(CopyTableButton, &QPushButton::clicked, this, &TCharacteristicsForm::CopyTableClick);
    // Enter in a field of the range builds, as «Построить» does (the field's
    // own keystroke filter takes no Enter).
    for (TEditFloat* field : {FromField, ToField, StepField})
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
            connect(new QShortcut(QKeySequence(key), field, nullptr, nullptr, Qt::WidgetShortcut),
                &QShortcut::activated, this, &TCharacteristicsForm::BuildClick);
    // Escape closes the window; in an open drop-down list it closes the list.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
        if (QWidget* list = QApplication::activePopupWidget())
            list->close();
        else
            close();
    });
    // Ctrl+C in the table copies as the button does (the table would copy
    // its current cell alone).
    Table->installEventFilter(this);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    connect(PlotView, &SweepPlotView::MarkHovered, this, &TCharacteristicsForm::ShowMark);
}

TCharacteristicsForm::Drawing TCharacteristicsForm::CurrentDrawing() const
{
    return static_cast<Drawing>(DrawingChoice->currentIndex());
}

// The range is of thresholds, or of gains for the noise power; the trials
// of a noise-power point are counted as the bench's readings of 1000.
void TCharacteristicsForm::DrawingChanged()
{
    const bool gains = CurrentDrawing() == Drawing::NoisePowerAgainstGain;
    EventChoice->setEnabled(CurrentDrawing() == Drawing::AgainstThreshold);
    GainField->setEnabled(!gains);
    RangeLabel->setText(gains ? tr("Коэффициент усиления K:") : tr("Порог H, мВ:"));
    TrialsLabel->setText(gains ? tr("&Замеров в точке:") : tr("&Опытов в точке:"));
    TrialsChoice->setAccessibleName(TrialsLabel->text().remove('&').chopped(1));
    const QLocale locale(ProgramLanguage() == Language::English ? QLocale::English : QLocale::Russian);
    for (int i = 0; i < TrialsChoice->count(); ++i)
        TrialsChoice->setItemText(i, locale.toString(TrialChoices[i] / (gains ? 1000 : 1)));
    if (gains == rangeOfGains_)
        return;
    rangeOfGains_ = gains;
    for (TEditFloat* field : {FromField, ToField})
        field->SetMin(gains ? 0.0 : -RangeLimit);
    FromField->SetVal(gains ? 0.5 : 0.0);
    ToField->SetVal(gains ? 10.0 : 100.0);
    StepField->SetVal(gains ? 0.5 : 1.0);
}

// The choices of the last sweep built, in this run or an earlier one; what
// the fields cannot take now is left at its default.
void TCharacteristicsForm::RestoreChoices()
{
    const std::optional<CharacteristicsChoices> kept = RememberedCharacteristicsChoices();
    if (!kept)
        return;
    if (kept->Drawing >= 0 && kept->Drawing < DrawingChoice->count())
        DrawingChoice->setCurrentIndex(kept->Drawing);
    if (const int event = EventChoice->findData(kept->Event); event >= 0)
        EventChoice->setCurrentIndex(event);
    if (const int trials = TrialsChoice->findData(kept->Trials); trials >= 0)
        TrialsChoice->setCurrentIndex(trials);
    const auto fits = [](const TEditFloat* field, double value) {
        return value >= field->Min() && value <= field->Max();
    };
    if (fits(FromField, kept->From) && fits(ToField, kept->To) && fits(StepField, kept->Step)) {
        FromField->SetVal(kept->From);
        ToField->SetVal(kept->To);
        StepField->SetVal(kept->Step);
    }
}

void TCharacteristicsForm::TakeFromBenchClick()
{
    const BenchChoice choice = host_.Bench ? host_.Bench() : BenchChoice{};
    Signal1Shape->setValue(choice.Signal1);
    Signal2Shape->setValue(choice.Signal2);
    GainField->SetVal(choice.Gain);
}

void TCharacteristicsForm::NewSeedClick()
{
    SeedField->setText(QString::number(QRandomGenerator::global()->generate()));
}

std::optional<uint32_t> TCharacteristicsForm::SeedFromField()
{
    bool number = false;
    const qulonglong seed = SeedField->text().toULongLong(&number);
    if (!number || seed > UINT32_MAX) {
        ShowPlainMessage(tr("Начальное число должно быть целым числом от 0 до 4294967295."));
        return std::nullopt;
    }
    return static_cast<uint32_t>(seed);
}

std::optional<sweep::SweepSettings> TCharacteristicsForm::SettingsFromFields()
{
    for (TEditFloat* field : {GainField, FromField, ToField, StepField})
        field->GetModify();
    const sweep::ValueRange range = sweep::RangeValues(FromField->Val(), ToField->Val(), StepField->Val(), MaxRangeValues);
    switch (range.Problem) {
    case sweep::RangeProblem::None:
        break;
    case sweep::RangeProblem::StepNotPositive:
        ShowPlainMessage(tr("Шаг должен быть больше нуля."));
        return std::nullopt;
    case sweep::RangeProblem::Reversed:
        ShowPlainMessage(tr("Значение «до» должно быть не меньше значения «от»."));
        return std::nullopt;
    case sweep::RangeProblem::TooManyValues:
        ShowPlainMessage(tr("Слишком много точек: в диапазоне должно быть не больше %1 значения.\n"
                            "Увеличьте шаг или сузьте диапазон.").arg(MaxRangeValues));
        return std::nullopt;
    }
    if (range.Values.size() < 2) {
        ShowPlainMessage(tr("В диапазоне должно быть не меньше двух значений.\n"
                            "Уменьшите шаг или расширьте диапазон."));
        return std::nullopt;
    }
    sweep::SweepSettings settings;
    settings.Signal1 = Signal1Shape->value();
    settings.Signal2 = Signal2Shape->value();
    settings.Trials = TrialsChoice->currentData().toInt();
    settings.Gains = {GainField->Val()};
    settings.Thresholds = range.Values;
    switch (CurrentDrawing()) {
    case Drawing::DetectionCharacteristic:
        settings.Experiments = {Experiment::Detection, Experiment::FalseAlarms};
        break;
    case Drawing::DistinctionCharacteristic:
        settings.Experiments = {Experiment::Distinction1, Experiment::Distinction2};
        break;
    case Drawing::AgainstThreshold:
        settings.Experiments = {static_cast<Experiment>(EventChoice->currentData().toInt())};
        break;
    case Drawing::NoisePowerAgainstGain:
        settings.Experiments = {Experiment::NoisePower};
        settings.Gains = range.Values;
        settings.Thresholds = {0.0};
        break;
    }
    return settings;
}

void TCharacteristicsForm::BuildClick()
{
    if (run_->Running())
        return;
    const std::optional<sweep::SweepSettings> settings = SettingsFromFields();
    if (!settings)
        return;
    const std::optional<uint32_t> seed = SeedFromField();
    if (!seed)
        return;
    runSettings_ = *settings;
    runSeed_ = *seed;
    RememberCharacteristicsChoices({DrawingChoice->currentIndex(), EventChoice->currentData().toInt(), FromField->Val(),
        ToField->Val(), StepField->Val(), TrialsChoice->currentData().toInt()});
    Progress->setValue(0);
    StatusLabel->setText(tr("Построение…"));
    elapsed_.start();
    run_->Start(runSettings_, runSeed_, static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    progressTimer_->start();
    EnableCommands();
}

void TCharacteristicsForm::StopClick()
{
    if (!run_->Running())
        return;
    run_->Stop();
    StatusLabel->setText(tr("Остановка…"));
    keyboardOnStop_ = focusWidget() == StopButton;
    StopButton->setEnabled(false);
}

bool TCharacteristicsForm::Running() const
{
    return run_->Running();
}

// The bar follows the chunks of trials, which are finer than the points
// where curves have few; the time left is the time so far in proportion.
void TCharacteristicsForm::ShowProgress()
{
    if (!run_->Running())
        return;
    const size_t chunks = run_->Chunks();
    const double share = chunks == 0 ? 0.0 : static_cast<double>(run_->ChunksDone()) / static_cast<double>(chunks);
    Progress->setValue(static_cast<int>(share * ProgressSteps));
    if (!StopButton->isEnabled())
        return; // stopping
    if (share == 0.0) {
        StatusLabel->setText(tr("Построение… оценка оставшегося времени ещё не готова."));
        return;
    }
    const double seconds = static_cast<double>(elapsed_.elapsed()) / 1000.0;
    const double left = seconds * (1.0 - share) / share;
    StatusLabel->setText(tr("Готово точек: %1 из %2, осталось около %3 с.")
                             .arg(run_->PointsDone())
                             .arg(run_->Points())
                             .arg(Decimal(left, left < 10.0 ? 1 : 0)));
}

void TCharacteristicsForm::RunFinished(bool complete)
{
    progressTimer_->stop();
    if (complete && isVisible()) {
        shownSettings_ = runSettings_;
        shownSeed_ = runSeed_;
        shown_ = run_->Results();
        ShowResults();
        Progress->setValue(Progress->maximum());
        StatusLabel->setText(tr("Построено за %1 с.").arg(Decimal(static_cast<double>(elapsed_.elapsed()) / 1000.0, 2)));
    } else {
        Progress->setValue(0);
        StatusLabel->setText(tr("Построение остановлено; рисунок и таблица остались прежними."));
    }
    EnableCommands();
    emit RunEnded(complete);
}

void TCharacteristicsForm::ShowResults()
{
    PlotView->SetPlot(std::make_unique<sweep::Plot>(shownSettings_, shownSeed_, shown_, ProgramLanguage()));
    ShowSweepTable(*Table, ShownBook().Sheet, ShownCsv());
}

sheets::Book TCharacteristicsForm::ShownBook() const
{
    return sweep::SweepBook(shownSettings_, shownSeed_, shown_, ProgramLanguage());
}

std::string TCharacteristicsForm::ShownCsv() const
{
    return shown_.empty() ? std::string() : sweep::CsvText(shownSettings_, shownSeed_, shown_);
}

void TCharacteristicsForm::ShowMark(int mark)
{
    const sweep::Plot* plot = PlotView->CurrentPlot();
    if (plot == nullptr || mark < 0) {
        PointLabel->setText(tr("Наведите мышь на точку рисунка, чтобы увидеть её значения."));
        return;
    }
    const sweep::PlotMark& m = plot->Marks()[static_cast<size_t>(mark)];
    const sweep::PointResult& r = shown_[m.Result];
    const QString gain = QString::fromStdString(WithDecimalComma(ShortestText(r.Point.Gain)));
    QString text = QStringLiteral("K = ") + gain;
    if (CountsTrials(r.Point.Kind))
        text = tr("K = %1, H = %2 мВ").arg(gain, QString::fromStdString(WithDecimalComma(ShortestText(r.Point.Threshold))));
    text += QStringLiteral(" — ") + ResultText(r);
    if (m.Across)
        text += QStringLiteral("; ") + ResultText(shown_[*m.Across]);
    PointLabel->setText(text);
}

void TCharacteristicsForm::EnableCommands()
{
    const bool running = run_->Running();
    const bool results = !shown_.empty();
    // The keyboard stays on the run's commands: the focus passes from
    // «Построить» to «Остановить» as a run starts and back as it ends,
    // rather than on to «Закрыть», where a second Space would close the window.
    const bool keyboardOnRun = focusWidget() == BuildButton || focusWidget() == StopButton || keyboardOnStop_;
    keyboardOnStop_ = false;
    BuildButton->setEnabled(!running);
    StopButton->setEnabled(running);
    if (keyboardOnRun)
        (running ? StopButton : BuildButton)->setFocus();
    for (QPushButton* button : {SavePlotButton, SaveTableButton, CopyPlotButton, CopyTableButton})
        button->setEnabled(results);
}

void TCharacteristicsForm::SavePlotClick()
{
    sweep::Plot* plot = PlotView->CurrentPlot();
    if (plot == nullptr)
        return;
    const std::optional<QString> fileName = host_.ChoosePlotFile ? host_.ChoosePlotFile(this) : std::nullopt;
    if (!fileName)
        return;
    const QByteArray bytes = plot->Encode(fileName->endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive));
    OutputFiles file(OutputFiles::UnreadFifo::Fail);
    file.Add(*fileName, bytes);
    if (bytes.isEmpty() || !file.Write().empty())
        ShowPlainMessage(tr("Не удаётся сохранить рисунок в файл %1").arg(QDir::toNativeSeparators(*fileName)));
}

// The table as the sweep's CSV, as «CSV для Excel» or as a workbook, as the
// save dialog's type says.
void TCharacteristicsForm::SaveTableClick()
{
    if (shown_.empty())
        return;
    const std::optional<ChosenTableFile> file
        = host_.ChooseTableFile ? host_.ChooseTableFile(this, tr("Характеристика.csv")) : std::nullopt;
    if (!file)
        return;
    QByteArray bytes;
    switch (file->Form) {
    case sheets::TableForm::Csv:
        bytes = QByteArray::fromStdString(ShownCsv());
        break;
    case sheets::TableForm::SpreadsheetCsv:
        bytes = QByteArray::fromStdString(sheets::SpreadsheetCsvText(ShownBook()));
        break;
    case sheets::TableForm::Workbook:
        bytes = QByteArray::fromStdString(sheets::XlsxWorkbook(ShownBook()).Bytes);
        break;
    }
    OutputFiles output(OutputFiles::UnreadFifo::Fail);
    output.Add(file->Name, bytes);
    if (bytes.isEmpty() || !output.Write().empty())
        ShowPlainMessage(tr("Не удаётся сохранить таблицу в файл %1").arg(QDir::toNativeSeparators(file->Name)));
}

// The selected rows, or all: tab-separated under the headings, decimal
// commas, every digit.
void TCharacteristicsForm::CopyTableClick()
{
    if (shown_.empty())
        return;
    std::vector<size_t> rows;
    for (const QModelIndex& index : Table->selectionModel()->selectedRows())
        rows.push_back(static_cast<size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    const sheets::Book book = ShownBook();
    QApplication::clipboard()->setText(QString::fromStdString(sheets::TabSeparatedText(book.Sheet, rows)));
}

void TCharacteristicsForm::CopyPlotClick()
{
    if (sweep::Plot* plot = PlotView->CurrentPlot()) {
        const QImage picture = QImage::fromData(plot->Encode(false), "PNG");
        if (!picture.isNull())
            QApplication::clipboard()->setImage(picture);
    }
}

// The first showing centres the window over the main window, fitted to the
// screen; later ones leave it where the student put it.
void TCharacteristicsForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!placed_) {
        if (parentWidget() != nullptr)
            CentreWindowOver(this, parentWidget()->window());
        else
            CentreWindowOnScreen(this);
    }
    placed_ = true;
}

bool TCharacteristicsForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Table && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopyTableClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// A run goes on for nobody once the window is closed: it is stopped.
void TCharacteristicsForm::closeEvent(QCloseEvent* event)
{
    run_->Stop();
    QWidget::closeEvent(event);
}

QWidget* NewCharacteristicsForm(const AnalysisHost& host, QWidget* owner)
{
    return new TCharacteristicsForm(host, owner);
}
