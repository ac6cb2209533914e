// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The program's version as the build gives it ("1.0.0").
QString ProgramVersion();

// «О программе»: the program's name and purpose, its version, the version of
// Qt it runs on and was built with, and the licences. A modal box centred
// over its owner's window; Enter, Escape or «Закрыть» close it.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* owner);

    QLabel* Text;
    QPushButton* CloseButton;
};

// Shows the box modally over the owner's window; returns once it is closed.
void ShowAboutBox(QWidget* owner);
