// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/Theory.h"
#include "theory/WilsonInterval.h"
#include "tools/testsupport/LabWindows.h"
#include "ui/help/AboutBox.h"
#include "ui/help/TheoryWindow.h"
#include "ui/support/Application.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTextTable>
#include <QTimer>
#include <cmath>

namespace {

// The symbols a piece of the text uses: each letter run (Latin or Greek, not
// the summation sign, not a unit in Cyrillic) with the subscripts and the
// superscript star right after it: "K", "T0", "PD", "wk", "κ4", "p*", "erfc".
class SymbolReader {
public:
    void Read(const QTextBlock& block)
    {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat::VerticalAlignment place = it.fragment().charFormat().verticalAlignment();
            for (const QChar c : it.fragment().text())
                Take(c, place);
        }
        Flush();
    }

    QStringList symbols;

private:
    void Take(QChar c, QTextCharFormat::VerticalAlignment place)
    {
        const bool letter = c.isLetter() && c.script() != QChar::Script_Cyrillic && c != QChar(0x03A3);
        if (place == QTextCharFormat::AlignSubScript) {
            if (!current_.isEmpty()) {
                current_ += c;
                indexed_ = true;
            }
        } else if (place == QTextCharFormat::AlignSuperScript) {
            if (!current_.isEmpty() && c == '*')
                current_ += c;
            else
                Flush();
        } else if (letter && !indexed_ && !current_.isEmpty()) {
            current_ += c;
        } else {
            Flush();
            current_ = letter ? QString(c) : QString();
        }
    }

    void Flush()
    {
        if (!current_.isEmpty())
            symbols.append(current_);
        current_.clear();
        indexed_ = false;
    }

    QString current_;
    bool indexed_ = false;
};

QString CellText(const QTextTableCell& cell)
{
    QStringList lines;
    for (auto it = cell.begin(); !it.atEnd(); ++it)
        lines.append(it.currentBlock().text());
    return lines.join('\n');
}

QStringList CellSymbols(const QTextTableCell& cell)
{
    SymbolReader reader;
    for (auto it = cell.begin(); !it.atEnd(); ++it)
        reader.Read(it.currentBlock());
    return reader.symbols;
}

// The formulas are the centred paragraphs outside the tables.
QList<QTextBlock> Formulas(const QTextDocument& document)
{
    QList<QTextBlock> formulas;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().alignment().testFlag(Qt::AlignHCenter) && QTextCursor(block).currentTable() == nullptr)
            formulas.append(block);
    return formulas;
}

// The table whose first header cell reads `heading`.
QTextTable* TableHeaded(const QTextDocument& document, const QString& heading)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (QTextTable* table = QTextCursor(block).currentTable())
            if (CellText(table->cellAt(0, 0)) == heading)
                return table;
    return nullptr;
}

// The table of symbols: each symbol of its first column with the meaning beside it.
QMap<QString, QString> Glossary(const QTextDocument& document)
{
    QMap<QString, QString> meanings;
    const QTextTable* table = TableHeaded(document, QStringLiteral("Обозначение"));
    for (int row = 1; table != nullptr && row < table->rows(); ++row)
        for (const QString& symbol : CellSymbols(table->cellAt(row, 0)))
            meanings.insert(symbol, CellText(table->cellAt(row, 1)));
    return meanings;
}

// "−48" and "14,1K" as the text writes them, as numbers.
double NumberIn(const QString& text)
{
    QString number = text;
    number.replace(QChar(0x2212), '-').replace(',', '.').remove(QRegularExpression("[^-0-9.]"));
    return number.toDouble();
}

TTheoryWindow* TheoryWindowOf(const TForm1& form)
{
    return form.findChild<TTheoryWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

QStringList MenuTitles(const QMenuBar* bar)
{
    QStringList titles;
    for (const QAction* menu : bar->actions())
        titles.append(menu->text());
    return titles;
}

QStringList ItemCaptions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* item : menu->actions())
        captions.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    return captions;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

    // The text as the theory window shows it.
    std::unique_ptr<QTextDocument> theory_;

