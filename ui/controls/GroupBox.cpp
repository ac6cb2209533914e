// SPDX-License-Identifier: GPL-3.0-or-later
#include "GroupBox.h"

QGroupBox* NewGroupBox(const QString& name, const QString& caption, const QRect& geometry, QWidget* parent)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}
