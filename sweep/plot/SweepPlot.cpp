// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepPlot.h"

#include "common/text/NumberText.h"
#include "sweep/lib/AxisScale.h"
#include "theory/Theory.h"

#include <QBuffer>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <utility>

namespace sweep {

namespace {

// Samples of each theory curve: 400 while the curves are few, fewer when
// they are many, so that a picture costs time and memory in proportion to its
// points.
constexpr int TheorySteps = 400;
constexpr int TheorySamples = 40000;
constexpr int FewestTheorySteps = 8;
// Beyond this many curves their theory is drawn 1 pixel wide: Qt draws wider
// antialiased lines ever more slowly as their number grows (10,000 curves
// 2 pixels wide take 1 s, 50,000 take 16 s).
constexpr size_t ThinTheoryFrom = 100;
// Curves named in the legend: as many as one line of it holds.
constexpr size_t ListedCurves = 4;
constexpr double MarkerRadius = 3.5;

const QColor Palette[] = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c), QColor(0x94, 0x67, 0xbd),
    QColor(0xff, 0x7f, 0x0e), QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf),
};

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A number as the legends show it, with a decimal comma.
QString Number(double value)
{
    return QString::fromStdString(WithDecimalComma(GeneralText(value, 6)));
}

// Theory is drawn dashed in a light tone of a curve's colour, measurement as
// dots and bars in a dark one: told apart in colour and in greyscale print.
QColor TheoryColour(const QColor& colour)
{
    return colour.lighter(140);
}

QColor MeasuredColour(const QColor& colour)
{
    return colour.darker(180);
}

QPen TheoryPen(const QColor& colour, double width)
{
    return QPen(TheoryColour(colour), width, Qt::DashLine, Qt::FlatCap);
}

// The chart's numbers as the tables read them: a decimal comma, no group separator.
QLocale ChartLocale()
{
    QLocale russian(QLocale::Russian, QLocale::Russia);
    russian.setNumberOptions(QLocale::OmitGroupSeparator);
    return russian;
}

