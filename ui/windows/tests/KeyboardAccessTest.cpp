// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/testsupport/LabWindows.h"
#include "ui/support/SchemeTable.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QSet>
#include <QWindow>

namespace {

enum class Window { Main, Switches, Signals };

QWidget* WindowOf(const LabWindows& lab, Window window)
{
    switch (window) {
    case Window::Main:
        return lab.form1.get();
    case Window::Switches:
        return lab.form2.get();
    case Window::Signals:
        return lab.form3.get();
    }
    return nullptr;
}

// Shows the window, active, as a user has it in front of them.
bool Activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The control by its own name, or by its group and caption for the items of a
// radio group, which have no name of their own.
QString Describe(const QWidget* widget)
{
    if (widget == nullptr)
        return QStringLiteral("(nothing)");
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    const QWidget* parent = widget->parentWidget();
    return (parent != nullptr ? parent->objectName() : QString()) + '/' + (button != nullptr ? button->text() : QString());
}

QWidget* FindControl(const QWidget* window, const QString& description)
{
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (Describe(widget) == description)
            return widget;
    return nullptr;
}

// The controls that Tab (or Shift+Tab) visits from the first, pressed at the
// focused control as a user presses it, until one more press than the
// expected count.
QStringList WalkFocus(QWidget* first, int presses, Qt::Key key)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList visited{Describe(QApplication::focusWidget())};
    for (int press = 0; press < presses; ++press) {
        QTest::keyClick(QApplication::focusWidget(), key);
        visited << Describe(QApplication::focusWidget());
    }
    return visited;
}

QList<QWidget*> FocusableControls(const QWidget* window)
{
    QList<QWidget*> focusable;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->focusPolicy() != Qt::NoFocus && widget->isVisible() && widget->isEnabled())
            focusable << widget;
    return focusable;
}

// What a keyboard user does to open a control's popup menu.
enum class MenuRequest { MenuKey, ShiftF10 };

void RequestPopupMenu(QWidget* window, MenuRequest request)
{
    if (request == MenuRequest::ShiftF10) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_F10, Qt::ShiftModifier);
        return;
    }
    // The menu key reaches the window as a context-menu request from the
    // keyboard, which the window hands to its focused control.
    QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QCoreApplication::sendEvent(window->windowHandle(), &fromKeyboard);
}

}  // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(MenuRequest)

