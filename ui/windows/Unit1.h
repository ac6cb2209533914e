// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/Bench.h"
#include "ui/controls/Panel.h"

#include <QMainWindow>
#include <array>
#include <cstdint>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class TEditFloat;
class TImage;

// The main window: the bench's schematic for the current switch positions,
// the commands that open the two dialogs and run a measurement, the gain K
// and threshold H fields, and the three result displays.
class TForm1 : public QMainWindow, public ResultDisplay {
    Q_OBJECT

public:
    // Opens the splash window, builds the window and runs FormCreate. The
    // measurements run on the given bench (the program's own by default).
    explicit TForm1(QWidget* owner = nullptr, DetectorBench& bench = Bench);

    void FormCreate();
    // Maximises the window on a screen of at most 800 x 600 pixels in either
    // direction; otherwise keeps the designed size, centred on the screen and
    // fitted to its available area.
    void ApplyMaximiseRule(const QRect& screen, const QRect& available);
    void ApplyMaximiseRule(const QRect& screen) { ApplyMaximiseRule(screen, screen); }

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void N3Click();
    void N4Click();
    void N5Click();
    void EditFloat1Exit();
    void EditFloat2Exit();

    void PublishResult(double registerReading, int32_t trials, int32_t counter) override;

    // The schematic for the positions stored in the switch-position dialog;
    // it is always the one visible schematic.
    TImage* CurrentSchemeImage() const;
    // The schematic for the given positions; null outside the table.
    TImage* SchemeImage(const SwitchConfiguration& switches) const;

    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QGroupBox* GroupBox3;
    TEditFloat* EditFloat1;
    QGroupBox* GroupBox4;
    TEditFloat* EditFloat2;
    QGroupBox* GroupBox5;
    QLabel* StaticText1;
    QGroupBox* GroupBox6;
    QLabel* StaticText2;
    QGroupBox* GroupBox7;
    QLabel* StaticText3;
    TPanel* Panel1;
    // Image111 ... Image322, in the order of the position-to-schematic table.
    std::array<TImage*, 12> SchemeImages{};

    QMenuBar* MainMenu1;
    QMenu* N1;
    QAction* N3;
    QAction* N4;
    QAction* N15;
    QAction* N5;
    QMenu* N2;
    QAction* N6;
    QAction* N7;
    QAction* N8;
    QMenu* PopupMenu1;
    QAction* N9;
    QAction* N10;
    QAction* N11;
    QAction* N12;
    QAction* N13;
    QAction* N14;

signals:
    // Every measurement the command starts, refused ones too, once it has
    // ended and before any message waits for the student: what was set and
    // what the bench published.
    void MeasurementFinished(const MeasurementInputs& inputs, const MeasurementResult& result);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void NameForAccessibility();
    void NameResultDisplays();
    void BuildMenus();
    void FixDesignedSize();

    DetectorBench& bench_;
};

extern TForm1* Form1;
