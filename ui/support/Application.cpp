// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"

#include "ClassicStyle.h"
#include "common/PlainMessage.h"
#include "common/WindowFonts.h"

// The classic look the windows were designed in: raised buttons, sunken
// fields, group frames drawn through their captions, and the windows' font
// in the menus and message boxes too.
TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    if (ClassicStyle* classic = ClassicStyle::Create())
        setStyle(classic);
    setFont(WindowFont());
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowException(std::current_exception());
        return false;
    }
}

void ShowException(std::exception_ptr error)
{
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& exception) {
        text = QString::fromUtf8(exception.what());
    } catch (...) {
    }
    ShowPlainMessage(text);
}
