// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavePictureDialog.h"

#include "RememberedFolder.h"
#include "common/PlainMessage.h"
#include "common/WindowPlacement.h"
#include "common/language/Language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>

#include <utility>

namespace {

// The texts of this file, translated in the context "SavePictureDialog".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SavePictureDialog)
};

// Files larger than this are not decoded for the preview.
constexpr qint64 largestPreviewedFile = 32 * 1024 * 1024;
constexpr QSize previewSize(220, 220);

BitmapFileNameChooser& Chooser()
{
    static BitmapFileNameChooser chooser;
    return chooser;
}

TableFileChooser& TableChooser()
{
    static TableFileChooser chooser;
    return chooser;
}

PlotFileNameChooser& PictureChooser()
{
    static PlotFileNameChooser chooser;
    return chooser;
}

ReportFileNameChooser& ReportChooser()
{
    static ReportFileNameChooser chooser;
    return chooser;
}

ReplaceFileQuestion& Question()
{
    static ReplaceFileQuestion question;
    return question;
}

// What a save dialog offers; it opens in the folder of the name last chosen
// in a dialog of its kind (`FolderKind`), in this run or an earlier one.
struct SaveDialogKind {
    const char* Suffix;
    QString Filter; // filters apart by ";;", each with the suffix it gives last
    QString InitialName;
    bool Preview;
    const char* FolderKind;
};

SaveDialogKind BitmapDialog()
{
    return {"bmp", QStringLiteral("Bitmaps (*.bmp)"), Texts::tr("Рисунок.bmp"), true, "pictures"};
}

// The table dialog's filters, in the order of sheets::TableForm.
SaveDialogKind TableDialog(const QString& initialName)
{
    return {"csv", Texts::tr("Таблицы CSV (*.csv);;CSV для Excel (*.csv);;Книги Excel (*.xlsx)"),
        initialName.isEmpty() ? Texts::tr("Журнал.csv") : initialName, false, "tables"};
}

SaveDialogKind PlotDialog()
{
    return {"png", Texts::tr("Рисунки PNG (*.png);;Рисунки SVG (*.svg)"), Texts::tr("Характеристика.png"), true,
        "pictures"};
}

// One dialog for the report's three forms, so that they open in one folder.
SaveDialogKind ReportDialog(const QString& extension)
{
    const QString filter = extension == QStringLiteral("pdf") ? Texts::tr("Документы PDF (*.pdf)")
        : extension == QStringLiteral("odt")                   ? Texts::tr("Документы ODF (*.odt)")
                                                                : Texts::tr("Книги Excel (*.xlsx)");
    return {extension == QStringLiteral("pdf") ? "pdf" : extension == QStringLiteral("odt") ? "odt" : "xlsx", filter,
        Texts::tr("Отчёт.") + extension, false, "reports"};
}

// A name filter's suffix: "svg" of "Рисунки SVG (*.svg)".
QString SuffixOf(const QString& filter)
{
    const qsizetype dot = filter.lastIndexOf('.');
    return dot < 0 ? QString() : filter.mid(dot + 1).chopped(1);
}

void ShowPreview(QLabel* pane, const QString& path)
{
    pane->clear();
    const QFileInfo file(path);
    if (!file.isFile() || file.size() > largestPreviewedFile)
        return;
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull())
        return;
    QPixmap shown = QPixmap::fromImage(picture);
    if (shown.width() > pane->contentsRect().width() || shown.height() > pane->contentsRect().height())
        shown = shown.scaled(pane->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pane->setPixmap(shown);
}

// The non-native dialog lays itself out in a grid; the preview takes a column
// of its own on the right.
void AddPreviewPane(QFileDialog& dialog)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr)
        return;
    auto* pane = new QLabel(&dialog);
    pane->setObjectName(QStringLiteral("previewPane"));
    pane->setFixedSize(previewSize);
    pane->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    grid->addWidget(pane, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, pane, [pane](const QString& path) { ShowPreview(pane, path); });
}

// The name chosen, and the place of the filter chosen among the kind's.
std::optional<QString> RunSaveDialog(QWidget* owner, const SaveDialogKind& kind, int* filterChosen = nullptr)
{
    QFileDialog dialog(owner);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromUtf8(kind.Suffix));
    dialog.setNameFilter(kind.Filter);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(SuffixOf(filter));
        const QFileInfo typed(dialog.selectedFiles().value(0));
        dialog.selectFile(typed.completeBaseName() + '.' + SuffixOf(filter));
    });
    if (const QString folder = RememberedFolder(kind.FolderKind); !folder.isEmpty())
        dialog.setDirectory(folder);
    dialog.selectFile(kind.InitialName);
    if (kind.Preview)
        AddPreviewPane(dialog);
    dialog.setSizeGripEnabled(false);
    dialog.setFixedSize(dialog.sizeHint());
    if (owner != nullptr)
        CentreWindowOver(&dialog, owner->window());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    RememberFolderOf(kind.FolderKind, chosen.first());
    if (filterChosen != nullptr)
        *filterChosen = static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    return chosen.first();
}

