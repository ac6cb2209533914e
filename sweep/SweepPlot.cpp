#include "SweepPlot.h"

#include "Theory.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

namespace {

constexpr int TheorySteps = 400;

const QColor Palette[] = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c), QColor(0x94, 0x67, 0xbd),
    QColor(0xff, 0x7f, 0x0e), QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf),
};

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Number(double value)
{
    return QString::number(value, 'g', 6);
}

QFont ChartFont(int pixels, bool bold = false)
{
    QFont font("Liberation Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The sweep's points of one experiment at one gain, in threshold order.
std::vector<const PointResult*> Curve(const std::vector<PointResult>& results, Experiment experiment, double gain)
{
    std::vector<const PointResult*> curve;
    for (const PointResult& r : results)
        if (r.Point.Kind == experiment && r.Point.Gain == gain)
            curve.push_back(&r);
    return curve;
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

double Along(std::pair<double, double> span, int step)
{
    return span.first + (span.second - span.first) * step / TheorySteps;
}

class PlotBuilder {
public:
    PlotBuilder(const SweepSettings& settings, const std::vector<PointResult>& results)
        : settings_(settings), results_(results)
    {
        chart_.setBackgroundBrush(Qt::white);
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

    QChart& Chart() { return chart_; }

    void DrawAgainstThreshold()
    {
        const std::pair<double, double> span = Span(settings_.Thresholds);
        for (Experiment e : settings_.Experiments)
            for (double gain : Distinct(settings_.Gains)) {
                const StatisticModel model = DecisionStatistic(e, settings_.Signal1, settings_.Signal2, gain);
                QList<QPointF> theory;
                for (int step = 0; step <= TheorySteps; ++step) {
                    const double h = Along(span, step);
                    theory.append({h, CrossingProbability(model, h)});
                }
                AddSeries(SeriesName(e, gain), Curve(results_, e, gain),
                    [](const PointResult& r) { return r.Point.Threshold; }, theory);
            }
        SetAxes("Порог H, мВ", YTitle(), span, {0.0, 1.0});
    }

    void DrawAgainstGain()
    {
        const std::pair<double, double> span = Span(settings_.Gains, 0.0);
        const bool readings = !CountsTrials(settings_.Experiments.front());
        double top = 1.0;
        for (Experiment e : settings_.Experiments)
            for (double threshold : Distinct(CountsTrials(e) ? settings_.Thresholds : std::vector<double>{0.0})) {
                QList<QPointF> theory;
                for (int step = 0; step <= TheorySteps; ++step) {
                    const double k = Along(span, step);
                    const double y = readings
                        ? NoisePowerReading(settings_.Signal1, k).Expected
                        : CrossingProbability(DecisionStatistic(e, settings_.Signal1, settings_.Signal2, k), threshold);
                    theory.append({k, y});
                    top = std::max(top, y);
                }
                std::vector<const PointResult*> points;
                for (const PointResult& r : results_)
                    if (r.Point.Kind == e && (readings || r.Point.Threshold == threshold))
                        points.push_back(&r);
                for (const PointResult* r : points)
                    top = std::max(top, r->Range.High);
                QString name = Text(Describe(e).RussianName);
                if (!readings)
                    name += ", H = " + Number(threshold);
                AddSeries(name, points, [](const PointResult& r) { return r.Point.Gain; }, theory);
            }
        SetAxes("Коэффициент усиления K", YTitle(), span, {0.0, readings ? top * 1.05 : 1.0});
    }

    // `across` on the horizontal axis, `along` on the vertical one.
    void DrawCharacteristic(Experiment along, Experiment across)
    {
        const std::pair<double, double> span = Span(settings_.Thresholds);
        for (double gain : Distinct(settings_.Gains)) {
            const StatisticModel ys = DecisionStatistic(along, settings_.Signal1, settings_.Signal2, gain);
            const StatisticModel xs = DecisionStatistic(across, settings_.Signal1, settings_.Signal2, gain);
            QList<QPointF> theory;
            for (int step = 0; step <= TheorySteps; ++step) {
                const double h = Along(span, step);
                theory.append({CrossingProbability(xs, h), CrossingProbability(ys, h)});
            }
            const std::vector<const PointResult*> vertical = Curve(results_, along, gain);
            const std::vector<const PointResult*> horizontal = Curve(results_, across, gain);
            const QColor colour = NextColour();
            auto* measured = new QScatterSeries;
            for (size_t i = 0; i < vertical.size() && i < horizontal.size(); ++i) {
                const PointResult& y = *vertical[i];
                const PointResult& x = *horizontal[i];
                measured->append(x.Observed, y.Observed);
                AddBar({x.Observed, y.Range.Low}, {x.Observed, y.Range.High}, colour);
                AddBar({x.Range.Low, y.Observed}, {x.Range.High, y.Observed}, colour);
            }
            AddMeasuredAndTheory(measured, theory, "K = " + Number(gain), colour);
        }
        auto* chance = new QLineSeries;
        chance->append({{0.0, 0.0}, {1.0, 1.0}});
        chance->setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 1.0, Qt::DashLine));
        AddUnlisted(chance);
        SetAxes(Text(Describe(across).RussianAxis), Text(Describe(along).RussianAxis), {0.0, 1.0}, {0.0, 1.0});
    }

    void SetTitle(const QString& title) { chart_.setTitle(title); }

    // Lays the chart out at its full size and draws the interval bars on it.
    void LayOut()
    {
        chart_.setGeometry(0, 0, PlotWidth, PlotHeight);
        chart_.layout()->activate();
        std::map<QRgb, QPainterPath> paths;
        for (const Bar& bar : bars_) {
            QPainterPath& path = paths[bar.Colour.rgb()];
            path.moveTo(chart_.mapToPosition(bar.Values.p1()));
            path.lineTo(chart_.mapToPosition(bar.Values.p2()));
        }
        for (const auto& [colour, path] : paths) {
            auto* item = new QGraphicsPathItem(path, &chart_);
            item->setPen(QPen(QColor(colour), 1.2));
            item->setZValue(1.0);
        }
    }

private:
    struct Bar {
        QLineF Values;
        QColor Colour;
    };

    template <typename XOf>
    void AddSeries(const QString& name, const std::vector<const PointResult*>& points, XOf xOf,
        const QList<QPointF>& theory)
    {
        const QColor colour = NextColour();
        auto* measured = new QScatterSeries;
        for (const PointResult* r : points) {
            const double x = xOf(*r);
            measured->append(x, r->Observed);
            AddBar({x, r->Range.Low}, {x, r->Range.High}, colour);
        }
        AddMeasuredAndTheory(measured, theory, name, colour);
    }

    void AddMeasuredAndTheory(QScatterSeries* measured, const QList<QPointF>& theory, const QString& name,
        const QColor& colour)
    {
        auto* line = new QLineSeries;
        line->append(theory);
        line->setName("теория: " + name);
        line->setPen(QPen(colour, 2.0));
        Attach(line);
        measured->setName("измерение: " + name);
        measured->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        measured->setMarkerSize(7.0);
        measured->setColor(colour);
        measured->setBorderColor(colour.darker(140));
        Attach(measured);
    }

    // A 95% interval: one segment in its point's colour, drawn once the
    // chart is laid out (a series per bar would slow Qt Charts to a crawl).
    void AddBar(QPointF from, QPointF to, const QColor& colour)
    {
        bars_.push_back({QLineF(from, to), colour});
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

    QColor NextColour() { return Palette[colours_++ % std::size(Palette)]; }

    QString SeriesName(Experiment e, double gain) const
    {
        QString name = "K = " + Number(gain);
        if (settings_.Experiments.size() > 1)
            name = Text(Describe(e).RussianName) + ", " + name;
        return name;
    }

    QString YTitle() const
    {
        return settings_.Experiments.size() == 1 ? Text(Describe(settings_.Experiments.front()).RussianAxis)
                                                 : QString("Частота события");
    }

    void SetAxes(const QString& xTitle, const QString& yTitle, std::pair<double, double> xs, std::pair<double, double> ys)
    {
        SetAxis(*xAxis_, xTitle, xs);
        SetAxis(*yAxis_, yTitle, ys);
    }

    // The range with a little room at both ends, ticks at round values.
    static void SetAxis(QValueAxis& axis, const QString& title, std::pair<double, double> span)
    {
        const double width = span.second - span.first;
        const double pad = width * 0.02;
        axis.setRange(span.first - pad, span.second + pad);
        axis.setTitleText(title);
        const double step = RoundStep(width);
        axis.setTickType(QValueAxis::TicksDynamic);
        axis.setTickAnchor(0.0);
        axis.setTickInterval(step);
        const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
        axis.setLabelFormat(QString("%.%1f").arg(decimals));
    }

    // 1, 2 or 5 times a power of ten, for five to ten ticks across `width`.
    static double RoundStep(double width)
    {
        const double rough = width / 5.0;
        const double power = std::pow(10.0, std::floor(std::log10(rough)));
        for (double multiple : {1.0, 2.0, 5.0})
            if (multiple * power >= rough)
                return multiple * power;
        return 10.0 * power;
    }

    const SweepSettings& settings_;
    const std::vector<PointResult>& results_;
    QChart chart_;
    QValueAxis* xAxis_ = new QValueAxis; // the chart owns its axes
    QValueAxis* yAxis_ = new QValueAxis;
    size_t colours_ = 0;
    std::vector<Bar> bars_;
};

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

QString Subtitle(const SweepSettings& settings, uint32_t baseSeed)
{
    const bool readings = !CountsTrials(settings.Experiments.front());
    return QString("сигнал 1 — форма %1, сигнал 2 — форма %2; %3 в точке: %4; seed %5")
        .arg(settings.Signal1)
        .arg(settings.Signal2)
        .arg(readings ? "замеров" : "испытаний")
        .arg(readings ? settings.Trials / TrialCount : settings.Trials)
        .arg(baseSeed);
}

QString Title(const SweepSettings& settings, PlotKind kind)
{
    switch (kind) {
    case PlotKind::Characteristic:
        return CharacteristicPair(settings)->first == Experiment::Detection ? "Рабочая характеристика обнаружения"
                                                                             : "Рабочая характеристика различения";
    case PlotKind::AgainstThreshold:
        return "Частота в зависимости от порога H";
    case PlotKind::AgainstGain:
        break;
    }
    return CountsTrials(settings.Experiments.front()) ? "Частота в зависимости от коэффициента усиления K"
                                                      : "Мощность шума на выходе фильтра 1";
}

// The picture as the bytes of a PNG or SVG file; empty when it could not be encoded.
QByteArray Encode(QGraphicsScene& scene, bool svg)
{
    const QRectF area(0, 0, PlotWidth, PlotHeight);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(PlotWidth, PlotHeight));
        generator.setViewBox(area);
        generator.setResolution(96); // CSS pixels: a browser shows it 1000 x 700
        generator.setTitle("Detector Lab");
        QPainter painter(&generator);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, area, area);
        return painter.end() ? bytes : QByteArray();
    }
    QImage image(PlotWidth, PlotHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, area, area);
    painter.end();
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
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

std::string WritePlot(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results,
    const QString& path)
{
    QGraphicsScene scene;
    PlotBuilder builder(settings, results);
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
    builder.SetTitle(Title(settings, kind) + "<br><small>" + Subtitle(settings, baseSeed) + "</small>");
    QChart& chart = builder.Chart();
    scene.addItem(&chart);
    builder.LayOut();

    const QByteArray bytes = Encode(scene, path.endsWith(".svg", Qt::CaseInsensitive));
    scene.removeItem(&chart);
    if (bytes.isEmpty())
        return "cannot draw " + path.toStdString();
    return WriteWholeFile(path, bytes);
}
