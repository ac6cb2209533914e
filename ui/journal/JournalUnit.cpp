// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalUnit.h"

#include "JournalTableModel.h"
#include "common/files/WholeFile.h"
#include "common/language/Language.h"
#include "common/PlainMessage.h"
#include "common/sheets/SpreadsheetCsv.h"
#include "common/sheets/TabText.h"
#include "common/sheets/XlsxWorkbook.h"
#include "common/WindowFonts.h"
#include "common/WindowPlacement.h"
#include "journal/JournalSheet.h"
#include "journal/KeptJournal.h"
#include "ui/support/SavePictureDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Low enough, title bar included, to cover no more than the main window's
// schematic: its commands, fields and displays stay in view beneath.
constexpr QSize DesignedSize(960, 285);

QPushButton* NewButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TJournalForm::TJournalForm(const KeptJournal& journal, QWidget* owner)
    : QWidget(owner, Qt::Window),
      journal_(journal),
      model_(new JournalTableModel(journal, this))
{
    setObjectName("JournalForm");
    setWindowTitle(tr("Журнал измерений"));
    setAccessibleName(windowTitle());
    setFont(WindowFont());
    resize(DesignedSize);

    Table = new QTableView(this);
    Table->setObjectName("JournalTable");
    Table->setAccessibleName(tr("Строки журнала измерений"));
    Table->setModel(model_);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setTabKeyNavigation(false);
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 6);
    // The student may widen a column; each column grows to fit new rows.
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    Table->resizeColumnsToContents();

    SeedLabel = new QLabel(this);
    SeedLabel->setObjectName("SessionSeed");
    SeedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FileLabel = new QLabel(tr("Файл журнала:"), this);
    FilePath = new QLineEdit(this);
    FilePath->setObjectName("JournalFilePath");
    FilePath->setReadOnly(true);
    FilePath->setAccessibleName(tr("Файл журнала"));
    FileLabel->setBuddy(FilePath);

    SaveButton = NewButton("SaveButton", tr("Сохранить как CSV…"), this);
    CopyButton = NewButton("CopyButton", tr("Копировать"), this);
    CloseButton = NewButton("CloseButton", tr("Закрыть"), this);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(SeedLabel);
    fileRow->addSpacing(12);
    fileRow->addWidget(FileLabel);
    fileRow->addWidget(FilePath, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    for (QPushButton* button : {SaveButton, CopyButton, CloseButton})
        buttonRow->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table, 1);
    layout->addLayout(fileRow);
    layout->addLayout(buttonRow);

    // Ctrl+C in the table copies as the button does (the table would copy
    // its current cell alone); Ctrl+S saves; Escape closes.
    Table->installEventFilter(this);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &TJournalForm::SaveAsCsvClick);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    connect(SaveButton, &QPushButton::clicked, this, &TJournalForm::SaveAsCsvClick);
    connect(CopyButton, &QPushButton::clicked, this, &TJournalForm::CopyClick);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &TJournalForm::FitColumns);
    connect(model_, &QAbstractItemModel::rowsInserted, Table, &QAbstractItemView::scrollToBottom);
    connect(&journal, &KeptJournal::KeptStateChanged, this, &TJournalForm::ShowKeptState);
    connect(&journal, &KeptJournal::SessionChanged, this, &TJournalForm::ShowKeptState);
    ShowKeptState();
}

// The first showing puts the window on the main window's schematic, under
// its menu bar, centred across it; later ones leave it where the student
// put it.
void TJournalForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!placed_ && parentWidget() != nullptr) {
        const QWidget* main = parentWidget()->window();
        const auto* mainWindow = qobject_cast<const QMainWindow*>(main);
        const int top = mainWindow != nullptr ? mainWindow->centralWidget()->mapToGlobal(QPoint(0, 0)).y()
                                              : main->frameGeometry().top();
        PlaceWindow(this, QPoint(main->frameGeometry().center().x() - FrameSize(this).width() / 2, top));
    }
    placed_ = true;
}

bool TJournalForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Table && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopyClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TJournalForm::ShowKeptState()
{
    SeedLabel->setText(tr("Начальное число сеанса: %1").arg(journal_.Content().Seed));
    const QString folder = QDir::toNativeSeparators(KeptJournal::Folder());
    if (journal_.Content().Rows.empty())
        FilePath->setText(tr("будет создан в папке %1 при первом измерении").arg(folder));
    else if (journal_.IsKept())
        FilePath->setText(QDir::toNativeSeparators(journal_.KeptPath()));
    else
        FilePath->setText(tr("не сохраняется: запись в папку %1 не удалась").arg(folder));
    FilePath->setCursorPosition(0);
}

void TJournalForm::FitColumns()
{
    const QAbstractItemView& view = *Table; // where sizeHintForColumn is public
    for (int c = 0; c < model_->columnCount(); ++c)
        Table->setColumnWidth(c, std::max({Table->columnWidth(c), view.sizeHintForColumn(c),
                                     Table->horizontalHeader()->sectionSizeHint(c)}));
}

// The journal as its kept file holds it, as «CSV для Excel» or as a
// workbook, as the save dialog's type says.
void TJournalForm::SaveAsCsvClick()
{
    const std::optional<TableFile> file = ChooseTableFile(this);
    if (!file)
        return;
    QByteArray bytes;
    switch (file->Form) {
    case sheets::TableForm::Csv:
        bytes = QByteArray::fromStdString(journal_.CsvText());
        break;
    case sheets::TableForm::SpreadsheetCsv:
        bytes = QByteArray::fromStdString(
            sheets::SpreadsheetCsvText(journal::JournalBook(journal_.Content(), ProgramLanguage())));
        break;
    case sheets::TableForm::Workbook:
        bytes = QByteArray::fromStdString(
            sheets::XlsxWorkbook(journal::JournalBook(journal_.Content(), ProgramLanguage())).Bytes);
        break;
    }
    OutputFiles output(OutputFiles::UnreadFifo::Fail);
    output.Add(file->Name, bytes);
    if (bytes.isEmpty() || !output.Write().empty())
        ShowPlainMessage(tr("Не удаётся сохранить журнал в файл %1").arg(QDir::toNativeSeparators(file->Name)));
}

std::vector<int> TJournalForm::RowsToCopy() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : Table->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.empty())
        for (int row = 0; row < model_->rowCount(); ++row)
            rows.push_back(row);
    return rows;
}

void TJournalForm::CopyClick()
{
    const std::vector<int> rows = RowsToCopy();
    const std::vector<size_t> places(rows.begin(), rows.end());
    const sheets::Book book = journal::JournalBook(journal_.Content(), ProgramLanguage());
    QApplication::clipboard()->setText(QString::fromStdString(sheets::TabSeparatedText(book.Sheet, places)));
}
