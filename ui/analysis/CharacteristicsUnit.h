// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/sheets/SheetTable.h"
#include "sweep/lib/Sweep.h"
#include "sweep/lib/SweepSettings.h"
#include "ui/analysis/interface/AnalysisInterface.h"

#include <QElapsedTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;
class SweepPlotView;
class SweepRun;
class TEditFloat;

// The window "Характеристики": the sweep of detector-lab-sweep inside the
// program. The student chooses what to draw, the shapes and K (taken from
// the bench), the range of H (or of K for the noise power), the trials per
// point and the seed; «Построить» runs the sweep on worker threads while a
// progress bar shows the points done and the time left, «Остановить» stops
// it. The picture is the sweep's own, the values of the point under the
// mouse are shown beneath it, and the table has the sweep's CSV columns,
// rounded; it is saved (CSV, «CSV для Excel», a workbook) and copied with
// every digit.
// Not modal: the bench stays usable while it is open.
class TCharacteristicsForm : public QWidget {
    Q_OBJECT

public:
    // What to draw, in the order of the choice offered.
    enum class Drawing {
        DetectionCharacteristic,   // detection against false alarms, H running along
        DistinctionCharacteristic, // decisions for signal 1 while 1 or 2 is sent
        AgainstThreshold,          // one counting experiment against H
        NoisePowerAgainstGain,     // the noise-power reading against K
    };

    // The bench's settings and the save dialogs come from the host.
    TCharacteristicsForm(const AnalysisHost& host, QWidget* owner);

    // «Взять с установки»: the shapes and K as the bench has them now.
    void TakeFromBenchClick();
    void NewSeedClick();
    // «Построить»: commits the fields and starts the sweep, or says what is wrong.
    void BuildClick();
    void StopClick();
    void SavePlotClick();
    void SaveTableClick();
    void CopyPlotClick();
    // Puts the selected rows of the table, or every row, on the clipboard.
    void CopyTableClick();

    // The sweep the fields ask for, or nothing after a message that says why not.
    std::optional<sweep::SweepSettings> SettingsFromFields();
    std::optional<uint32_t> SeedFromField();
    bool Running() const;
    // The CSV of the results shown, as «Сохранить таблицу…» writes it.
    std::string ShownCsv() const;
    // The results shown as a spreadsheet's table, in the program's language.
    sheets::Book ShownBook() const;

    QComboBox* DrawingChoice;
    QComboBox* EventChoice;
    QSpinBox* Signal1Shape;
    QSpinBox* Signal2Shape;
    TEditFloat* GainField;
    QPushButton* TakeFromBenchButton;
    QLabel* RangeLabel;
    TEditFloat* FromField;
    TEditFloat* ToField;
    TEditFloat* StepField;
    QLabel* TrialsLabel;
    QComboBox* TrialsChoice;
    QLineEdit* SeedField;
    QPushButton* NewSeedButton;
    QPushButton* BuildButton;
    QPushButton* StopButton;
    QProgressBar* Progress;
    QLabel* StatusLabel;
    QPushButton* SavePlotButton;
    QPushButton* SaveTableButton;
    QPushButton* CopyPlotButton;
    QPushButton* CopyTableButton;
    QPushButton* CloseButton;
    SweepPlotView* PlotView;
    QLabel* PointLabel;
    QTableWidget* Table;

signals:
    // A sweep has ended: its picture and table shown when complete.
    void RunEnded(bool complete);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void DrawingChanged();
    void RestoreChoices();
    void ShowProgress();
    void RunFinished(bool complete);
    void ShowResults();
    void ShowMark(int mark);
    void EnableCommands();
    Drawing CurrentDrawing() const;

    AnalysisHost host_;
    SweepRun* run_;
    QTimer* progressTimer_;
    QElapsedTimer elapsed_;
    bool rangeOfGains_ = false;
    bool keyboardOnStop_ = false; // «Остановить» had the focus when pressed
    bool placed_ = false;
    // The run under way, then the results shown with what made them.
    sweep::SweepSettings runSettings_;
    uint32_t runSeed_ = 0;
    sweep::SweepSettings shownSettings_;
    uint32_t shownSeed_ = 0;
    std::vector<sweep::PointResult> shown_;
};

// The window as a CharacteristicsFactory makes it: what the module exports,
// and what tests set in its place.
QWidget* NewCharacteristicsForm(const AnalysisHost& host, QWidget* owner);
