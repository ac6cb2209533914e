// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/controls/Panel.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QAction;
class QButtonGroup;
class QGroupBox;
class QMenu;
class QPushButton;
class QRadioButton;
class TImage;

// The signal-selection dialog: the shapes (1 to 4) of the two test signals,
// each shown by the picture of the chosen shape, which can be copied or saved.
// A selection takes effect at once; closing the dialog only hides it.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);

    std::int32_t Signal1Shape = 0;
    std::int32_t Signal2Shape = 0;

    void SetSignal1Shape(std::int32_t shape);
    void SetSignal2Shape(std::int32_t shape);

    void RadioButton1Click() { SetSignal1Shape(1); }
    void RadioButton2Click() { SetSignal1Shape(2); }
    void RadioButton3Click() { SetSignal1Shape(3); }
    void RadioButton4Click() { SetSignal1Shape(4); }
    void RadioButton5Click() { SetSignal2Shape(1); }
    void RadioButton6Click() { SetSignal2Shape(2); }
    void RadioButton7Click() { SetSignal2Shape(3); }
    void RadioButton8Click() { SetSignal2Shape(4); }
    // Copy (N1, N3) and save (N2, N4) the picture of signal 1's or signal 2's
    // stored shape; nothing for a shape outside 1 to 4.
    void N1Click() { CopyShownImage(1); }
    void N2Click() { SaveShownImage(1); }
    void N3Click() { CopyShownImage(2); }
    void N4Click() { SaveShownImage(2); }
    void Button1Click();

    QGroupBox* GroupBox1;
    TPanel* Panel1;
    TImage* Image11;
    TImage* Image12;
    TImage* Image13;
    TImage* Image14;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QButtonGroup* RadioGroup1;
    QGroupBox* GroupBox2;
    TPanel* Panel2;
    TImage* Image21;
    TImage* Image22;
    TImage* Image23;
    TImage* Image24;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QRadioButton* RadioButton8;
    QButtonGroup* RadioGroup2;
    QPushButton* Button1;
    QMenu* PopupMenu1;
    QAction* N1;
    QAction* N2;
    QMenu* PopupMenu2;
    QAction* N3;
    QAction* N4;

    // The picture of the given shape (1 to 4) of signal 1 or 2; null outside.
    TImage* SignalImage(int signal, std::int32_t shape) const;

protected:
    // Each showing opens the dialog at its designed place, fitted to the
    // screen; the first one with the focus on the shape of signal 1.
    void showEvent(QShowEvent* event) override;

private:
    // Hides the picture of the signal's stored shape, stores the new shape
    // and shows its picture.
    void SetSignalShape(int signal, std::int32_t shape);
    TImage* ShownImage(int signal) const;
    void CopyShownImage(int signal) const;
    void SaveShownImage(int signal) const;

    std::array<TImage*, 4> images1_{};
    std::array<TImage*, 4> images2_{};
};

// The program's one signal-selection dialog, created at start-up.
extern TForm3* Form3;
