// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportCommand.h"

#include <QApplication>

#include <csignal>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const report::ReportRequest request = report::ReadReportRequest(arguments);
    // The pictures are drawn with Qt Charts, off any screen: a report is made
    // the same with a display or without one.
    std::unique_ptr<QApplication> application;
    if (request.Error.empty() && !request.Help && !request.Version) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QApplication>(argc, argv);
    }
    return report::RunReportCommand(arguments, std::cout, std::cerr);
}
