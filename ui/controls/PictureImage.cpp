// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureImage.h"

#include "resources/EmbeddedPictures.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

TImage::TImage(const QString& picturePath, const QRect& geometry, QWidget* parent)
    : QLabel(parent), picturePath_(picturePath)
{
    setGeometry(geometry);
    setAlignment(Qt::AlignCenter);
}

QImage TImage::Picture() const
{
    if (decoded_)
        return pixmap().toImage();
    return LoadPicture(picturePath_);
}

void TImage::Decode()
{
    decoded_ = true;
    const QImage picture = LoadPicture(picturePath_);
    if (picture.isNull())
        return;
    setPixmap(QPixmap::fromImage(picture));
    resize(picture.size());
}

void TImage::showEvent(QShowEvent* event)
{
    if (!decoded_)
        Decode();
    QLabel::showEvent(event);
}

void TImage::contextMenuEvent(QContextMenuEvent* event)
{
    if (popupMenu_ == nullptr) {
        QLabel::contextMenuEvent(event);
        return;
    }
    popupMenu_->popup(event->globalPos());
    event->accept();
}

void TImage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F10 || event->modifiers() != Qt::ShiftModifier || popupMenu_ == nullptr) {
        QLabel::keyPressEvent(event);
        return;
    }
    const QPoint centre = rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, centre, mapToGlobal(centre), event->modifiers());
    contextMenuEvent(&request);
    event->accept();
}

void TImage::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    emit Click();
}
