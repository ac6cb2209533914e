// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/testsupport/LabWindows.h"
#include "tools/testsupport/SwitchPositionRows.h"
#include "ui/support/SchemeTable.h"

#include <QTimer>

namespace {

QString ImageName(int k1, int k2, int k3)
{
    return QStringLiteral("Image%1%2%3").arg(k1).arg(k2).arg(k3);
}

}  // namespace

class Unit2Test : public QObject {
    Q_OBJECT

private slots:
    void layoutAsDesigned()
    {
        LabWindows lab;
        TForm2& dialog = *lab.form2;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Положение ключей "));
        QCOMPARE(dialog.size(), QSize(193, 173));
        QCOMPARE(dialog.RadioGroup1->title(), QStringLiteral("  К1  "));
        QCOMPARE(dialog.RadioGroup3->geometry(), QRect(136, 8, 49, 105));
        QCOMPARE(dialog.Button1->text(), QStringLiteral("Готово"));
        QCOMPARE(dialog.Button1->geometry(), QRect(8, 128, 177, 33));
        QVERIFY(dialog.RadioGroup1->Item(2) != nullptr);
        QVERIFY(dialog.RadioGroup2->Item(2) == nullptr);
        QCOMPARE(dialog.Switches(), (SwitchConfiguration{0, 0, 0}));
    }

    // Every position shows its own schematic and no other, and the main
    // window's current schematic is that one.
    void eachPositionShowsItsSchematic_data()
    {
        AddSwitchPositionRows();
    }

    void eachPositionShowsItsSchematic()
    {
        QFETCH(int, k1);
        QFETCH(int, k2);
        QFETCH(int, k3);
        LabWindows lab;
        lab.SetSwitches(k1, k2, k3);
        QCOMPARE(lab.form2->Switches(), (SwitchConfiguration{k1 - 1, k2 - 1, k3 - 1}));
        QCOMPARE(lab.VisibleSchemes(), QStringList{ImageName(k1, k2, k3)});
        QCOMPARE(lab.form1->CurrentSchemeImage()->objectName(), ImageName(k1, k2, k3));
        QVERIFY(lab.form1->CurrentSchemeImage()->IsDecoded());
    }

    // The dialog opens over the main window; each change switches the
    // schematic at once, and closing keeps the positions.
    void changesWhileTheDialogIsOpen()
    {
        LabWindows lab;
        QStringList seen;
        QPoint dialogCentre;
        bool titleBarClose = false;
        bool dialogActive = false;
        QTimer::singleShot(0, lab.form2.get(), [&] {
            TForm2& dialog = *lab.form2;
            dialogActive = QTest::qWaitForWindowActive(&dialog);
            dialogCentre = dialog.geometry().center();
            seen << lab.VisibleSchemes().join(' ');
            QTest::mouseClick(dialog.RadioGroup2->Item(1), Qt::LeftButton);
            seen << lab.VisibleSchemes().join(' ');
            QTest::mouseClick(dialog.RadioGroup1->Item(2), Qt::LeftButton);
            seen << lab.VisibleSchemes().join(' ');
            QTest::mouseClick(dialog.RadioGroup1->Item(2), Qt::LeftButton);
            seen << lab.VisibleSchemes().join(' ');
            dialog.RadioGroup3->Item(0)->setFocus();
            QTest::keyClick(dialog.RadioGroup3->Item(0), Qt::Key_Down);
            seen << lab.VisibleSchemes().join(' ');
            titleBarClose = true;
            dialog.close();
        });
        QTest::mouseClick(lab.form1->Button1, Qt::LeftButton);
        QVERIFY(titleBarClose);
        QVERIFY(dialogActive);
        QVERIFY(!lab.form2->isVisible());
        QCOMPARE(seen, (QStringList{"Image111", "Image121", "Image321", "Image321", "Image322"}));
        const QPoint offCentre = dialogCentre - lab.form1->geometry().center();
        QVERIFY(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2);
        QCOMPARE(lab.form2->Switches(), (SwitchConfiguration{2, 1, 1}));
        QCOMPARE(lab.VisibleSchemes(), QStringList{"Image322"});

        // Reopened from the menu, the dialog shows the stored positions; "Готово" keeps them.
        QList<int> selected;
        QTimer::singleShot(0, lab.form2.get(), [&] {
            TForm2& dialog = *lab.form2;
            selected = {dialog.RadioGroup1->ItemIndex(), dialog.RadioGroup2->ItemIndex(), dialog.RadioGroup3->ItemIndex()};
            QTest::mouseClick(dialog.Button1, Qt::LeftButton);
        });
        lab.form1->N6->trigger();
        QCOMPARE(selected, (QList<int>{2, 1, 1}));
        QCOMPARE(lab.form2->Switches(), (SwitchConfiguration{2, 1, 1}));

        // The next measurement uses them: the noise power reports one trial.
        lab.ClickMeasure();
        QCOMPARE(lab.form1->StaticText2->text(), "1");
    }

    void positionsOutsideTheTableShowNothing()
    {
        LabWindows lab;
        QCOMPARE(SchemeSlot({3, 0, 0}), -1);
        QCOMPARE(SchemeSlot({0, 2, 0}), -1);
        QCOMPARE(SchemeSlot({0, 0, -1}), -1);
        lab.form2->K1Index = 3;
        lab.form2->ShowSchemeImage(true);
        QCOMPARE(lab.VisibleSchemes(), QStringList{"Image111"});
        QVERIFY(lab.form1->SchemeImage({3, 0, 0}) == nullptr);
    }
};

QTEST_MAIN(Unit2Test)
#include "Unit2Test.moc"
