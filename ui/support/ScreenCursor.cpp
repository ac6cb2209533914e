// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

Qt::CursorShape ShapeOf(TCursor cursor)
{
    return cursor == crHourGlass ? Qt::WaitCursor : Qt::BusyCursor;
}

}  // namespace

void SetScreenCursor(TCursor cursor)
{
    while (QGuiApplication::overrideCursor() != nullptr)
        QGuiApplication::restoreOverrideCursor();
    if (cursor != crDefault)
        QGuiApplication::setOverrideCursor(QCursor(ShapeOf(cursor)));
}

TCursor ScreenCursor()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    if (cursor == nullptr)
        return crDefault;
    return cursor->shape() == Qt::WaitCursor ? crHourGlass : crAppStart;
}
