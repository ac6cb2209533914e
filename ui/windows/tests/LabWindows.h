#pragma once

// The program's three windows as the program creates them, on a bench of the
// test's own with a fixed seed, shown and active, the splash closed.

#include "Bench.h"
#include "EditFloatUnit.h"
#include "HelloUnit.h"
#include "PictureImage.h"
#include "RadioGroup.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"

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
    using MainWindowMaker = std::function<std::unique_ptr<TForm1>(DetectorBench&)>;

    explicit LabWindows(uint32_t seed = 20100401, const MainWindowMaker& makeMainWindow = {})
        : bench(seed), form1(makeMainWindow ? makeMainWindow(bench) : std::make_unique<TForm1>(nullptr, bench))
    {
        Form1 = form1.get();
        form2 = std::make_unique<TForm2>();
        Form2 = form2.get();
        form3 = std::make_unique<TForm3>();
        Form3 = form3.get();
        CloseSplashWindows();
        // The offscreen screen is 800 x 600, where the window would start maximised.
        form1->setWindowState(Qt::WindowNoState);
        form1->show();
        form1->activateWindow();
        shown = QTest::qWaitForWindowActive(form1.get());
    }

    ~LabWindows()
    {
        Form3 = nullptr;
        Form2 = nullptr;
        Form1 = nullptr;
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

    DetectorBench bench;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    bool shown = false;
};
