// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep/plot/SweepPlot.h"
#include "tools/testsupport/FreshSettings.h"
#include "tools/testsupport/LabWindows.h"
#include "ui/analysis/CharacteristicsUnit.h"
#include "ui/analysis/SweepPlotView.h"
#include "ui/analysis/opener/AnalysisMenu.h"

#include <QAction>
#include <QChart>
#include <QComboBox>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>
#include <QScreen>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// 9 points on a screen of 96 dots an inch.
constexpr double SmallestLabelPixels = 12.0;

double Pixels(const QFont& font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
}

// The smallest font of a text item, each fragment of a rich text counted.
double SmallestPixels(const QGraphicsItem& item)
{
    if (const auto* simple = dynamic_cast<const QGraphicsSimpleTextItem*>(&item))
        return Pixels(simple->font());
    const auto* rich = dynamic_cast<const QGraphicsTextItem*>(&item);
    double smallest = Pixels(rich->font());
    for (QTextBlock block = rich->document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            QFont font = rich->font();
            font = fragment.fragment().charFormat().font().resolve(font);
            smallest = std::min(smallest, Pixels(font));
        }
    return smallest;
}

QString Text(const QGraphicsItem& item)
{
    if (const auto* simple = dynamic_cast<const QGraphicsSimpleTextItem*>(&item))
        return simple->text();
    return static_cast<const QGraphicsTextItem&>(item).toPlainText();
}

} // namespace

class PlotReadabilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetAnalysisFactories({NewCharacteristicsForm, nullptr}); }
    // Each test's window starts with the defaults of a first run.
    void init() { ForgetProgramSettings(); }

    // On a screen of 800 x 600 the picture is laid out at its view's size
    // and shown unscaled: no label under 9 pt, numbers with decimal commas.
    void thePictureIsReadableAt800x600()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(800, 600));
        LabWindows lab;
        lab.program.Analysis->CharacteristicsItem->trigger();
        auto& form = *qobject_cast<TCharacteristicsForm*>(lab.CharacteristicsWindow());
        form.GainField->SetVal(6.0);
        form.FromField->SetVal(-20.0);
        form.ToField->SetVal(60.0);
        form.StepField->SetVal(2.5);
        form.TrialsChoice->setCurrentIndex(0);
        QSignalSpy ended(&form, &TCharacteristicsForm::RunEnded);
        QTest::mouseClick(form.BuildButton, Qt::LeftButton);
        QVERIFY(ended.wait(30000));

        SweepPlotView& view = *form.PlotView;
        QVERIFY(form.frameGeometry().width() <= 800);
        QCOMPARE(view.transform(), QTransform());
        QCOMPARE(view.sceneRect().size(), QSizeF(view.viewport()->size()));
        QVERIFY(view.viewport()->width() < sweep::PlotWidth);
        int labels = 0;
        QStringList texts;
        for (const QGraphicsItem* item : view.scene()->items()) {
            if (!item->isVisible() || (dynamic_cast<const QGraphicsSimpleTextItem*>(item) == nullptr
                                          && dynamic_cast<const QGraphicsTextItem*>(item) == nullptr))
                continue;
            ++labels;
            texts.append(Text(*item));
            QVERIFY2(SmallestPixels(*item) >= SmallestLabelPixels, qPrintable(Text(*item)));
        }
        QVERIFY(labels > 15); // the title, the axes' titles and ticks, the legend
        QVERIFY(texts.contains("0,2"));
        for (const QString& text : texts) {
            QVERIFY2(!text.contains(QRegularExpression("\\d\\.\\d")), qPrintable(text));
            QVERIFY2(!text.contains(QStringLiteral("…")) && !text.contains(QStringLiteral("...")), qPrintable(text));
        }
        // The subtitle whole, its seed on a line of its own: one line would be cut short.
        const QString seed = QStringLiteral("\nначальное число ") + form.SeedField->text();
        QVERIFY2(std::any_of(texts.begin(), texts.end(), [&](const QString& text) { return text.endsWith(seed); }),
            qPrintable(texts.join('|')));

        // The hover readout still finds the points where they are drawn.
        const sweep::PlotMark& mark = view.CurrentPlot()->Marks().front();
        QCOMPARE(view.MarkAt(view.mapFromScene(mark.At)), 0);
    }

    // Theory and measurement differ in colour, in greyscale, and in style,
    // and the legend shows each as it is drawn.
    void theoryAndMeasurementAreToldApart()
    {
        sweep::SweepSettings settings;
        settings.Experiments = {theory::Experiment::FalseAlarms};
        settings.Gains = {2.5};
        settings.Thresholds = {0.0, 5.0};
        sweep::Plot plot(settings, 1, sweep::RunSweep(settings, 1, 1));
        QLineSeries* theory = nullptr;
        QScatterSeries* measured = nullptr;
        QChart* chart = nullptr;
        for (QGraphicsItem* item : plot.Scene().items())
            if (auto* found = dynamic_cast<QChart*>(item))
                chart = found;
        QVERIFY(chart != nullptr);
        for (QAbstractSeries* series : chart->series()) {
            if (series->name() == QStringLiteral("теория: K = 2,5"))
                theory = qobject_cast<QLineSeries*>(series);
            if (series->name() == QStringLiteral("измерение: K = 2,5"))
                measured = qobject_cast<QScatterSeries*>(series);
        }
        QVERIFY(theory != nullptr && measured != nullptr);
        QCOMPARE(theory->pen().style(), Qt::DashLine);
        QCOMPARE(chart->legend()->markerShape(), QLegend::MarkerShapeFromSeries);
        QVERIFY(theory->pen().color() != measured->color());
        QVERIFY(qAbs(qGray(theory->pen().color().rgb()) - qGray(measured->color().rgb())) >= 60);
    }
};

QTEST_MAIN(PlotReadabilityTest)
#include "PlotReadabilityTest.moc"