class KeyboardAccessTest : public QObject {
    Q_OBJECT

private slots:
    // Tab runs through the controls in their designed order and wraps;
    // Shift+Tab runs back. A picture and a group of radio buttons are one
    // stop each: the visible picture, the selected button.
    void tabOrder_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QList<int>>("switches");
        QTest::addColumn<QList<int>>("shapes");
        QTest::addColumn<QStringList>("expected");
        const QList<int> start{1, 1, 1};
        const QList<int> startShapes{1, 2};
        QTest::newRow("main window") << Window::Main << start << startShapes
                                     << QStringList{"Button1", "Button2", "Button3", "EditFloat1", "EditFloat2",
                                                    "Image111"};
        QTest::newRow("main window, switches moved")
            << Window::Main << QList<int>{3, 2, 2} << startShapes
            << QStringList{"Button1", "Button2", "Button3", "EditFloat1", "EditFloat2", "Image322"};
        QTest::newRow("switch dialog") << Window::Switches << start << startShapes
                                       << QStringList{"RadioGroup1/1", "RadioGroup2/1", "RadioGroup3/1", "Button1"};
        QTest::newRow("switch dialog, switches moved")
            << Window::Switches << QList<int>{2, 2, 1} << startShapes
            << QStringList{"RadioGroup1/2", "RadioGroup2/2", "RadioGroup3/1", "Button1"};
        QTest::newRow("signal dialog") << Window::Signals << start << startShapes
                                       << QStringList{"Image11", "RadioButton1", "Image22", "RadioButton6", "Button1"};
        QTest::newRow("signal dialog, shapes changed")
            << Window::Signals << start << QList<int>{4, 3}
            << QStringList{"Image14", "RadioButton4", "Image23", "RadioButton7", "Button1"};
    }

    void tabOrder()
    {
        QFETCH(Window, window);
        QFETCH(QList<int>, switches);
        QFETCH(QList<int>, shapes);
        QFETCH(QStringList, expected);
        LabWindows lab;
        lab.SetSwitches(switches[0], switches[1], switches[2]);
        lab.SetShapes(shapes[0], shapes[1]);
        QWidget* shown = WindowOf(lab, window);
        QVERIFY(Activate(shown));
        QWidget* first = FindControl(shown, expected.first());
        QVERIFY(first != nullptr);

        const auto presses = static_cast<int>(expected.size());
        QStringList forward = expected;
        forward << expected.first();
        QCOMPARE(WalkFocus(first, presses, Qt::Key_Tab), forward);

        QStringList backward{expected.first()};
        for (auto control = expected.crbegin(); control != expected.crend(); ++control)
            backward << *control;
        QCOMPARE(WalkFocus(first, presses, Qt::Key_Backtab), backward);
    }

    // Every control that Tab reaches has a name for assistive technology, and
    // every picture, shown or not, has a name and a description.
    void controlsAndPicturesAreNamed_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<int>("focusable");
        QTest::addColumn<int>("pictures");
        QTest::newRow("main window") << Window::Main << 6 << 12;
        QTest::newRow("switch dialog") << Window::Switches << 8 << 0;
        QTest::newRow("signal dialog") << Window::Signals << 11 << 8;
    }

    void controlsAndPicturesAreNamed()
    {
        QFETCH(Window, window);
        QFETCH(int, focusable);
        QFETCH(int, pictures);
        LabWindows lab;
        QWidget* shown = WindowOf(lab, window);
        QVERIFY(Activate(shown));

        const QList<QWidget*> controls = FocusableControls(shown);
        QStringList unnamed;
        for (const QWidget* control : controls)
            if (control->accessibleName().trimmed().isEmpty())
                unnamed << Describe(control);
        QCOMPARE(unnamed, QStringList());
        // Radio buttons count one by one here, hidden pictures not at all.
        QCOMPARE(controls.size(), focusable);

        QSet<QString> names;
        const QList<TImage*> images = shown->findChildren<TImage*>();
        for (const TImage* image : images) {
            QVERIFY2(!image->accessibleDescription().isEmpty(), qPrintable(image->objectName()));
            names << image->accessibleName();
        }
        QCOMPARE(images.size(), pictures);
        QCOMPARE(names.size(), pictures);  // no two pictures are told alike
        QVERIFY(!names.contains(QString()));
    }

    // Each schematic's name tells the positions it is drawn for; the two
    // signals' pictures of one shape tell the same course.
    void picturesTellWhatTheyShow()
    {
        LabWindows lab;
        for (const SchemePosition& row : SchemeTable) {
            const TImage* image = lab.form1->SchemeImage(row.Switches);
            const QString name = image->accessibleName();
            QVERIFY2(name.startsWith(QStringLiteral("Схема лабораторной установки")), qPrintable(name));
            for (const auto& [key, index] : {std::pair{"К1", row.Switches.K1Index},
                                             std::pair{"К2", row.Switches.K2Index},
                                             std::pair{"К3", row.Switches.K3Index}})
                QVERIFY2(name.contains(QStringLiteral("%1 в положении %2").arg(QString::fromUtf8(key)).arg(index + 1)),
                         qPrintable(name));
        }
        for (int shape = 1; shape <= 4; ++shape) {
            const TImage* first = lab.form3->SignalImage(1, shape);
            const TImage* second = lab.form3->SignalImage(2, shape);
            QVERIFY(first->accessibleName().startsWith(QStringLiteral("Сигнал 1, форма %1: ").arg(shape)));
            QCOMPARE(second->accessibleName().replace(QStringLiteral("Сигнал 2"), QStringLiteral("Сигнал 1")),
                     first->accessibleName());
            QCOMPARE(first->accessibleDescription(), second->accessibleDescription());
        }
    }

    // Captions carry no keyboard accelerators.
    void captionsAreMnemonicFree()
    {
        LabWindows lab;
        for (const QWidget* window : {WindowOf(lab, Window::Main), WindowOf(lab, Window::Switches),
                                      WindowOf(lab, Window::Signals)}) {
            QStringList captions;
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
                captions << button->text();
            for (const QGroupBox* box : window->findChildren<QGroupBox*>())
                captions << box->title();
            for (const QAction* action : window->findChildren<QAction*>())
                captions << action->text();
            QVERIFY(captions.size() > 3);
            for (const QString& caption : captions)
                QVERIFY2(!caption.contains('&'), qPrintable(caption));
        }
    }

    // A keyboard user reaches a picture with Tab, opens its popup menu and
    // copies the picture, without a mouse.
    void pictureCopiedFromTheKeyboard_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("from");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<MenuRequest>("request");
        QTest::addColumn<QSize>("copied");
        QTest::newRow("schematic, menu key") << Window::Main << "EditFloat2" << Qt::Key_Tab << "Image111"
                                             << "PopupMenu1" << MenuRequest::MenuKey << QSize(687, 300);
        QTest::newRow("schematic, Shift+F10") << Window::Main << "Button1" << Qt::Key_Backtab << "Image111"
                                              << "PopupMenu1" << MenuRequest::ShiftF10 << QSize(687, 300);
        QTest::newRow("signal 2, menu key") << Window::Signals << "RadioButton6" << Qt::Key_Backtab << "Image22"
                                            << "PopupMenu2" << MenuRequest::MenuKey << QSize(304, 174);
        QTest::newRow("signal 1, Shift+F10") << Window::Signals << "RadioButton1" << Qt::Key_Backtab << "Image11"
                                             << "PopupMenu1" << MenuRequest::ShiftF10 << QSize(304, 174);
    }

    void pictureCopiedFromTheKeyboard()
    {
        QFETCH(Window, window);
        QFETCH(QString, from);
        QFETCH(Qt::Key, key);
        QFETCH(QString, picture);
        QFETCH(QString, menu);
        QFETCH(MenuRequest, request);
        QFETCH(QSize, copied);
        LabWindows lab;
        QWidget* shown = WindowOf(lab, window);
        QVERIFY(Activate(shown));
        auto* popup = shown->findChild<QMenu*>(menu);
        QVERIFY(popup != nullptr);

        shown->findChild<QWidget*>(from)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(Describe(QApplication::focusWidget()), picture);

        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        RequestPopupMenu(shown, request);
        QTRY_VERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QTRY_VERIFY(!popup->isVisible());
        QCOMPARE(QGuiApplication::clipboard()->image().size(), copied);
    }

    // A click on the schematic leaves the focus, and a field's uncommitted
    // text, where they are.
    void clickOnTheSchematicKeepsTheFocus()
    {
        LabWindows lab;
        QVERIFY(lab.shown);
        LabWindows::Type(lab.form1->EditFloat1, QStringLiteral("5"));
        QTest::mouseClick(lab.form1->SchemeImages[0], Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(QApplication::focusWidget(), lab.form1->EditFloat1);
        QCOMPARE(lab.form1->EditFloat1->Val(), 1.0);
    }

    // A user who has the focus on the schematic keeps it on the schematic that
    // replaces it when a switch moves, whether the main window or the switch
    // dialog is in front at the time.
    void focusFollowsTheSchematic_data()
    {
        QTest::addColumn<bool>("fromDialog");
        QTest::newRow("main window in front") << false;
        QTest::newRow("switch dialog in front") << true;
    }

    void focusFollowsTheSchematic()
    {
        QFETCH(bool, fromDialog);
        LabWindows lab;
        QVERIFY(lab.shown);
        lab.SetSwitches(3, 2, 2);
        lab.form1->CurrentSchemeImage()->setFocus(Qt::TabFocusReason);
        if (fromDialog)
            QVERIFY(Activate(lab.form2.get()));
        // To a schematic before the old one in the focus chain, and on.
        lab.SetSwitches(1, 1, 2);
        lab.SetSwitches(2, 1, 1);
        if (fromDialog) {
            lab.form2->hide();
            QVERIFY(Activate(lab.form1.get()));
        }
        QCOMPARE(Describe(QApplication::focusWidget()), QStringLiteral("Image211"));
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "KeyboardAccessTest.moc"