QFont ChartFont(int pixels, bool bold = false)
{
    QFont font("Liberation Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

std::vector<double> Distinct(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

// From the least value to the greatest; a single value gets room either
// side, down to `floor`, so that theory shows as a curve around its point.
std::pair<double, double> Span(const std::vector<double>& values, double floor = -HUGE_VAL)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    if (*low == *high)
        return {std::max(floor, *low - 1.0), *high + 1.0};
    return {*low, *high};
}

int TheoryStepsFor(size_t curves)
{
    return std::clamp(TheorySamples / static_cast<int>(std::max<size_t>(curves, 1)), FewestTheorySteps, TheorySteps);
}

double Along(std::pair<double, double> span, int step, int steps)
{
    return span.first + (span.second / steps - span.first / steps) * step;
}

// Lines drawn one by one with one pen. One path of thousands of lines that
// cross would be filled as a single shape, many times more slowly.
class LinesItem : public QGraphicsItem {
public:
    LinesItem(const QPen& pen, double z, QGraphicsItem* parent) : QGraphicsItem(parent), pen_(pen)
    {
        setZValue(z);
    }

    QRectF boundingRect() const override { return parentItem()->boundingRect(); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        painter->setPen(pen_);
        for (const QPolygonF& line : Lines)
            painter->drawPolyline(line);
    }

    std::vector<QPolygonF> Lines;

private:
    QPen pen_;
};

// One measured curve with its theory, as values; drawn once the chart is
// laid out, a path per colour (a series per curve, or per bar, would slow Qt
// Charts to a crawl when there are thousands).
struct PlotCurve {
    QString Name;
    QColor Colour;
    QList<QPointF> Measured;
    std::vector<PlotMark> Marks; // one per measured point, its place set once laid out
    std::vector<QLineF> Bars;    // 95% intervals
    QList<QPointF> Theory;
};

// The picture's own words; the experiments' come from theory.
constexpr Wording ThresholdAxis{"Порог H, мВ", "Threshold H, mV"};
constexpr Wording GainAxis{"Коэффициент усиления K", "Gain K"};
constexpr Wording EventAxis{"Частота события", "Frequency of the event"};
constexpr Wording MoreCurves{"ещё кривых: %1", "more curves: %1"};
constexpr Wording TheoryCurve{"теория: ", "theory: "};
constexpr Wording MeasuredCurve{"измерение: ", "measurement: "};
constexpr Wording SubtitleText{"сигнал 1 — форма %1, сигнал 2 — форма %2; %3 в точке: %4; начальное число %5",
    "signal 1 — shape %1, signal 2 — shape %2; %3 per point: %4; seed %5"};
constexpr Wording ReadingsWord{"замеров", "readings"};
constexpr Wording TrialsWord{"опытов", "trials"};
constexpr Wording DetectionTitle{"Рабочая характеристика обнаружения", "Operating characteristic of detection"};
constexpr Wording DistinctionTitle{"Рабочая характеристика различения", "Operating characteristic of distinction"};
constexpr Wording AgainstThresholdTitle{"Частота в зависимости от порога H", "Frequency against the threshold H"};
constexpr Wording AgainstGainTitle{"Частота в зависимости от коэффициента усиления K", "Frequency against the gain K"};
constexpr Wording NoisePowerTitle{"Мощность шума на выходе фильтра 1", "Noise power at the output of filter 1"};

class PlotBuilder {
public:
    PlotBuilder(const SweepSettings& settings, const std::vector<PointResult>& results, QChart* chart,
        Language language)
        : settings_(settings), results_(results), chart_(*chart), language_(language)
    {
        for (const PointResult& r : results)
            byCurve_[{r.Point.Kind, r.Point.Gain}].push_back(&r);
        chart_.setBackgroundBrush(Qt::white);
        chart_.setLocale(ChartLocale());
        chart_.setLocalizeNumbers(true);
        chart_.legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
        chart_.setTitleFont(ChartFont(16, true));
        chart_.legend()->setFont(ChartFont(12));
        chart_.legend()->setAlignment(Qt::AlignBottom);
        chart_.setMargins(QMargins(8, 8, 8, 8));
        for (QValueAxis* axis : {xAxis_, yAxis_}) {
            axis->setTitleFont(ChartFont(14));
            axis->setLabelsFont(ChartFont(12));
        }
        chart_.addAxis(xAxis_, Qt::AlignBottom);
        chart_.addAxis(yAxis_, Qt::AlignLeft);
    }

    void DrawAgainstThreshold()
    {
        const std::pair<double, double> span = Span(settings_.Thresholds);
        const std::vector<double> gains = Distinct(settings_.Gains);
        const int steps = TheoryStepsFor(settings_.Experiments.size() * gains.size());
        for (Experiment e : settings_.Experiments)
            for (double gain : gains) {
                const theory::StatisticModel model = theory::DecisionStatistic(e, settings_.Signal1, settings_.Signal2, gain);
                QList<QPointF> theory;
                for (int step = 0; step <= steps && theory::ModelResolvesNoise(model); ++step) {
                    const double h = Along(span, step, steps);
                    theory.append({h, theory::CrossingProbability(model, h)});
                }
                AddCurve(SeriesName(e, gain), Curve(e, gain),
                    [](const PointResult& r) { return r.Point.Threshold; }, theory);
            }
        SetAxes(Words(ThresholdAxis), YTitle(), span, {0.0, 1.0});
    }

    void DrawAgainstGain()
    {
        const std::pair<double, double> span = Span(settings_.Gains, 0.0);
        const bool readings = !CountsTrials(settings_.Experiments.front());
        const std::vector<double> thresholds = Distinct(readings ? std::vector<double>{0.0} : settings_.Thresholds);
        const int steps = TheoryStepsFor(settings_.Experiments.size() * thresholds.size());
        double top = 1.0;
        for (Experiment e : settings_.Experiments)
            for (double threshold : thresholds) {
                QList<QPointF> theory;
                for (int step = 0; step <= steps; ++step) {
                    const double k = Along(span, step, steps);
                    const double y = readings
                        ? theory::NoisePowerReading(settings_.Signal1, k).Expected
                        : theory::CrossingProbability(theory::DecisionStatistic(e, settings_.Signal1, settings_.Signal2, k), threshold);
                    theory.append({k, y});
                    top = std::max(top, y);
                }
                std::vector<const PointResult*> points;
                for (const PointResult& r : results_)
                    if (r.Point.Kind == e && (readings || r.Point.Threshold == threshold))
                        points.push_back(&r);
                for (const PointResult* r : points)
                    top = std::max(top, r->Range.High);
                QString name = Words(theory::Describe(e).ShownName);
                if (!readings)
                    name += ", H = " + Number(threshold);
                AddCurve(name, points, [](const PointResult& r) { return r.Point.Gain; }, theory);
            }
        SetAxes(Words(GainAxis), YTitle(), span, {0.0, readings ? top * 1.05 : 1.0});
    }

    // `across` on the horizontal axis, `along` on the vertical one.
    void DrawCharacteristic(Experiment along, Experiment across)
    {
        const std::pair<double, double> span = Span(settings_.Thresholds);
        const std::vector<double> gains = Distinct(settings_.Gains);
        const int steps = TheoryStepsFor(gains.size());
        for (double gain : gains) {
            const theory::StatisticModel ys = theory::DecisionStatistic(along, settings_.Signal1, settings_.Signal2, gain);
            const theory::StatisticModel xs = theory::DecisionStatistic(across, settings_.Signal1, settings_.Signal2, gain);
            PlotCurve& curve = NewCurve("K = " + Number(gain));
            for (int step = 0; step <= steps && theory::ModelResolvesNoise(xs) && theory::ModelResolvesNoise(ys); ++step) {
                const double h = Along(span, step, steps);
                curve.Theory.append({theory::CrossingProbability(xs, h), theory::CrossingProbability(ys, h)});
            }
            const std::vector<const PointResult*> vertical = Curve(along, gain);
            const std::vector<const PointResult*> horizontal = Curve(across, gain);
            for (size_t i = 0; i < vertical.size() && i < horizontal.size(); ++i) {
                const PointResult& y = *vertical[i];
                const PointResult& x = *horizontal[i];
                curve.Measured.append({x.Observed, y.Observed});
                curve.Marks.push_back({{}, Place(y), Place(x)});
                curve.Bars.push_back({x.Observed, y.Range.Low, x.Observed, y.Range.High});
                curve.Bars.push_back({x.Range.Low, y.Observed, x.Range.High, y.Observed});
            }
        }
        auto* chance = new QLineSeries;
        chance->append({{0.0, 0.0}, {1.0, 1.0}});
        chance->setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 1.0, Qt::DotLine));
        AddUnlisted(chance);
        SetAxes(Words(theory::Describe(across).AxisTitle), Words(theory::Describe(along).AxisTitle), {0.0, 1.0},
            {0.0, 1.0});
    }


    // Names the first curves in the legend, and hands the curves over to be
    // drawn on the chart once it is laid out.
    std::vector<PlotCurve> FinishLegend()
    {
        for (size_t i = 0; i < curves_.size() && i < ListedCurves; ++i)
            AddToLegend(curves_[i]);
        if (curves_.size() > ListedCurves) {
            auto* more = new QLineSeries;
            more->setName(Words(MoreCurves).arg(curves_.size() - ListedCurves));
            more->setColor(Qt::transparent); // a name without a marker
            Attach(more);
        }
        return std::move(curves_);
    }

private:
    size_t Place(const PointResult& result) const { return static_cast<size_t>(&result - results_.data()); }

    // The sweep's points of one experiment at one gain, in threshold order.
    const std::vector<const PointResult*>& Curve(Experiment experiment, double gain)
    {
        return byCurve_[{experiment, gain}];
    }

    PlotCurve& NewCurve(const QString& name)
    {
        curves_.push_back({name, Palette[curves_.size() % std::size(Palette)], {}, {}, {}, {}});
        return curves_.back();
    }

    template <typename XOf>
    void AddCurve(const QString& name, const std::vector<const PointResult*>& points, XOf xOf, QList<QPointF> theory)
    {
        PlotCurve& curve = NewCurve(name);
        for (const PointResult* r : points) {
            const double x = xOf(*r);
            curve.Measured.append({x, r->Observed});
            curve.Marks.push_back({{}, Place(*r), std::nullopt});
            curve.Bars.push_back({x, r->Range.Low, x, r->Range.High});
        }
        curve.Theory = std::move(theory);
    }

    // Empty series that show a curve's line and marker in the legend.
    void AddToLegend(const PlotCurve& curve)
    {
        auto* line = new QLineSeries;
        line->setName(Words(TheoryCurve) + curve.Name);
        line->setPen(TheoryPen(curve.Colour, 2.0));
        Attach(line);
        auto* measured = new QScatterSeries;
        measured->setName(Words(MeasuredCurve) + curve.Name);
        measured->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        measured->setMarkerSize(2.0 * MarkerRadius);
        measured->setColor(MeasuredColour(curve.Colour));
        measured->setBorderColor(MeasuredColour(curve.Colour).darker(140));
        Attach(measured);
    }

    void AddUnlisted(QAbstractSeries* series)
    {
        Attach(series);
        for (QLegendMarker* marker : chart_.legend()->markers(series))
            marker->setVisible(false);
    }

    void Attach(QAbstractSeries* series)
    {
        chart_.addSeries(series);
        series->attachAxis(xAxis_);
        series->attachAxis(yAxis_);
    }

    QString SeriesName(Experiment e, double gain) const
    {
        QString name = "K = " + Number(gain);
        if (settings_.Experiments.size() > 1)
            name = Words(theory::Describe(e).ShownName) + ", " + name;
        return name;
    }

    QString YTitle() const
    {
        return settings_.Experiments.size() == 1 ? Words(theory::Describe(settings_.Experiments.front()).AxisTitle)
                                                 : Words(EventAxis);
    }

    void SetAxes(const QString& xTitle, const QString& yTitle, std::pair<double, double> xs, std::pair<double, double> ys)
    {
        SetAxis(*xAxis_, xTitle, xs);
        SetAxis(*yAxis_, yTitle, ys);
    }

    static void SetAxis(QValueAxis& axis, const QString& title, std::pair<double, double> span)
    {
        const AxisScale scale = ChooseAxisScale(span.first, span.second);
        axis.setRange(scale.Min, scale.Max);
        axis.setTitleText(title);
        axis.setTickType(QValueAxis::TicksDynamic);
        axis.setTickAnchor(0.0);
        axis.setTickInterval(scale.Step);
        axis.setLabelFormat(QString::fromStdString(scale.LabelFormat));
    }

    QString Words(const Wording& words) const { return Text(words.In(language_)); }

    const SweepSettings& settings_;
    const std::vector<PointResult>& results_;
    QChart& chart_;
    Language language_;
    QValueAxis* xAxis_ = new QValueAxis; // the chart owns its axes
    QValueAxis* yAxis_ = new QValueAxis;
    std::map<std::pair<Experiment, double>, std::vector<const PointResult*>> byCurve_;
    std::vector<PlotCurve> curves_;
};