private slots:
    void initTestCase()
    {
        TTheoryWindow window(nullptr);
        theory_.reset(window.Text->document()->clone());
        QVERIFY(!theory_->isEmpty());
    }

    // Every symbol of every formula is explained in the table of symbols.
    void formulasNameTheirTerms()
    {
        const QMap<QString, QString> glossary = Glossary(*theory_);
        const QList<QTextBlock> formulas = Formulas(*theory_);
        QVERIFY(formulas.size() >= 10);
        for (const QTextBlock& formula : formulas) {
            SymbolReader reader;
            reader.Read(formula);
            QVERIFY2(!reader.symbols.isEmpty(), qPrintable(formula.text()));
            for (const QString& symbol : reader.symbols)
                QVERIFY2(glossary.contains(symbol), qPrintable(symbol + " in " + formula.text()));
        }
    }

    void termsAndTheirMeaning_data()
    {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("meaning");
        QTest::addColumn<bool>("inFormula");
        QTest::newRow("K") << "K" << "коэффициент усиления" << true;
        QTest::newRow("H") << "H" << "порог" << true;
        QTest::newRow("ξ") << "ξ" << "отсчёт шума" << true;
        QTest::newRow("T") << "T" << "статистика решения" << true;
        QTest::newRow("T0") << "T0" << "без шума" << true;
        QTest::newRow("m") << "m" << "среднее статистики" << true;
        QTest::newRow("σ") << "σ" << "среднеквадратическое" << true;
        QTest::newRow("μ") << "μ" << "среднее отсчёта шума" << true;
        QTest::newRow("v") << "v" << "дисперсия отсчёта шума" << true;
        QTest::newRow("w") << "wk" << "вес статистики" << true;
        QTest::newRow("c") << "ck" << "вес фильтра" << true;
        QTest::newRow("Q") << "Q" << "стандартная нормальная" << true;
        QTest::newRow("erfc") << "erfc" << "функция ошибок" << true;
        QTest::newRow("PD") << "PD" << "правильного обнаружения" << true;
        QTest::newRow("PF") << "PF" << "ложной тревоги" << true;
        QTest::newRow("R") << "R" << "показание регистратора" << true;
        QTest::newRow("p*") << "p*" << "частота" << true;
        QTest::newRow("N") << "N" << "показание счётчика" << true;
        QTest::newRow("n") << "n" << "число опытов" << true;
        QTest::newRow("z") << "z" << "1,96" << true;
        QTest::newRow("κ4") << "κ4" << "четвёртый кумулянт" << false;
    }

    void termsAndTheirMeaning()
    {
        QFETCH(QString, symbol);
        QFETCH(QString, meaning);
        QFETCH(bool, inFormula);
        const QMap<QString, QString> glossary = Glossary(*theory_);
        QVERIFY2(glossary.value(symbol).contains(meaning), qPrintable(glossary.value(symbol)));
        QStringList used;
        for (const QTextBlock& formula : Formulas(*theory_)) {
            SymbolReader reader;
            reader.Read(formula);
            used += reader.symbols;
        }
        QCOMPARE(used.contains(symbol), inFormula);
    }

    // The usual spread of the noise-power reading the text states is
    // theory's 95 % range at K = 1, for each pair of shapes.
    void noisePowerSpreadIsTheorys()
    {
        const QString text = theory_->toPlainText().simplified();
        for (const auto& [shape, shapes] : {std::pair{1, "для форм 1 и 3"}, std::pair{2, "для форм 2 и 4"}}) {
            const theory::ReadingModel reading = theory::NoisePowerReading(shape, 1.0);
            const double half = theory::Normal95 * reading.StandardDeviation;
            const QString range = QStringLiteral("от %1 до %2 %3")
                                      .arg(QString::number(reading.Expected - half, 'f', 1).replace('.', ','),
                                          QString::number(reading.Expected + half, 'f', 1).replace('.', ','),
                                          QString::fromUtf8(shapes));
            QVERIFY2(text.contains(range), qPrintable(range));
        }
    }

    // The noiseless outputs the text tabulates are those of the bench's
    // filters, as the theory library reads them.
    void noiselessTableMatchesTheFilters()
    {
        const QTextTable* table = TableHeaded(*theory_, QStringLiteral("Форма фильтра \\ форма сигнала"));
        QVERIFY(table != nullptr);
        QCOMPARE(table->rows(), 5);
        QCOMPARE(table->columns(), 5);
        for (int filter = 1; filter <= 4; ++filter)
            for (int burst = 1; burst <= 4; ++burst)
                QCOMPARE(NumberIn(CellText(table->cellAt(filter, burst))), theory::NoiselessOutput(filter, burst));
    }

    // Each pair of shapes: the noiseless statistic of distinction when signal
    // 1 or signal 2 is sent, and its standard deviation in units of K.
    void distinctionTableMatchesTheFilters()
    {
        const QTextTable* table = TableHeaded(*theory_, QStringLiteral("Формы сигналов 1 и 2"));
        QVERIFY(table != nullptr);
        QSet<QPair<int, int>> pairs;
        for (int row = 1; row < table->rows(); ++row) {
            const QString shapes = CellText(table->cellAt(row, 0));
            QList<QPair<int, int>> rowPairs;
            const QRegularExpression pair("(\\d) и (\\d)");
            for (auto match = pair.globalMatch(shapes); match.hasNext();) {
                const QRegularExpressionMatch next = match.next();
                rowPairs.append({next.captured(1).toInt(), next.captured(2).toInt()});
            }
            if (shapes == QStringLiteral("одинаковые формы"))
                rowPairs = {{1, 1}, {2, 2}, {3, 3}, {4, 4}};
            QVERIFY2(!rowPairs.isEmpty(), qPrintable(shapes));
            for (const auto& [signal1, signal2] : rowPairs) {
                const QString where = QStringLiteral("%1 и %2").arg(signal1).arg(signal2);
                QVERIFY2(!pairs.contains({signal1, signal2}), qPrintable(where));
                pairs.insert({signal1, signal2});
                const double sent1 = theory::NoiselessOutput(signal1, signal1) - theory::NoiselessOutput(signal2, signal1);
                const double sent2 = theory::NoiselessOutput(signal1, signal2) - theory::NoiselessOutput(signal2, signal2);
                const theory::StatisticModel atGain1 =
                    theory::DecisionStatistic(theory::Experiment::Distinction1, signal1, signal2, 1.0);
                QVERIFY2(NumberIn(CellText(table->cellAt(row, 1))) == sent1, qPrintable(where));
                QVERIFY2(NumberIn(CellText(table->cellAt(row, 2))) == sent2, qPrintable(where));
                const double spread = NumberIn(CellText(table->cellAt(row, 3)));
                QVERIFY2(std::abs(spread - atGain1.StandardDeviation) < 0.05, qPrintable(where));
            }
        }
        QCOMPARE(pairs.size(), 16);
    }

    // «Файл» and «Лабораторная установка» with their items, «Журнал», «Анализ»,
    // then «Справка» with its three; menus added later go before it.
    void helpMenuIsRightmost()
    {
        LabWindows lab;
        TForm1& form = *lab.form1;
        QCOMPARE(MenuTitles(form.MainMenu1),
            (QStringList{"Файл", "Лабораторная установка", "Журнал", "Анализ", "Справка"}));
        QCOMPARE(ItemCaptions(form.N1), (QStringList{"Копировать схему лабораторной установки",
                                                    "Сохранить схему лабораторной установки", "-", "Выход"}));
        QCOMPARE(ItemCaptions(form.N2), (QStringList{"Положение ключей", "Сигналы", "Выполнить измерение"}));
        auto* help = form.findChild<QMenu*>("HelpMenu");
        QVERIFY(help != nullptr);
        QCOMPARE(ItemCaptions(help), (QStringList{"Теория", "О программе", "-", "Язык (Language)"}));
        QCOMPARE(help->actions().first()->shortcut(), QKeySequence(Qt::Key_F1));

        QMenu* added = form.MainMenu1->addMenu(QStringLiteral("Добавленное"));
        form.MainMenu1->insertMenu(added->menuAction(), new QMenu(QStringLiteral("Вставленное"), &form));
        QCOMPARE(MenuTitles(form.MainMenu1), (QStringList{"Файл", "Лабораторная установка", "Журнал", "Анализ",
                                                          "Вставленное", "Добавленное", "Справка"}));
        help->actions().first()->trigger();
        QVERIFY(TheoryWindowOf(form) != nullptr && TheoryWindowOf(form)->isVisible());
    }

    // F1 opens the theory; again, it brings the same window to the front.
    void f1OpensTheTheory()
    {
        LabWindows lab;
        TForm1& form = *lab.form1;
        QVERIFY(TheoryWindowOf(form) == nullptr);
        QTest::keyClick(form.EditFloat1, Qt::Key_F1);
        TTheoryWindow* theory = TheoryWindowOf(form);
        QVERIFY(theory != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(theory));
        QCOMPARE(theory->windowTitle(), QStringLiteral("Теория — различение сигналов"));
        QCOMPARE(theory->windowModality(), Qt::NonModal);
        QCOMPARE(theory->Text->document()->defaultFont().family(), QStringLiteral("Liberation Serif"));
        QVERIFY(!theory->Text->accessibleName().isEmpty());
        const QRect available = theory->screen()->availableGeometry();
        QVERIFY(available.contains(theory->frameGeometry()));

        theory->move(theory->pos() + QPoint(-10, -10));
        const QPoint moved = theory->pos();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F1);
        QCOMPARE(form.findChildren<TTheoryWindow*>().size(), 1);
        QCOMPARE(theory->pos(), moved);
        QTRY_COMPARE(QApplication::activeWindow(), theory);
        QVERIFY(theory->Text->hasFocus());

        QTest::keyClick(theory->Text, Qt::Key_F1);
        QCOMPARE(form.findChildren<TTheoryWindow*>().size(), 1);
        QTest::keyClick(theory->Text, Qt::Key_Escape);
        QVERIFY(!theory->isVisible());
    }

    // From the keyboard: Tab through the contents to the table of symbols,
    // Enter opens it.
    void contentsByKeyboard()
    {
        LabWindows lab;
        TTheoryWindow* theory = TTheoryWindow::Open(lab.form1.get());
        QVERIFY(QTest::qWaitForWindowActive(theory));
        QCOMPARE(theory->Text->verticalScrollBar()->value(), 0);
        for (int link = 0; link < 8; ++link)
            QTest::keyClick(theory->Text, Qt::Key_Tab);
        QCOMPARE(theory->Text->textCursor().selectedText(), QStringLiteral("8. Обозначения"));
        QTest::keyClick(theory->Text, Qt::Key_Return);
        QTRY_VERIFY(theory->Text->verticalScrollBar()->value() > 0);
    }

    // A modal dialog blocks the other windows: F1 there shows the theory
    // above it, modal, and the dialog is back in charge once it closes.
    void f1FromTheDialogs_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("Положение ключей") << "TForm2";
        QTest::newRow("Сигналы") << "TForm3";
        QTest::newRow("О программе") << "TAboutBox";
    }

    void f1FromTheDialogs()
    {
        QFETCH(QString, dialog);
        LabWindows lab;
        TForm1& form = *lab.form1;
        TTheoryWindow::Open(&form);
        QString shownDialog;
        TTheoryWindow* theory = TheoryWindowOf(form);
        bool modalAbove = false;
        bool dialogBack = false;
        QTimer::singleShot(0, &form, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            shownDialog = modal->metaObject()->className();
            QTest::keyClick(modal, Qt::Key_F1);
            modalAbove = theory->isVisible() && QApplication::activeModalWidget() == theory
                         && theory->windowModality() == Qt::ApplicationModal;
            QTest::keyClick(theory->Text, Qt::Key_Escape);
            dialogBack = !theory->isVisible() && QApplication::activeModalWidget() == modal;
            modal->close();
        });
        if (dialog == "TForm2")
            form.Button1->click();
        else if (dialog == "TForm3")
            form.Button2->click();
        else
            form.findChild<QAction*>("AboutItem")->trigger();
        QCOMPARE(shownDialog, dialog);
        QVERIFY(modalAbove);
        QVERIFY(dialogBack);

        QTest::keyClick(&form, Qt::Key_F1);
        QVERIFY(theory->isVisible());
        QCOMPARE(theory->windowModality(), Qt::NonModal);
    }

    void aboutBox()
    {
        LabWindows lab;
        QString caption;
        QString text;
        bool closed = false;
        QTimer::singleShot(0, lab.form1.get(), [&] {
            auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            caption = box->windowTitle();
            text = QTextDocumentFragment::fromHtml(box->Text->text()).toPlainText();
            QTest::keyClick(box, Qt::Key_Return);
            closed = !box->isVisible();
        });
        lab.form1->findChild<QAction*>("AboutItem")->trigger();
        QCOMPARE(caption, QStringLiteral("О программе"));
        QVERIFY(closed);
        const QStringList expected{
            "Detector Lab — лабораторная работа № 4",
            QStringLiteral("Версия %1").arg(EXPECTED_VERSION),
            QStringLiteral("Qt: версия %1 при работе, %2 при сборке").arg(qVersion(), QT_VERSION_STR),
            "Лицензия: GNU GPL версии 3 или любой более поздней версии.",
            "Qt Charts — GNU GPL версии 3",
            "GNU LGPL версии 3",
        };
        for (const QString& part : expected)
            QVERIFY2(text.contains(part), qPrintable(part));
        QCOMPARE(ProgramVersion(), QStringLiteral(EXPECTED_VERSION));
    }
};

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    HelpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HelpTest.moc"
