// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// Brings [start, start + length) within [low, high], the start first.
int FittedStart(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length));
}

const QScreen* ScreenAt(const QPoint& place)
{
    const QScreen* screen = QGuiApplication::screenAt(place);
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

QPoint FittedTopLeft(const QRect& frame, const QRect& available)
{
    return {FittedStart(frame.x(), frame.width(), available.left(), available.left() + available.width()),
            FittedStart(frame.y(), frame.height(), available.top(), available.top() + available.height())};
}

QSize FrameSize(const QWidget* window)
{
    QMargins margins;
    if (const QWindow* own = window->windowHandle())
        margins = own->frameMargins();
    if (margins.isNull() && !window->windowFlags().testFlag(Qt::FramelessWindowHint)) {
        for (const QWindow* other : QGuiApplication::topLevelWindows()) {
            if (other->isVisible() && !other->frameMargins().isNull()) {
                margins = other->frameMargins();
                break;
            }
        }
    }
    return window->size().grownBy(margins);
}

void PlaceWindow(QWidget* window, const QPoint& designedTopLeft)
{
    const QScreen* screen = ScreenAt(QRect(designedTopLeft, FrameSize(window)).center());
    if (screen == nullptr) {
        window->move(designedTopLeft);
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize excess = (FrameSize(window) - available.size()).expandedTo(QSize(0, 0));
    if (!excess.isNull()) {
        const QSize cut = window->size() - excess;
        if (window->minimumSize() == window->maximumSize())
            window->setFixedSize(cut);
        else
            window->resize(cut);
    }
    window->move(FittedTopLeft(QRect(designedTopLeft, FrameSize(window)), available));
}

namespace {

void CentreWindowIn(QWidget* window, const QRect& area)
{
    const QSize size = FrameSize(window);
    PlaceWindow(window, area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2));
}

}  // namespace

void CentreWindowOnScreen(QWidget* window)
{
    if (const QScreen* screen = window->screen())
        CentreWindowIn(window, screen->geometry());
}

void CentreWindowOver(QWidget* window, const QWidget* other)
{
    CentreWindowIn(window, other->frameGeometry());
}

void ScreenCentredMessageBox::showEvent(QShowEvent* event)
{
    QMessageBox::showEvent(event);
    CentreWindowOnScreen(this);
}