// Draws the curves on the chart as it is laid out now, clipped to its plot
// area, in an item of their own (replaced at each layout); returns the
// places of the measured points.
std::vector<PlotMark> DrawCurves(QChart& chart, const std::vector<PlotCurve>& curves, QGraphicsRectItem*& overlay)
{
    delete overlay;
    // Values beyond the axes (a threshold of 1e308) are cut off at the plot's edge.
    overlay = new QGraphicsRectItem(chart.plotArea(), &chart);
    overlay->setPen(Qt::NoPen);
    overlay->setFlag(QGraphicsItem::ItemClipsChildrenToShape);
    overlay->setZValue(1.0);
    struct Items {
        LinesItem* Theory;
        LinesItem* Bars;
        QPainterPath Markers;
    };
    std::map<QRgb, Items> byColour;
    std::vector<PlotMark> marks;
    for (const PlotCurve& curve : curves) {
        auto [at, added] = byColour.try_emplace(curve.Colour.rgb());
        Items& items = at->second;
        if (added) {
            items.Theory = new LinesItem(TheoryPen(curve.Colour, curves.size() < ThinTheoryFrom ? 2.0 : 1.0), 1.0, overlay);
            items.Bars = new LinesItem(QPen(MeasuredColour(curve.Colour), 1.2), 2.0, overlay);
            items.Markers.setFillRule(Qt::WindingFill); // markers that overlap stay filled
        }
        QPolygonF theory;
        for (const QPointF& point : curve.Theory)
            theory.append(chart.mapToPosition(point));
        items.Theory->Lines.push_back(std::move(theory));
        for (const QLineF& bar : curve.Bars)
            items.Bars->Lines.push_back({chart.mapToPosition(bar.p1()), chart.mapToPosition(bar.p2())});
        for (qsizetype i = 0; i < curve.Measured.size(); ++i) {
            const QPointF centre = chart.mapToPosition(curve.Measured[i]);
            items.Markers.addEllipse(centre, MarkerRadius, MarkerRadius);
            marks.push_back(curve.Marks[static_cast<size_t>(i)]);
            marks.back().At = centre;
        }
    }
    for (const auto& [rgb, items] : byColour) {
        auto* markers = new QGraphicsPathItem(items.Markers, overlay);
        markers->setPen(QPen(MeasuredColour(QColor(rgb)).darker(140), 1.0));
        markers->setBrush(MeasuredColour(QColor(rgb)));
        markers->setZValue(3.0);
    }
    return marks;
}

