// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the language of the run (DL_TEST_LANGUAGE, "ru" unless
// told), walked for every text a user sees or a screen reader says: the
// windows, their menus and dialogs, Qt's own dialogs and the messages. In
// English none holds a Cyrillic letter; in Russian the bench's texts are
// the ones it has always shown, letter for letter. In both the pictures are the
// language's, and every text fits its control on the screen of the run.
#include "common/PlainMessage.h"
#include "editfloat/EditFloatMessages.h"
#include "resources/EmbeddedPictures.h"
#include "tools/testsupport/LabWindows.h"
#include "ui/analysis/CharacteristicsUnit.h"
#include "ui/report/ReportTitleDialog.h"
#include "ui/report/ReportUnit.h"
#include "ui/help/AboutBox.h"
#include "ui/help/TheoryWindow.h"
#include "ui/journal/JournalUnit.h"
#include "ui/journal/NewSessionDialog.h"
#include "ui/program/ProgramLanguage.h"
#include "ui/support/Application.h"
#include "ui/support/OpenJournalDialog.h"
#include "ui/support/SavePictureDialog.h"
#include "ui/support/SchemeTable.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTimer>

#include "sweep/plot/SweepPlot.h"
#include "ui/analysis/SweepPlotView.h"

namespace {

bool HasCyrillic(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

QString Plain(const QString& text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// What one widget shows or says: its captions, items, cells and headings,
// and what a screen reader reads of it.
QStringList TextsOfWidget(const QWidget& w)
{
    QStringList texts{w.accessibleName(), w.accessibleDescription(), w.toolTip(), w.statusTip(), w.whatsThis()};
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        texts << Plain(label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w))
        texts << button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(&w))
        texts << box->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w))
        texts << edit->text() << edit->placeholderText();
    if (const auto* choice = qobject_cast<const QComboBox*>(&w))
        for (int i = 0; i < choice->count(); ++i)
            texts << choice->itemText(i);
    if (const auto* text = qobject_cast<const QTextEdit*>(&w))
        texts << text->toPlainText();
    if (const auto* menu = qobject_cast<const QMenu*>(&w))
        texts << menu->title();
    if (const auto* view = qobject_cast<const QAbstractItemView*>(&w); view != nullptr && view->model() != nullptr) {
        const QAbstractItemModel& model = *view->model();
        for (int c = 0; c < model.columnCount(); ++c)
            texts << model.headerData(c, Qt::Horizontal).toString();
        for (int r = 0; r < model.rowCount(); ++r)
            for (int c = 0; c < model.columnCount(); ++c)
                texts << model.index(r, c).data().toString();
    }
    for (const QAction* action : w.actions())
        texts << action->text() << action->toolTip();
    texts.removeAll(QString());
    return texts;
}

// Every text of a window and of all it holds, shown or hidden.
QStringList TextsOf(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    texts += TextsOfWidget(window);
    for (const QWidget* w : window.findChildren<QWidget*>())
        texts += TextsOfWidget(*w);
    texts.removeAll(QString());
    return texts;
}

// The words drawn in a picture of the window «Характеристики».
QStringList TextsOf(QGraphicsScene& scene)
{
    QStringList texts;
    for (const QGraphicsItem* item : scene.items()) {
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
            texts << text->toPlainText();
        if (const auto* text = dynamic_cast<const QGraphicsSimpleTextItem*>(item))
            texts << text->text();
    }
    return texts;
}

