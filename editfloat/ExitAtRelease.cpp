// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExitAtRelease.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>

namespace {

class PendingExit : public QObject {
public:
    PendingExit(QWidget* field, QWidget* focusTaker, std::function<void()> exit)
        : QObject(field), button_(qobject_cast<QAbstractButton*>(focusTaker)), exit_(std::move(exit))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            return ExitThenClick(*static_cast<QMouseEvent*>(event));
        case QEvent::KeyPress:
            Exit();
            return false;
        default:
            return false;
        }
    }

private:
    // Runs once: the filter goes before the exit, whose message box has
    // events of its own.
    void Exit()
    {
        qApp->removeEventFilter(this);
        deleteLater();
        const std::function<void()> exit = std::move(exit_);
        exit();
    }

    // True when the release has been used up by the click made here.
    bool ExitThenClick(const QMouseEvent& release)
    {
        const bool pressed = button_ && button_->isDown() && release.button() == Qt::LeftButton;
        const QPointer<QAbstractButton> button = button_;
        Exit();
        // Still pressed: no box came between, and the release clicks it as usual.
        if (!pressed || button.isNull() || button->isDown())
            return false;
        if (button->rect().contains(button->mapFromGlobal(release.globalPosition().toPoint())))
            button->click();
        return true;
    }

    QPointer<QAbstractButton> button_;
    std::function<void()> exit_;
};

}  // namespace

void ExitAtRelease(QWidget* field, QWidget* focusTaker, std::function<void()> exit)
{
    new PendingExit(field, focusTaker, std::move(exit));
}
