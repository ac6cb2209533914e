// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The classic look the windows were designed in (Qt's "Windows" style). The
// menu bar asks for the icon of its overflow button as it is built, and
// making that icon at once would load every image plugin Qt has before the
// first paint: the overflow icons are made when first drawn instead.
class ClassicStyle : public QProxyStyle {
public:
    // Null when this Qt has no "Windows" style.
    static ClassicStyle* Create();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;

private:
    using QProxyStyle::QProxyStyle;
};
