// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/testsupport/LabWindows.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

// A desktop's dark palette, as a dark theme sets it.
QPalette DarkPalette()
{
    QPalette dark;
    for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, QColor(0x2d, 0x2d, 0x2d)}, {QPalette::WindowText, Qt::white},
             {QPalette::Base, QColor(0x1e, 0x1e, 0x1e)}, {QPalette::Text, Qt::white},
             {QPalette::Button, QColor(0x3c, 0x3c, 0x3c)}, {QPalette::ButtonText, Qt::white}})
        dark.setColor(role, colour);
    return dark;
}

double Luminance(QColor colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

// The contrast ratio (1 to 21) of the lightest and darkest pixels inside
// the frame of a display as it is drawn: its text against its background.
double Contrast(QWidget& display)
{
    const QImage picture = display.grab().toImage();
    double lightest = 0.0, darkest = 1.0;
    for (int y = 4; y < picture.height() - 4; ++y)
        for (int x = 4; x < picture.width() - 4; ++x) {
            const double l = Luminance(picture.pixelColor(x, y));
            lightest = std::max(lightest, l);
            darkest = std::min(darkest, l);
        }
    return (lightest + 0.05) / (darkest + 0.05);
}

} // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT

private slots:
    // Set before the windows are made, or while they are open: the readings
    // keep the contrast of black on white (WCAG asks 4.5 for text).
    void theReadingsCanBeReadUnderADarkPalette_data()
    {
        QTest::addColumn<bool>("beforeTheWindows");
        QTest::newRow("before") << true;
        QTest::newRow("while open") << false;
    }

    void theReadingsCanBeReadUnderADarkPalette()
    {
        QFETCH(bool, beforeTheWindows);
        const QPalette light = QApplication::palette();
        if (beforeTheWindows)
            QApplication::setPalette(DarkPalette());
        {
            LabWindows lab;
            if (!beforeTheWindows)
                QApplication::setPalette(DarkPalette());
            lab.SetSwitches(1, 2, 1);
            lab.ClickMeasure();
            for (QLabel* display : {lab.form1->StaticText1, lab.form1->StaticText2, lab.form1->StaticText3})
                QVERIFY2(Contrast(*display) >= 4.5, qPrintable(display->objectName()));
        }
        QApplication::setPalette(light);
    }

    // A screen reader hears each reading with its value, and each frame by
    // a name of its own.
    void screenReadersHearTheReadings()
    {
        LabWindows lab;
        lab.SetSwitches(3, 2, 2);
        lab.ClickMeasure();
        const QString reading = lab.form1->StaticText1->text();
        QCOMPARE(QAccessible::queryAccessibleInterface(lab.form1->StaticText1)->text(QAccessible::Name),
            QStringLiteral("Регистратор, мВ*мВ: ") + reading);
        QCOMPARE(QAccessible::queryAccessibleInterface(lab.form1->StaticText2)->text(QAccessible::Name),
            QStringLiteral("Количество опытов: 1"));
        QCOMPARE(QAccessible::queryAccessibleInterface(lab.form1->StaticText3)->text(QAccessible::Name),
            QStringLiteral("Счётчик: 0"));
        QStringList names;
        for (QGroupBox* box : {lab.form1->GroupBox1, lab.form1->GroupBox2, lab.form1->GroupBox3, lab.form1->GroupBox4,
                 lab.form1->GroupBox5, lab.form1->GroupBox6, lab.form1->GroupBox7})
            names.append(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name));
        QCOMPARE(names, (QStringList{"Лабораторная установка", "Конфигурация", "Коэффициент усиления K",
                            "Порог принятия решения H, мВ", "Регистратор, мВ*мВ", "Количество опытов", "Счётчик"}));
    }
};

QTEST_MAIN(DarkPaletteTest)
#include "DarkPaletteTest.moc"