std::optional<std::pair<Experiment, Experiment>> CharacteristicPair(const SweepSettings& settings)
{
    if (settings.Experiments.size() != 2 || settings.Thresholds.size() < 2)
        return std::nullopt;
    const auto has = [&](Experiment e) {
        return std::find(settings.Experiments.begin(), settings.Experiments.end(), e) != settings.Experiments.end();
    };
    if (has(Experiment::Detection) && has(Experiment::FalseAlarms))
        return std::pair{Experiment::Detection, Experiment::FalseAlarms};
    if (has(Experiment::Distinction1) && has(Experiment::Distinction2))
        return std::pair{Experiment::Distinction1, Experiment::Distinction2};
    return std::nullopt;
}

QString Subtitle(const SweepSettings& settings, uint32_t baseSeed, Language language)
{
    const bool readings = !CountsTrials(settings.Experiments.front());
    return Text(SubtitleText.In(language))
        .arg(settings.Signal1)
        .arg(settings.Signal2)
        .arg(Text((readings ? ReadingsWord : TrialsWord).In(language)))
        .arg(readings ? settings.Trials / TrialCount : settings.Trials)
        .arg(baseSeed);
}

QString Title(const SweepSettings& settings, PlotKind kind, Language language)
{
    switch (kind) {
    case PlotKind::Characteristic:
        return Text((CharacteristicPair(settings)->first == Experiment::Detection ? DetectionTitle : DistinctionTitle)
                        .In(language));
    case PlotKind::AgainstThreshold:
        return Text(AgainstThresholdTitle.In(language));
    case PlotKind::AgainstGain:
        break;
    }
    return Text((CountsTrials(settings.Experiments.front()) ? AgainstGainTitle : NoisePowerTitle).In(language));
}

