// SPDX-License-Identifier: GPL-3.0-or-later
// A program that links Qt Core and nothing else of Qt, and uses it to print
// a line: what loading Qt Core alone costs a start.
#include <QByteArray>

#include <iostream>

int main()
{
    std::cout << QByteArray("seed ").append(QByteArray::number(1)).append('\n').toStdString();
    return 0;
}
