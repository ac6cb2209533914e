// SPDX-License-Identifier: GPL-3.0-or-later
#include "Panel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr int BevelWidth = 2;

}  // namespace

TPanel::TPanel(const QString& name, const QRect& geometry, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
}

// The palette follows the colour, so that what the panel carries (the focus
// frame of a picture, any text) is drawn for this background, not for the
// desktop's, which may be dark.
void TPanel::SetColor(const QColor& color)
{
    color_ = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    colours.setColor(QPalette::WindowText, color.lightness() > 127 ? Qt::black : Qt::white);
    setPalette(colours);
    update();
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (color_.isValid())
        painter.fillRect(rect(), color_);
    qDrawShadePanel(&painter, rect(), palette(), false, BevelWidth);
    qDrawShadePanel(&painter, rect().adjusted(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth), palette(), true,
                    BevelWidth);
}