// The controls whose text may not be cut: each at least as wide as its text
// needs, the window on the screen.
QStringList CutTexts(const QWidget& window)
{
    QStringList cut;
    const QRect screen = window.screen()->availableGeometry();
    if (!screen.contains(window.frameGeometry()))
        cut << QStringLiteral("%1 leaves the screen").arg(window.objectName());
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        int needed = 0;
        QString text;
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            needed = button->sizeHint().width();
            text = button->text();
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            // Qt's frame draws its title from 8 pixels in and leaves as many on the right.
            needed = box->fontMetrics().horizontalAdvance(box->title()) + 16;
            text = box->title();
        } else if (const auto* label = qobject_cast<const QLabel*>(w); label != nullptr && !label->wordWrap()
                   && label->pixmap().isNull()) {
            needed = label->minimumSizeHint().width();
            text = label->text();
        } else if (const auto* choice = qobject_cast<const QComboBox*>(w)) {
            needed = choice->minimumSizeHint().width();
            text = choice->currentText();
        }
        if (w->width() < needed)
            cut << QStringLiteral("%1 \"%2\": %3 of %4 pixels").arg(w->objectName(), text).arg(w->width()).arg(needed);
    }
    return cut;
}

// A text of the bench as shown, and the Russian one it has always been.
struct BenchText {
    QString Shown;
    QString Russian;
};

QList<BenchText> BenchTexts(const LabWindows& lab)
{
    const TForm1& f1 = *lab.form1;
    const TForm2& f2 = *lab.form2;
    const TForm3& f3 = *lab.form3;
    const QString copyScheme = QStringLiteral("Копировать схему лабораторной установки");
    const QString saveScheme = QStringLiteral("Сохранить схему лабораторной установки");
    return {
        {f1.GroupBox1->title(), QStringLiteral("  Лабораторная установка  ")},
        {f1.GroupBox2->title(), QStringLiteral("  Конфигурация  ")},
        {f1.Button1->text(), QStringLiteral("Положение ключей")},
        {f1.Button2->text(), QStringLiteral("Сигналы")},
        {f1.Button3->text(), QStringLiteral("Выполнить измерение")},
        {f1.GroupBox3->title(), QStringLiteral("  Коэффициент усиления K  ")},
        {f1.GroupBox4->title(), QStringLiteral("  Порог принятия решения H, мВ")},
        {f1.GroupBox5->title(), QStringLiteral("  Регистратор  мВ*мВ")},
        {f1.GroupBox6->title(), QStringLiteral("  Количество опытов  ")},
        {f1.GroupBox7->title(), QStringLiteral("  Счётчик  ")},
        {f1.N1->title(), QStringLiteral("Файл")},
        {f1.N3->text(), copyScheme},
        {f1.N4->text(), saveScheme},
        {f1.N5->text(), QStringLiteral("Выход")},
        {f1.N2->title(), QStringLiteral("Лабораторная установка")},
        {f1.N6->text(), QStringLiteral("Положение ключей")},
        {f1.N7->text(), QStringLiteral("Сигналы")},
        {f1.N8->text(), QStringLiteral("Выполнить измерение")},
        {f1.N9->text(), copyScheme},
        {f1.N10->text(), saveScheme},
        {f1.N12->text(), QStringLiteral("Положение ключей")},
        {f1.N13->text(), QStringLiteral("Сигналы")},
        {f1.N14->text(), QStringLiteral("Выполнить измерение")},
        {f1.windowTitle(),
            QStringLiteral("Лабораторная работа № 4. Исследование различителя сигналов. Учебный стенд 2010")},
        {f2.windowTitle(), QStringLiteral("Положение ключей ")},
        {f2.RadioGroup1->title(), QStringLiteral("  К1  ")},
        {f2.RadioGroup2->title(), QStringLiteral("  К2  ")},
        {f2.RadioGroup3->title(), QStringLiteral("  К3  ")},
        {f2.Button1->text(), QStringLiteral("Готово")},
        {f3.windowTitle(), QStringLiteral("Сигналы")},
        {f3.GroupBox1->title(), QStringLiteral("  Cигнал1  ")},
        {f3.GroupBox2->title(), QStringLiteral("  Cигнал2  ")},
        {f3.Button1->text(), QStringLiteral("Готово")},
        {f3.N1->text(), QStringLiteral("Копировать рисунок")},
        {f3.N2->text(), QStringLiteral("Сохранить рисунок")},
        {f3.N3->text(), QStringLiteral("Копировать рисунок")},
        {f3.N4->text(), QStringLiteral("Сохранить рисунок")},
    };
}

