// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelloUnit.h"

#include "common/language/Language.h"
#include "common/WindowPlacement.h"
#include "resources/EmbeddedPictures.h"
#include "ui/controls/PictureImage.h"
#include "ui/support/ScreenCursor.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QTimer>

namespace {

constexpr QSize clientSize(400, 300);
constexpr int closingDelayMs = 5000;

}  // namespace

THelloForm::THelloForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("HelloForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(clientSize);
    CentreWindowOnScreen(this);

    Image1 = new TImage(SplashPicturePath(ProgramLanguage()), QRect(QPoint(0, 0), clientSize), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setCursor(Qt::BusyCursor);
    Image1->Hint = tr("Нажмите любую клавишу");
    connect(Image1, &TImage::Click, this, &THelloForm::FormClick);

    Timer1 = new QTimer(this);
    Timer1->setInterval(closingDelayMs);
    connect(Timer1, &QTimer::timeout, this, &THelloForm::Timer1Timer);
    Timer1->start();

    FormCreate();
}

void THelloForm::FormCreate()
{
    SetScreenCursor(crAppStart);
}

void THelloForm::FormClick()
{
    close();
}

void THelloForm::Timer1Timer()
{
    Timer1->stop();
    close();
}

void THelloForm::FormClose()
{
    SetScreenCursor(crDefault);
}

void THelloForm::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        FormClick();
}

void THelloForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}
