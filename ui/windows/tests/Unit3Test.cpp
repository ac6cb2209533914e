// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PlainMessage.h"
#include "resources/EmbeddedPictures.h"
#include "tools/testsupport/TestPictures.h"
#include "ui/controls/PictureImage.h"
#include "ui/support/SavePictureDialog.h"
#include "ui/windows/Unit3.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// Which pictures of each group are shown, as "shapes of signal 1 / of signal 2".
QString ShownPictures(const TForm3& form)
{
    QStringList groups;
    for (int signal = 1; signal <= 2; ++signal) {
        QString shown;
        for (int shape = 1; shape <= 4; ++shape)
            if (form.SignalImage(signal, shape)->isVisibleTo(&form))
                shown += QString::number(shape);
        groups.append(shown);
    }
    return groups.join('/');
}

QImage SignalPicture(int shape)
{
    return LoadPicture(SignalPicturePath(1, shape));
}

}  // namespace

class Unit3Test : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm3> form_;

    void ShowForm()
    {
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

private slots:
    void init() { form_ = std::make_unique<TForm3>(); }
    void cleanup() { form_.reset(); }

    void window()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Сигналы"));
        QCOMPARE(form_->size(), QSize(385, 481));
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        QCOMPARE(form_->font().family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(form_->font().pixelSize(), 11);
        QVERIFY(!(form_->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
        ShowForm();
        QCOMPARE(form_->pos(), QPoint(483, 167));
    }

    // The first opening puts the focus on the selected shape of signal 1; a
    // later one finds it where the user left it.
    void firstFocus()
    {
        form_->RadioButton3->click();
        ShowForm();
        QCOMPARE(form_->focusWidget(), form_->RadioButton3);
        form_->Button1->setFocus();
        form_->hide();
        ShowForm();
        QCOMPARE(form_->focusWidget(), form_->Button1);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("GroupBox1") << "GroupBox1" << "Form3" << QRect(0, 0, 385, 217) << "  Cигнал1  ";
        QTest::newRow("GroupBox2") << "GroupBox2" << "Form3" << QRect(0, 216, 385, 209) << "  Cигнал2  ";
        QTest::newRow("Panel1") << "Panel1" << "GroupBox1" << QRect(8, 16, 324, 194) << "";
        QTest::newRow("Panel2") << "Panel2" << "GroupBox2" << QRect(8, 16, 324, 194) << "";
        const int offsets[] = {16, 12, 8, 4};
        for (int signal = 1; signal <= 2; ++signal) {
            for (int shape = 1; shape <= 4; ++shape) {
                const QString name = QString("Image%1%2").arg(signal).arg(shape);
                const int offset = offsets[shape - 1];
                QTest::newRow(qPrintable(name)) << name << QString("Panel%1").arg(signal)
                                                << QRect(offset, offset, 304, 174) << "";
            }
        }
        const QRect radioButtons[] = {{336, 40, 33, 17}, {336, 80, 41, 17}, {336, 120, 41, 17}, {336, 160, 41, 17}};
        for (int number = 1; number <= 8; ++number) {
            const QString name = QString("RadioButton%1").arg(number);
            QTest::newRow(qPrintable(name)) << name << QString("GroupBox%1").arg((number - 1) / 4 + 1)
                                            << radioButtons[(number - 1) % 4] << QString::number((number - 1) % 4 + 1);
        }
        QTest::newRow("Button1") << "Button1" << "Form3" << QRect(112, 440, 153, 33) << "Готово";
    }

    // Shown, so that the pictures have taken their own size.
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        ShowForm();
        const auto* widget = form_->findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(), geometry);
        if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            QCOMPARE(box->title(), caption);
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            QCOMPARE(button->text(), caption);
    }

    void popupMenus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("image");
        QTest::newRow("signal 1") << "PopupMenu1" << "Image11";
        QTest::newRow("signal 2") << "PopupMenu2" << "Image22";
    }

    void popupMenus()
    {
        QFETCH(QString, menu);
        QFETCH(QString, image);
        ShowForm();
        auto* popup = form_->findChild<QMenu*>(menu);
        QVERIFY(popup != nullptr);
        const QList<QAction*> items = popup->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("Копировать рисунок"));
        QCOMPARE(items[1]->text(), QStringLiteral("Сохранить рисунок"));
        QVERIFY(!items[0]->icon().isNull());
        QVERIFY(!items[1]->icon().isNull());

        auto* picture = form_->findChild<TImage*>(image);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), picture->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(picture, &event);
        QTRY_VERIFY(popup->isVisible());
        popup->close();
    }

    void startState()
    {
        QCOMPARE(form_->Signal1Shape, 1);
        QCOMPARE(form_->Signal2Shape, 2);
        QVERIFY(form_->RadioButton1->isChecked());
        QVERIFY(form_->RadioButton6->isChecked());
        QCOMPARE(ShownPictures(*form_), QString("1/2"));
        ShowForm();
        // Only the pictures shown have been decoded.
        for (int signal = 1; signal <= 2; ++signal)
            for (int shape = 1; shape <= 4; ++shape)
                QCOMPARE(form_->SignalImage(signal, shape)->IsDecoded(), signal == shape);
    }

    void clickingAShape_data()
    {
        QTest::addColumn<QList<int>>("clicks");  // radio button numbers, in order
        QTest::addColumn<int>("shape1");
        QTest::addColumn<int>("shape2");
        QTest::newRow("signal 1 to 4, signal 2 kept") << QList<int>{4} << 4 << 2;
        QTest::newRow("signal 2 to 3") << QList<int>{7} << 1 << 3;
        QTest::newRow("both the same shape") << QList<int>{5} << 1 << 1;
        QTest::newRow("both shape 4") << QList<int>{4, 8} << 4 << 4;
        QTest::newRow("back and forth") << QList<int>{2, 3, 1, 8, 6} << 1 << 2;
        QTest::newRow("selected again") << QList<int>{1, 6} << 1 << 2;
    }

    void clickingAShape()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(int, shape1);
        QFETCH(int, shape2);
        ShowForm();
        for (int number : clicks)
            QTest::mouseClick(form_->findChild<QRadioButton*>(QString("RadioButton%1").arg(number)), Qt::LeftButton);
        QCOMPARE(form_->Signal1Shape, shape1);
        QCOMPARE(form_->Signal2Shape, shape2);
        QCOMPARE(ShownPictures(*form_), QString("%1/%2").arg(shape1).arg(shape2));
        QVERIFY(form_->findChild<QRadioButton*>(QString("RadioButton%1").arg(shape1))->isChecked());
        QVERIFY(form_->findChild<QRadioButton*>(QString("RadioButton%1").arg(shape2 + 4))->isChecked());
    }

    void arrowKeysMoveWithinOneGroup()
    {
        ShowForm();
        form_->RadioButton1->setFocus();
        QTest::keyClick(form_->RadioButton1, Qt::Key_Down);
        QCOMPARE(form_->Signal1Shape, 2);
        QCOMPARE(form_->Signal2Shape, 2);
        QCOMPARE(ShownPictures(*form_), QString("2/2"));
    }

    void shapeOutsideTheRange()
    {
        PlainMessageRecorder messages;
        int dialogs = 0;
        const BitmapFileNameChooser previous = SetBitmapFileNameChooser([&](QWidget*) {
            ++dialogs;
            return std::nullopt;
        });
        QGuiApplication::clipboard()->setText("kept");
        form_->SetSignal1Shape(0);
        form_->SetSignal2Shape(5);
        QCOMPARE(ShownPictures(*form_), QString("/"));
        form_->N1Click();
        form_->N2Click();
        form_->N3Click();
        form_->N4Click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("kept"));
        QCOMPARE(dialogs, 0);
        form_->SetSignal1Shape(3);
        QCOMPARE(ShownPictures(*form_), QString("3/"));
        SetBitmapFileNameChooser(previous);
    }

    void copyTakesTheStoredShapeOfItsSignal_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("shape");
        QTest::newRow("lower picture") << "N3" << 3;
        QTest::newRow("upper picture") << "N1" << 4;
    }

    void copyTakesTheStoredShapeOfItsSignal()
    {
        QFETCH(QString, item);
        QFETCH(int, shape);
        ShowForm();
        QTest::mouseClick(form_->RadioButton4, Qt::LeftButton);
        QTest::mouseClick(form_->RadioButton7, Qt::LeftButton);
        QAction* action = item == "N1" ? form_->N1 : form_->N3;
        action->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(304, 174));
        QVERIFY(SamePixels(copied, SignalPicture(shape)));
        QVERIFY(!SamePixels(copied, SignalPicture(7 - shape)));
    }

    void saveTakesTheStoredShapeOfItsSignal_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("shape");
        QTest::newRow("upper picture") << "N2" << 2;
        QTest::newRow("lower picture") << "N4" << 1;
    }

    void saveTakesTheStoredShapeOfItsSignal()
    {
        QFETCH(QString, item);
        QFETCH(int, shape);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString name = dir.filePath("Рисунок.bmp");
        QWidget* owner = nullptr;
        const BitmapFileNameChooser previous = SetBitmapFileNameChooser([&](QWidget* chooserOwner) {
            owner = chooserOwner;
            return std::optional<QString>(name);
        });
        form_->SetSignal1Shape(2);
        form_->SetSignal2Shape(1);
        (item == "N2" ? form_->N2 : form_->N4)->trigger();
        SetBitmapFileNameChooser(previous);

        QCOMPARE(owner, form_->SignalImage(item == "N2" ? 1 : 2, shape));
        QVERIFY(SamePixels(QImage(name, "BMP"), SignalPicture(shape)));
    }

    void closingKeepsTheSelection_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Готово") << true;
        QTest::newRow("title bar") << false;
    }

    void closingKeepsTheSelection()
    {
        QFETCH(bool, byButton);
        QTimer::singleShot(0, this, [&] {
            QTest::mouseClick(form_->RadioButton3, Qt::LeftButton);
            QTest::mouseClick(form_->RadioButton5, Qt::LeftButton);
            if (byButton)
                QTest::mouseClick(form_->Button1, Qt::LeftButton);
            else
                form_->close();
        });
        QCOMPARE(form_->exec(), int(QDialog::Rejected));
        QVERIFY(form_->isHidden());
        QCOMPARE(form_->Signal1Shape, 3);
        QCOMPARE(form_->Signal2Shape, 1);

        QTimer::singleShot(0, form_.get(), &TForm3::Button1Click);
        form_->exec();
        QCOMPARE(ShownPictures(*form_), QString("3/1"));
        QVERIFY(form_->RadioButton3->isChecked());
        QVERIFY(form_->RadioButton5->isChecked());
    }
};

QTEST_MAIN(Unit3Test)
#include "Unit3Test.moc"
