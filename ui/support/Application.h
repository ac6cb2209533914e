// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <exception>

// The application object of the program, in the classic window style. An
// exception that escapes an event handler is reported in a message box, and
// the program goes on.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// The standard report of an exception: a plain message box with its message;
// an empty one for a thrown object that is no std::exception.
void ShowException(std::exception_ptr error);