std::optional<TableFile> RunTableDialog(QWidget* owner, const QString& initialName)
{
    int filter = 0;
    const std::optional<QString> name = RunSaveDialog(owner, TableDialog(initialName), &filter);
    if (!name)
        return std::nullopt;
    return TableFile{*name, static_cast<sheets::TableForm>(std::max(filter, 0))};
}

// Where the extension of a file name begins: its last full stop, provided no
// '/' follows it; -1 when there is none.
qsizetype ExtensionStart(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > fileName.lastIndexOf(QLatin1Char('/')) ? dot : -1;
}

bool AskReplace(const QString& fileName)
{
    ScreenCentredMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                    Texts::tr("%1 уже существует.\nЗаменить его?").arg(fileName), QMessageBox::Yes | QMessageBox::No);
    // In English the buttons are Qt's own.
    if (ProgramLanguage() == Language::Russian) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    }
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

std::optional<QString> ChooseBitmapFileName(QWidget* owner)
{
    return Chooser() ? Chooser()(owner) : RunSaveDialog(owner, BitmapDialog());
}

std::optional<TableFile> ChooseTableFile(QWidget* owner, const QString& initialName)
{
    std::optional<TableFile> chosen = TableChooser() ? TableChooser()(owner) : RunTableDialog(owner, initialName);
    if (!chosen)
        return std::nullopt;
    const QString extension
        = chosen->Form == sheets::TableForm::Workbook ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
    const std::optional<QString> name = ProperFileName(chosen->Name, {extension}, extension);
    if (!name)
        return std::nullopt;
    chosen->Name = *name;
    return chosen;
}

std::optional<QString> ChoosePlotFileName(QWidget* owner)
{
    const std::optional<QString> chosen = PictureChooser() ? PictureChooser()(owner) : RunSaveDialog(owner, PlotDialog());
    if (!chosen)
        return std::nullopt;
    return ProperFileName(*chosen, {QStringLiteral(".png"), QStringLiteral(".svg")}, QStringLiteral(".png"));
}

std::optional<QString> ProperFileName(const QString& chosen, const QStringList& extensions, const QString& proper)
{
    const qsizetype start = ExtensionStart(chosen);
    const QString extension = start < 0 ? QString() : QLocale().toLower(chosen.mid(start));
    if (extensions.contains(extension))
        return chosen;
    ShowPlainMessage(Texts::tr("%1:\nФормат файлов %2 не поддерживается. Произведена коррекция.").arg(chosen, extension));
    const QString corrected = (start < 0 ? chosen : chosen.left(start)) + proper;
    // The dialog asked about the name typed, not about this one.
    if (QFileInfo(corrected).isDir()) {
        ShowPlainMessage(FolderNameMessage(corrected));
        return std::nullopt;
    }
    if (QFileInfo::exists(corrected) && !ConfirmReplaceFile(corrected))
        return std::nullopt;
    return corrected;
}

QString FolderNameMessage(const QString& fileName)
{
    return Texts::tr("%1:\nэто папка, а не файл. Файл не сохранён.").arg(fileName);
}

bool ConfirmReplaceFile(const QString& fileName)
{
    return Question() ? Question()(fileName) : AskReplace(fileName);
}

BitmapFileNameChooser SetBitmapFileNameChooser(BitmapFileNameChooser chooser)
{
    return std::exchange(Chooser(), std::move(chooser));
}

TableFileChooser SetTableFileChooser(TableFileChooser chooser)
{
    return std::exchange(TableChooser(), std::move(chooser));
}

std::optional<QString> ChooseReportFileName(QWidget* owner, const QString& extension)
{
    const std::optional<QString> chosen
        = ReportChooser() ? ReportChooser()(owner, extension) : RunSaveDialog(owner, ReportDialog(extension));
    if (!chosen)
        return std::nullopt;
    return ProperFileName(*chosen, {"." + extension}, "." + extension);
}

ReportFileNameChooser SetReportFileNameChooser(ReportFileNameChooser chooser)
{
    return std::exchange(ReportChooser(), std::move(chooser));
}

PlotFileNameChooser SetPlotFileNameChooser(PlotFileNameChooser chooser)
{
    return std::exchange(PictureChooser(), std::move(chooser));
}

ReplaceFileQuestion SetReplaceFileQuestion(ReplaceFileQuestion question)
{
    return std::exchange(Question(), std::move(question));
}
