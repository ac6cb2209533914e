#pragma once

#include "Bench.h"
#include "Panel.h"

#include <QMainWindow>
#include <array>
#include <cstdint>

class KeptJournal;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class TEditFloat;
class TImage;
class TJournalForm;

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
    // Shows the journal window, created at the first call.
    void JournalItemClick();
    // Shows the window «Характеристики», created at the first call with the
    // shapes and K the bench has then.
    void CharacteristicsItemClick();

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

    // The menu to the right of the bench's own: the session's journal.
    QMenu* JournalMenu;
    QAction* JournalItem;
    // Every measurement of the session, kept in the user's data folder.
    KeptJournal* Journal;
    TJournalForm* JournalForm = nullptr;
    // The menu «Анализ», right of «Журнал»: the sweep's characteristics.
    QMenu* AnalysisMenu;
    QAction* CharacteristicsItem;
    QWidget* CharacteristicsForm = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void NameForAccessibility();
    void BuildMenus();
    void FixDesignedSize();

    DetectorBench& bench_;
    // What the last measurement published, for the journal.
    MeasurementResult published_;
};

extern TForm1* Form1;
