// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainMessage.h"

#include "WindowPlacement.h"
#include "common/language/Language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStringList>

namespace {

PlainMessageHandler& Handler()
{
    static PlainMessageHandler handler;
    return handler;
}

void ShowMessageBox(const QString& text)
{
    ScreenCentredMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok);
    // Qt's Russian catalogue leaves "OK" in Latin letters; a Russian desktop
    // writes it in Cyrillic. In English the button is Qt's own.
    if (ProgramLanguage() == Language::Russian)
        box.button(QMessageBox::Ok)->setText(QStringLiteral("ОК"));
    box.exec();
}

}  // namespace

void ShowPlainMessage(const QString& text)
{
    if (Handler())
        Handler()(text);
    else
        ShowMessageBox(text);
}

PlainMessageHandler SetPlainMessageHandler(PlainMessageHandler handler)
{
    PlainMessageHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

PlainMessageRecorder::PlainMessageRecorder()
    : previous_(SetPlainMessageHandler([this](const QString& text) { messages.append(text); }))
{
}

PlainMessageRecorder::~PlainMessageRecorder()
{
    SetPlainMessageHandler(std::move(previous_));
}
