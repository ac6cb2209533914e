// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/Measurement.h"

#include <QDialog>
#include <cstdint>

class QPushButton;
class TRadioGroup;

// The switch-position dialog. It holds the positions of K1, K2 and K3 for the
// whole program; each change applies at once and switches the schematic that
// the main window shows.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget* owner = nullptr);

    // Shows or hides the main window's schematic for the stored positions.
    void ShowSchemeImage(bool visible);
    SwitchConfiguration Switches() const { return {K1Index, K2Index, K3Index}; }

    void RadioGroup1Click();
    void Button1Click();

    TRadioGroup* RadioGroup1;
    TRadioGroup* RadioGroup2;
    TRadioGroup* RadioGroup3;
    QPushButton* Button1;

    // 0-based item indexes: K1 0 to 2, K2 and K3 0 or 1.
    int32_t K1Index;
    int32_t K2Index;
    int32_t K3Index;

    // Each showing opens the dialog centred over the main window.
    void setVisible(bool visible) override;

private:
    void NameForAccessibility();
};

extern TForm2* Form2;
