// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutBox.h"

#include "common/version/Version.h"
#include "common/WindowPlacement.h"
#include "resources/EmbeddedPictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString ProgramVersion()
{
    return QString::fromLatin1(DetectorLabVersion);
}

namespace {

QString AboutText()
{
    return TAboutBox::tr(
               "<p><b>Detector Lab</b> — лабораторная работа № 4<br>«Исследование различителя сигналов»</p>"
               "<p>Учебная модель лабораторной установки: различение известных сигналов<br>"
               "в гауссовском шуме согласованными фильтрами.</p>"
               "<p>Версия %1<br>Qt: версия %2 при работе, %3 при сборке</p>"
               "<p>Лицензия: GNU GPL версии 3 или любой более поздней версии.<br>"
               "Программа распространяется без каких-либо гарантий.<br>"
               "Qt используется на условиях GNU LGPL версии 3, Qt Charts — GNU GPL версии 3<br>"
               "(библиотеки Qt из Debian); декодер JPEG — libjpeg-turbo<br>"
               "(основан на работе Independent JPEG Group); книги Excel пишет<br>"
               "libxlsxwriter (лицензия BSD-2-Clause).</p>")
        .arg(ProgramVersion(), QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR));
}

}  // namespace

TAboutBox::TAboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName("AboutBox");
    setWindowTitle(tr("О программе"));
    setAccessibleName(windowTitle());

    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    Text = new QLabel(AboutText(), this);
    Text->setObjectName("AboutText");
    Text->setTextFormat(Qt::RichText);
    CloseButton = new QPushButton(tr("Закрыть"), this);
    CloseButton->setObjectName("CloseButton");
    CloseButton->setDefault(true);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* content = new QHBoxLayout;
    content->setSpacing(16);
    content->addWidget(icon);
    content->addWidget(Text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(content);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowAboutBox(QWidget* owner)
{
    TAboutBox box(owner);
    box.adjustSize();
    CentreWindowOver(&box, owner->window());
    box.exec();
}
