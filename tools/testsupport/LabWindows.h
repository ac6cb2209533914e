// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program as it starts, its three windows and its menus, on a bench of
// the test's own with a fixed seed, shown and active, the splash closed.

#include "bench/Bench.h"
#include "editfloat/EditFloatUnit.h"
#include "journal/KeptJournal.h"
#include "ui/analysis/opener/AnalysisMenu.h"
#include "ui/controls/PictureImage.h"
#include "ui/controls/RadioGroup.h"
#include "ui/journal/JournalMenu.h"
#include "ui/program/LabProgram.h"
#include "ui/windows/HelloUnit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

inline void CloseSplashWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* splash = qobject_cast<THelloForm*>(window))
            splash->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct LabWindows {
    using MainWindowMaker = LabProgram::MainWindowMaker;

    explicit LabWindows(uint32_t seed = 20100401, const MainWindowMaker& makeMainWindow = {})
        : bench(seed), program(bench, makeMainWindow)
    {
        CloseSplashWindows();
        // The offscreen screen is 800 x 600, where the window would start maximised.
        form1->setWindowState(Qt::WindowNoState);
        form1->show();
        form1->activateWindow();
        shown = QTest::qWaitForWindowActive(form1.get());
    }

    LabWindows(const LabWindows&) = delete;
    LabWindows& operator=(const LabWindows&) = delete;

    // Moves the switches as the dialog's radio groups do (1-based positions).
    void SetSwitches(int k1, int k2, int k3) const
    {
        form2->RadioGroup1->Item(k1 - 1)->click();
        form2->RadioGroup2->Item(k2 - 1)->click();
        form2->RadioGroup3->Item(k3 - 1)->click();
    }

    void SetShapes(int signal1, int signal2) const
    {
        const std::array<QRadioButton*, 4> first{form3->RadioButton1, form3->RadioButton2, form3->RadioButton3,
                                                 form3->RadioButton4};
        const std::array<QRadioButton*, 4> second{form3->RadioButton5, form3->RadioButton6, form3->RadioButton7,
                                                  form3->RadioButton8};
        first[static_cast<std::size_t>(signal1 - 1)]->click();
        second[static_cast<std::size_t>(signal2 - 1)]->click();
    }

    // Replaces the field's text by typing, leaving the typing cursor in it.
    static void Type(TEditFloat* field, const QString& text)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    void ClickMeasure() const { QTest::mouseClick(form1->Button3, Qt::LeftButton); }

    QStringList Results() const
    {
        return {form1->StaticText1->text(), form1->StaticText2->text(), form1->StaticText3->text()};
    }

    // Names of the schematic pictures that a user sees.
    QStringList VisibleSchemes() const
    {
        QStringList names;
        for (const TImage* image : form1->SchemeImages)
            if (image->isVisible())
                names.append(image->objectName());
        return names;
    }

    // The session's journal, and the windows of the menus «Журнал» and «Анализ» once opened.
    KeptJournal& Journal() const { return *program.Journal; }
    TJournalForm* JournalWindow() const { return program.Journals->JournalWindow(); }
    QWidget* CharacteristicsWindow() const { return program.Analysis->CharacteristicsWindow(); }

    DetectorBench bench;
    LabProgram program;
    std::unique_ptr<TForm1>& form1 = program.form1;
    std::unique_ptr<TForm2>& form2 = program.form2;
    std::unique_ptr<TForm3>& form3 = program.form3;
    bool shown = false;
};