// Answers the modal dialog that `open` shows with `walk`, then closes it.
template <typename Open>
QStringList TextsOfModal(Open open)
{
    QStringList texts;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr)
            return;
        texts = TextsOf(*dialog);
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            box->done(QMessageBox::No);
        else if (auto* modal = qobject_cast<QDialog*>(dialog))
            modal->reject();
    });
    open();
    return texts;
}

// The student's own words, which the report shows as typed.
const QStringList StudentsWords{QStringLiteral("Петрова А. С."), QStringLiteral("РТ-22")};

QStringList WithoutStudentsWords(QStringList texts)
{
    for (QString& text : texts)
        for (const QString& word : StudentsWords)
            text.remove(word);
    return texts;
}

// The report's preview that «Журнал» opened, once its report is made or refused.
TReportForm* FinishedReport(const LabWindows& lab)
{
    auto* window = qobject_cast<TReportForm*>(lab.program.Analysis->ReportWindow());
    if (window != nullptr && !window->Ready()) {
        QSignalSpy finished(window, &TReportForm::ReportFinished);
        if (!finished.wait(30000))
            return nullptr;
    }
    return window;
}

} // namespace

class LanguageWalkTest : public QObject {
    Q_OBJECT

public:
    explicit LanguageWalkTest(Language language) : language_(language) {}

private:
    // English: no Cyrillic letter anywhere. Russian: nothing to see here
    // beyond the bench's own texts, which are checked apart.
    void CheckTexts(const QStringList& texts) const
    {
        QVERIFY(!texts.isEmpty());
        if (language_ != Language::English)
            return;
        QStringList russian;
        for (const QString& text : texts)
            if (HasCyrillic(text))
                russian << text;
        QVERIFY2(russian.isEmpty(), qPrintable(russian.join(QStringLiteral("\n"))));
    }

