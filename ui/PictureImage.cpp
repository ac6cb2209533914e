#include "PictureImage.h"

#include "EmbeddedPictures.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>

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

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    emit Click();
}