// The title over its subtitle; a subtitle wider than the picture goes on
// two lines, parted at its last "; " (before the seed), where the chart
// would cut it short.
QString TitleText(const QString& title, const QString& subtitle, qreal width)
{
    constexpr int SubtitlePixels = 13;
    constexpr qreal Margins = 60; // the chart's own, both sides
    QString shown = subtitle;
    if (const qsizetype part = subtitle.lastIndexOf(QStringLiteral("; "));
        part > 0 && QFontMetricsF(ChartFont(SubtitlePixels)).horizontalAdvance(subtitle) > width - Margins)
        shown = subtitle.left(part + 1) + "<br>" + subtitle.mid(part + 2);
    return title + "<br><span style=\"font-size:" + QString::number(SubtitlePixels) + "px; font-weight:normal\">"
        + shown + "</span>";
}

} // namespace

PlotKind ChoosePlot(const SweepSettings& settings)
{
    if (CharacteristicPair(settings))
        return PlotKind::Characteristic;
    const bool counts = CountsTrials(settings.Experiments.front());
    if (counts && settings.Thresholds.size() > 1)
        return PlotKind::AgainstThreshold;
    return PlotKind::AgainstGain;
}

struct Plot::Drawing {
    QChart* Chart = nullptr; // the scene owns it
    QString Title;
    QString Subtitle;
    std::vector<PlotCurve> Curves;
    QGraphicsRectItem* Curved = nullptr; // the curves at the present layout; the chart owns it
    QSizeF Size;
};

