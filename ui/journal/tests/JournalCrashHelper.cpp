// SPDX-License-Identifier: GPL-3.0-or-later
// The laboratory program's windows on a bench of a fixed seed, with the
// journal kept where XDG_DATA_HOME says: measures with the given switch
// positions (one "K1K2K3" argument each, "121"), says "measured N" on
// standard output after each, and then waits to be killed.
#include "common/PlainMessage.h"
#include "tools/testsupport/LabWindows.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("detector-lab"));
    PlainMessageRecorder messages;
    LabWindows lab(20100401);
    for (int i = 1; i < argc; ++i) {
        const QByteArray positions(argv[i]);
        lab.SetSwitches(positions[0] - '0', positions[1] - '0', positions[2] - '0');
        lab.ClickMeasure();
        std::printf("measured %d\n", i);
        std::fflush(stdout);
    }
    return QApplication::exec();
}
