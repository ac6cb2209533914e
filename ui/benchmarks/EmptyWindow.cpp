// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of the start-up benchmark: an empty Qt Widgets window of the
// main window's size, built with the program's flags and Qt libraries.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("empty-window"));
    window.setFixedSize(784, 542);
    window.show();
    return QApplication::exec();
}