Plot::Plot(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results,
    Language language)
    : scene_(std::make_unique<QGraphicsScene>()), drawing_(std::make_unique<Drawing>())
{
    drawing_->Chart = new QChart;
    scene_->addItem(drawing_->Chart); // the scene owns the chart
    PlotBuilder builder(settings, results, drawing_->Chart, language);
    const PlotKind kind = ChoosePlot(settings);
    switch (kind) {
    case PlotKind::Characteristic: {
        const auto [along, across] = *CharacteristicPair(settings);
        builder.DrawCharacteristic(along, across);
        break;
    }
    case PlotKind::AgainstThreshold:
        builder.DrawAgainstThreshold();
        break;
    case PlotKind::AgainstGain:
        builder.DrawAgainstGain();
        break;
    }
    drawing_->Title = Title(settings, kind, language);
    drawing_->Subtitle = Subtitle(settings, baseSeed, language);
    drawing_->Curves = builder.FinishLegend();
    LayOut(QSizeF(PlotWidth, PlotHeight));
}

Plot::~Plot() = default;

void Plot::LayOut(QSizeF size)
{
    size = size.expandedTo(QSizeF(MinPlotWidth, MinPlotHeight));
    QChart& chart = *drawing_->Chart;
    chart.setTitle(TitleText(drawing_->Title, drawing_->Subtitle, size.width()));
    chart.setGeometry(0, 0, size.width(), size.height());
    chart.layout()->activate();
    marks_ = DrawCurves(chart, drawing_->Curves, drawing_->Curved);
    scene_->setSceneRect(0, 0, size.width(), size.height());
    drawing_->Size = size;
}

QSizeF Plot::Size() const
{
    return drawing_->Size;
}

void Plot::Render(QPainter& painter, const QRectF& target)
{
    const QSizeF shown = drawing_->Size;
    if (target.size() != shown)
        LayOut(target.size());
    const QRectF area(QPointF(0, 0), target.size());
    scene_->render(&painter, target, area);
    if (target.size() != shown)
        LayOut(shown);
}

QByteArray Plot::Encode(bool svg, QSize size)
{
    const QRectF area(QPointF(0, 0), QSizeF(size));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(area);
        generator.setResolution(96); // CSS pixels: a browser shows it 1000 x 700
        generator.setTitle("Detector Lab");
        QPainter painter(&generator);
        painter.setRenderHint(QPainter::Antialiasing);
        Render(painter, area);
        return painter.end() ? bytes : QByteArray();
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Render(painter, area);
    painter.end();
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray DrawPlot(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results, bool svg)
{
    return Plot(settings, baseSeed, results).Encode(svg);
}

} // namespace sweep
