// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpMenu.h"

#include "AboutBox.h"
#include "LanguageMenu.h"
#include "TheoryWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QActionEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// Moves the help menu back to the end of its bar whenever another menu is
// added after it.
class RightmostMenu : public QObject {
public:
    RightmostMenu(QMenuBar* bar, QAction* menu) : QObject(bar), bar_(bar), menu_(menu)
    {
        bar->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == bar_ && event->type() == QEvent::ActionAdded
            && static_cast<QActionEvent*>(event)->action() != menu_ && bar_->actions().constLast() != menu_) {
            bar_->removeAction(menu_);
            bar_->addAction(menu_);
        }
        return false;
    }

private:
    QMenuBar* bar_;
    QAction* menu_;
};

// F1 in any window of the program. In the main window the menu item's own
// shortcut takes the key; a modal dialog blocks that shortcut, so there the
// key press reaches this filter on the application.
class TheoryKey : public QObject {
public:
    TheoryKey(QAction* theory, QObject* owner) : QObject(owner), theory_(theory)
    {
        QApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        theory_->trigger();
        return true;
    }

private:
    QAction* theory_;
};

}  // namespace

QMenu* AddHelpMenu(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();
    QMenu* menu = bar->addMenu(QCoreApplication::translate("HelpMenu", "Справка"));
    menu->setObjectName("HelpMenu");
    QAction* theory = menu->addAction(QCoreApplication::translate("HelpMenu", "Теория"));
    theory->setObjectName("TheoryItem");
    theory->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* about = menu->addAction(QCoreApplication::translate("HelpMenu", "О программе"));
    about->setObjectName("AboutItem");
    menu->addSeparator();
    AddLanguageMenu(menu);

    QObject::connect(theory, &QAction::triggered, window, [window] { TTheoryWindow::Open(window); });
    QObject::connect(about, &QAction::triggered, window, [window] { ShowAboutBox(window); });
    new RightmostMenu(bar, menu->menuAction());
    new TheoryKey(theory, menu);
    return menu;
}
