// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve schematics: the blades follow the holder's digits, the rest of the
// drawing is the same in all of them, and the drawing is black on white.
#include <QtTest>

#include <QLineF>

#include <array>

#include "resources/EmbeddedPictures.h"
#include "tools/picturegen/SchemeLayout.h"
#include "tools/testsupport/SwitchPositionRows.h"

namespace {

// A switch of the drawing's own layout, in the test's coordinates.
struct Switch {
    Switch(const char* switchName, const picturegen::SwitchLayout& layout)
        : name(switchName), pivot(Point(layout.pivot)), positions(layout.positions)
    {
        for (std::size_t i = 0; i < contacts.size(); ++i)
            contacts[i] = Point(layout.contacts[i]);
    }

    static QPointF Point(picturegen::PixelPoint p) { return QPointF(p.x, p.y); }

    const char* name;
    QPointF pivot;
    std::array<QPointF, 3> contacts;
    int positions;
};

const Switch kK1{"K1", picturegen::kSwitchK1};
const Switch kK2{"K2", picturegen::kSwitchK2};
const Switch kK3{"K3", picturegen::kSwitchK3};

// The pixels that hold points of the segment pivot -> contact, between `from`
// and `to` as fractions of its length (the pivot dot and the contact circle left out).
QVector<QPoint> AlongBlade(const Switch& sw, int position, double from, double to)
{
    const QPointF centre(0.5, 0.5);
    const QLineF line(sw.pivot + centre, sw.contacts[static_cast<std::size_t>(position - 1)] + centre);
    QVector<QPoint> points;
    for (double t = from; t <= to; t += 0.03) {
        const QPointF p = line.pointAt(t);
        points << QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
    }
    return points;
}

int DarkestAround(const QImage& image, QPoint p)
{
    int darkest = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            darkest = std::min(darkest, qGray(image.pixel(p + QPoint(dx, dy))));
    return darkest;
}

int Grey(QRgb pixel)
{
    return qGray(pixel);
}

QImage Scheme(int k1, int k2, int k3)
{
    return LoadPicture(SchemePicturePath(k1, k2, k3));
}

}  // namespace

class SchemePicturesTest : public QObject {
    Q_OBJECT

private slots:
    void bladesFollowTheHolderDigits_data()
    {
        AddSwitchPositionRows();
    }

    void bladesFollowTheHolderDigits()
    {
        QFETCH(int, k1);
        QFETCH(int, k2);
        QFETCH(int, k3);
        const QImage image = Scheme(k1, k2, k3);
        QVERIFY(!image.isNull());
        const std::array<std::pair<const Switch*, int>, 3> switches{{{&kK1, k1}, {&kK2, k2}, {&kK3, k3}}};
        for (const auto& [sw, selected] : switches) {
            for (int position = 1; position <= sw->positions; ++position) {
                const bool blade = position == selected;
                for (const QPoint& point : AlongBlade(*sw, position, blade ? 0.3 : 0.45, 0.75)) {
                    const int grey = blade ? Grey(image.pixel(point)) : DarkestAround(image, point);
                    if (blade)
                        QVERIFY2(grey < 110, qPrintable(QStringLiteral("%1 blade to %2 not dark at (%3, %4): %5")
                                                            .arg(sw->name).arg(position).arg(point.x()).arg(point.y()).arg(grey)));
                    else
                        QVERIFY2(grey > 215, qPrintable(QStringLiteral("%1 towards %2 not white at (%3, %4): %5")
                                                            .arg(sw->name).arg(position).arg(point.x()).arg(point.y()).arg(grey)));
                }
            }
        }
    }

    // Outside the switches (and the 16-pixel blocks of the JPEG around them) all twelve are one drawing.
    void allSchematicsShareTheDrawingAwayFromTheBlades()
    {
        const QImage reference = Scheme(1, 1, 1);
        QRegion switches;
        for (const Switch* sw : {&kK1, &kK2, &kK3})
            switches += QRect(sw->pivot.toPoint() - QPoint(48, 40), QSize(96, 80));
        for (int k1 = 1; k1 <= 3; ++k1)
            for (int k2 = 1; k2 <= 2; ++k2)
                for (int k3 = 1; k3 <= 2; ++k3) {
                    const QImage image = Scheme(k1, k2, k3);
                    for (int y = 0; y < image.height(); ++y)
                        for (int x = 0; x < image.width(); ++x) {
                            if (switches.contains(QPoint(x, y)))
                                continue;
                            const int difference = std::abs(Grey(image.pixel(x, y)) - Grey(reference.pixel(x, y)));
                            if (difference > 12)
                                QFAIL(qPrintable(QStringLiteral("Image%1%2%3 differs at (%4, %5)").arg(k1).arg(k2).arg(k3).arg(x).arg(y)));
                        }
                }
    }

    void drawingIsGreyOnAWhiteField()
    {
        const QImage image = Scheme(3, 2, 2);
        int white = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                QVERIFY(std::abs(qRed(pixel) - qGreen(pixel)) <= 6 && std::abs(qGreen(pixel) - qBlue(pixel)) <= 6);
                white += Grey(pixel) > 240 ? 1 : 0;
            }
        QVERIFY(white > image.width() * image.height() * 8 / 10);
        for (const QPoint corner : {QPoint(686, 0), QPoint(686, 299), QPoint(300, 299)})
            QVERIFY(Grey(image.pixel(corner)) > 245);
    }

    // Blocks drawn where the element table puts them: their outlines are dark lines.
    void blockOutlinesStandInPlace_data()
    {
        QTest::addColumn<QRect>("block");
        QTest::newRow("signal source 1") << QRect(QPoint(0, 13), QPoint(79, 57));
        QTest::newRow("signal source 2") << QRect(QPoint(0, 120), QPoint(79, 165));
        QTest::newRow("noise source") << QRect(QPoint(142, 253), QPoint(234, 298));
        QTest::newRow("matched filter 1") << QRect(QPoint(267, 10), QPoint(327, 54));
        QTest::newRow("matched filter 2") << QRect(QPoint(267, 120), QPoint(327, 165));
        QTest::newRow("threshold device") << QRect(QPoint(499, 56), QPoint(593, 101));
        QTest::newRow("counter") << QRect(QPoint(613, 56), QPoint(686, 101));
        QTest::newRow("squarer") << QRect(QPoint(447, 147), QPoint(511, 176));
        QTest::newRow("integrator") << QRect(QPoint(431, 197), QPoint(527, 239));
        QTest::newRow("register") << QRect(QPoint(425, 253), QPoint(532, 297));
    }

    void blockOutlinesStandInPlace()
    {
        QFETCH(QRect, block);
        const QImage image = Scheme(1, 1, 1);
        const auto darkNear = [&](int x, int y, bool horizontal) {
            for (int d = -1; d <= 1; ++d) {
                const QPoint p = horizontal ? QPoint(x, y + d) : QPoint(x + d, y);
                if (image.rect().contains(p) && Grey(image.pixel(p)) < 128)
                    return true;
            }
            return false;
        };
        for (int x = block.left() + 3; x < block.right() - 3; x += 4) {
            QVERIFY(darkNear(x, block.top(), true));
            QVERIFY(darkNear(x, block.bottom(), true));
        }
        for (int y = block.top() + 3; y < block.bottom() - 3; y += 4) {
            QVERIFY(darkNear(block.left(), y, false));
            QVERIFY(darkNear(block.right(), y, false));
        }
    }
};

QTEST_MAIN(SchemePicturesTest)
#include "SchemePicturesTest.moc"
