// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// A panel with a raised outer bevel and a lowered inner one, each two pixels
// wide, at its designed place. The controls it carries lie over both bevels.
// Without a colour it shows its parent's background through the bevels.
class TPanel : public QWidget {
public:
    TPanel(const QString& name, const QRect& geometry, QWidget* parent);

    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};