    Language language_;
    QTemporaryDir data_;
    QTemporaryDir config_;

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        SetAnalysisFactories({NewCharacteristicsForm, NewReportForm});
        SetReportTitleQuestion([](QWidget*, const report::ReportTitle& shown) {
            return std::optional(report::ReportTitle{StudentsWords[0], StudentsWords[1], shown.Date});
        });
    }

    // The bench's three windows, their menus and the splash; in Russian the
    // bench's texts letter for letter, in English each translated.
    void theBenchsWindows()
    {
        LabWindows lab;
        for (const QWidget* window : std::initializer_list<const QWidget*>{lab.form1.get(), lab.form2.get(), lab.form3.get()})
            CheckTexts(TextsOf(*window));
        // Closed by its timer, the splash would free itself: it goes first.
        const std::unique_ptr<THelloForm> splash = std::make_unique<THelloForm>();
        CheckTexts(TextsOf(*splash) << splash->Image1->Hint);
        for (const BenchText& text : BenchTexts(lab)) {
            if (language_ == Language::Russian)
                QCOMPARE(text.Shown, text.Russian);
            else if (HasCyrillic(text.Russian))
                QVERIFY2(!text.Shown.isEmpty() && !HasCyrillic(text.Shown), qPrintable(text.Russian));
        }
    }

    // The schematics and the splash are the language's own pictures; the
    // signal pictures one set for both.
    void picturesOfTheLanguage()
    {
        LabWindows lab;
        const Language other = language_ == Language::English ? Language::Russian : Language::English;
        for (const SchemePosition& position : SchemeTable) {
            const SwitchConfiguration& k = position.Switches;
            const QImage shown = lab.form1->SchemeImage(k)->Picture();
            QCOMPARE(shown, LoadPicture(SchemePicturePath(k.K1Index + 1, k.K2Index + 1, k.K3Index + 1, language_)));
            QVERIFY(shown != LoadPicture(SchemePicturePath(k.K1Index + 1, k.K2Index + 1, k.K3Index + 1, other)));
        }
        const std::unique_ptr<THelloForm> splash = std::make_unique<THelloForm>();
        QCOMPARE(splash->Image1->Picture(), LoadPicture(SplashPicturePath(language_)));
        QVERIFY(splash->Image1->Picture() != LoadPicture(SplashPicturePath(other)));
        QCOMPARE(lab.form3->Image12->Picture(), LoadPicture(SignalPicturePath(1, 2)));
    }

    // Every message the program's windows can show, each through the one
    // plain box.
    void messages()
    {
        QTemporaryDir folder;
        PlainMessageRecorder recorder;
        LabWindows lab;
        lab.SetSwitches(1, 1, 2);
        lab.ClickMeasure();
        lab.SetSwitches(1, 2, 1);
        LabWindows::Type(lab.form1->EditFloat1, QStringLiteral("5000"));
        lab.ClickMeasure();
        lab.form1->EditFloat2->setText(QString());
        lab.form1->EditFloat2->GetModify();
        lab.form1->EditFloat1->SetMin(2000);

        // A picture saved under another extension, and where no file can be made.
        QString bitmap = folder.filePath(QStringLiteral("a.TXT"));
        const BitmapFileNameChooser previous = SetBitmapFileNameChooser([&](QWidget*) { return std::optional(bitmap); });
        lab.form1->N4->trigger();
        bitmap = folder.filePath(QStringLiteral("no/such/folder.bmp"));
        lab.form1->N4->trigger();
        SetBitmapFileNameChooser(previous);
        if (language_ == Language::Russian) {
            QCOMPARE(recorder.messages.value(0),
                QStringLiteral("Схема лабораторной установки не соответствует ни одному из пунктов лабораторной работы."));
            QCOMPARE(recorder.messages.value(1), QString::fromUtf8(EditFloatMessages::kAboveMaxCorrected));
            QCOMPARE(recorder.messages.value(2), QString::fromUtf8(EditFloatMessages::kNoNumberCorrected));
            QCOMPARE(recorder.messages.value(3), QString::fromUtf8(EditFloatMessages::kMinAboveMax));
            QCOMPARE(recorder.messages.value(4),
                folder.filePath(QStringLiteral("a.TXT"))
                    + QStringLiteral(":\nФормат файлов .txt не поддерживается.Произведена коррекция."));
        }
        QCOMPARE(recorder.messages.value(5), QStringLiteral("Cannot create file ") + bitmap);
        QCOMPARE(recorder.messages.size(), 6);

        // A table under another extension, then one that names a folder.
        TableFile table{folder.filePath(QStringLiteral("journal.txt")), sheets::TableForm::SpreadsheetCsv};
        const TableFileChooser previousTable = SetTableFileChooser([&](QWidget*) { return std::optional(table); });
        lab.program.Journals->JournalItem->trigger();
        lab.JournalWindow()->SaveButton->click();
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.csv")));
        table.Name = folder.filePath(QStringLiteral("folder.txt"));
        lab.JournalWindow()->SaveButton->click();
        SetTableFileChooser(previousTable);

        // A session that cannot be taken on, in each way it is refused.
        QFile notJournal(folder.filePath(QStringLiteral("not-journal.csv")));
        QVERIFY(notJournal.open(QIODevice::WriteOnly) && notJournal.write("a,b\n") > 0);
        notJournal.close();
        for (const QString& path : {folder.filePath(QStringLiteral("missing.csv")), notJournal.fileName(),
                 folder.filePath(QStringLiteral("journal.csv"))})
            lab.program.Journals->ContinueSession(path);

        // The window «Характеристики» refusing its fields.
        lab.program.Analysis->CharacteristicsItem->trigger();
        auto& form = *qobject_cast<TCharacteristicsForm*>(lab.CharacteristicsWindow());
        form.StepField->SetVal(0);
        form.BuildClick();
        form.StepField->SetVal(1);
        form.SeedField->setText(QStringLiteral("99999999999"));
        form.BuildClick();

        // The language of the next start.
        lab.form1->findChild<QAction*>(QStringLiteral("EnglishItem"))->trigger();
        lab.form1->findChild<QAction*>(QStringLiteral("RussianItem"))->trigger();
        QCOMPARE(recorder.messages.size(), 16);
        CheckTexts(recorder.messages);
    }

    // A data folder that cannot be made, and the module that cannot be loaded.
    void messagesOfFailures()
    {
        QTemporaryDir folder;
        QFile blocker(folder.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_DATA_HOME", blocker.fileName().toUtf8());
        PlainMessageRecorder recorder;
        {
            LabWindows lab;
            lab.ClickMeasure();
            lab.program.Journals->JournalItem->trigger();
            CheckTexts(TextsOf(*lab.JournalWindow()));
            const AnalysisFactories linked = SetAnalysisFactories({});
            lab.program.Analysis->CharacteristicsItem->trigger();
            SetAnalysisFactories(linked);
        }
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        QCOMPARE(recorder.messages.size(), 2);
        CheckTexts(recorder.messages);
    }

    // The journal with rows of each kind, «Характеристики» with a picture
    // and a table, a new session, the theory and «О программе».
    void theProgramsOtherWindows()
    {
        PlainMessageRecorder refusals;
        LabWindows lab;
        for (const QList<int>& switches : QList<QList<int>>{{1, 1, 2}, {3, 2, 2}, {1, 2, 1}, {3, 2, 1}}) {
            lab.SetSwitches(switches[0], switches[1], switches[2]);
            lab.ClickMeasure();
        }
        lab.program.Journals->JournalItem->trigger();
        CheckTexts(TextsOf(*lab.JournalWindow()));

        lab.program.Analysis->CharacteristicsItem->trigger();
        auto& form = *qobject_cast<TCharacteristicsForm*>(lab.CharacteristicsWindow());
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (int drawing = 0; drawing < form.DrawingChoice->count(); ++drawing) {
            form.DrawingChoice->setCurrentIndex(drawing);
            form.FromField->SetVal(form.FromField->Val());
            form.ToField->SetVal(form.FromField->Val() + 2 * form.StepField->Val());
            form.TrialsChoice->setCurrentIndex(0);
            QSignalSpy ended(&form, &TCharacteristicsForm::RunEnded);
            form.BuildClick();
            QVERIFY(ended.wait(30000));
            CheckTexts(TextsOf(form));
            CheckTexts(TextsOf(form.PlotView->CurrentPlot()->Scene()));
        }

        TNewSessionDialog session(lab.form1.get());
        CheckTexts(TextsOf(session));
        TAboutBox about(lab.form1.get());
        CheckTexts(TextsOf(about));
        TTheoryWindow* theory = TTheoryWindow::Open(lab.form1.get());
        CheckTexts(TextsOf(*theory));
        // The whole text (some 13 000 letters in either language), not a stub.
        QVERIFY(theory->Text->toPlainText().size() > 10000);
    }

    // The lab report of the session, its window and its messages: in English
    // nothing Russian but the student's own words; in Russian its title.
    void theReport()
    {
        QTemporaryDir folder;
        PlainMessageRecorder recorder;
        LabWindows lab;
        for (const QList<int>& switches : QList<QList<int>>{{1, 1, 2}, {3, 2, 2}, {1, 2, 1}, {3, 2, 1}, {1, 1, 1}}) {
            lab.SetSwitches(switches[0], switches[1], switches[2]);
            lab.ClickMeasure();
        }
        lab.program.Journals->ReportItem->trigger();
        TReportForm* window = FinishedReport(lab);
        QVERIFY(window != nullptr && window->Ready());
        CheckTexts(WithoutStudentsWords(TextsOf(*window)));
        QVERIFY(window->Preview->toPlainText().contains(StudentsWords[0]));
        if (language_ == Language::Russian)
            QVERIFY(window->Preview->toPlainText().contains(QStringLiteral("Отчёт по лабораторной работе № 4")));

        // A report that cannot be saved, and a file that is no journal.
        const ReportFileNameChooser previous = SetReportFileNameChooser(
            [&](QWidget*, const QString& extension) { return std::optional(folder.filePath("no/such/r." + extension)); });
        window->SavePdfButton->click();
        SetReportFileNameChooser(previous);
        QFile notJournal(folder.filePath(QStringLiteral("not-journal.csv")));
        QVERIFY(notJournal.open(QIODevice::WriteOnly) && notJournal.write("a,b\n") > 0);
        notJournal.close();
        const JournalFileChooser previousJournal
            = SetJournalFileChooser([&](QWidget*) { return std::optional(notJournal.fileName()); });
        lab.program.Journals->OpenJournalItem->trigger();
        SetJournalFileChooser(previousJournal);
        window = FinishedReport(lab);
        QVERIFY(window != nullptr && !window->Ready());
        CheckTexts(TextsOf(*window));
        QCOMPARE(recorder.messages.size(), 2); // the refused measurement, the report not saved
        CheckTexts(recorder.messages);
    }

    // Qt's own boxes and file dialogs: English in English; in Russian they
    // speak Russian, as before.
    void qtsOwnDialogs()
    {
        LabWindows lab;
        const QList<QStringList> dialogs{
            TextsOfModal([] { ShowPlainMessage(QStringLiteral("1")); }),
            TextsOfModal([] { ConfirmReplaceFile(QStringLiteral("a.csv")); }),
            TextsOfModal([&] { ChooseBitmapFileName(lab.form1.get()); }),
            TextsOfModal([&] { ChooseTableFile(lab.form1.get()); }),
            TextsOfModal([&] { ChoosePlotFileName(lab.form1.get()); }),
            TextsOfModal([&] { ChooseJournalFile(lab.form1.get(), QDir::tempPath()); }),
            TextsOfModal([&] { ChooseReportFileName(lab.form1.get(), QStringLiteral("odt")); }),
        };
        for (const QStringList& texts : dialogs) {
            CheckTexts(texts);
            if (language_ == Language::Russian)
                QVERIFY2(std::any_of(texts.begin(), texts.end(), HasCyrillic), qPrintable(texts.join('|')));
        }
        // The report's title block, asked in a dialog of the program's own.
        const ReportTitleQuestion answer = SetReportTitleQuestion({});
        CheckTexts(TextsOfModal([&] { AskReportTitle(lab.form1.get(), {}); }));
        SetReportTitleQuestion(answer);
    }

    // Every caption fits its control; every window fits the screen.
    void layoutsFit()
    {
        LabWindows lab;
        lab.form1->FormCreate();
        lab.program.Journals->JournalItem->trigger();
        lab.program.Analysis->CharacteristicsItem->trigger();
        lab.ClickMeasure();
        lab.program.Journals->ReportItem->trigger();
        QWidget* report = FinishedReport(lab);
        QVERIFY(report != nullptr);
        TNewSessionDialog session(lab.form1.get());
        TAboutBox about(lab.form1.get());
        for (QWidget* window : std::initializer_list<QWidget*>{lab.form1.get(), lab.form2.get(), lab.form3.get(),
                 lab.JournalWindow(), lab.CharacteristicsWindow(), report, &session, &about}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QStringList cut = CutTexts(*window);
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
            window->hide();
        }
    }
};

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    const Language asked = LanguageOfCode(qgetenv("DL_TEST_LANGUAGE").toStdString()).value_or(Language::Russian);
    if (UseLanguage(asked) != asked)
        return 1;
    LanguageWalkTest test(asked);
    return QTest::qExec(&test, argc, argv);
}

#include "LanguageWalkTest.moc"
