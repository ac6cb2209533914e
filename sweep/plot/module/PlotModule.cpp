// SPDX-License-Identifier: GPL-3.0-or-later
// What the module exports: the drawer of detector-lab-sweep's pictures and
// the stamp of the interface it was built with. The program makes no
// application object (it needs no display); the drawer makes one of its own
// for each picture, drawing off screen.
#include "sweep/plot/SweepPlot.h"
#include "sweep/plot/interface/SweepPlotInterface.h"

#include <QApplication>

#include <cstdio>
#include <memory>
#include <type_traits>

namespace {

// Pictures are drawn off screen: the sweep needs no display, and a user's
// platform setting is not for it.
std::unique_ptr<QApplication> EnsureApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    // Qt's own notices (a missing runtime folder and the like) are not for
    // the sweep's users.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fputs(qPrintable(message + '\n'), stderr);
    });
    static int argc = 1;
    static char name[] = "detector-lab-sweep";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

extern "C" __attribute__((visibility("default"))) uint64_t dl_sweep_plot_interface_stamp()
{
    return sweep::PlotInterfaceStamp;
}

extern "C" __attribute__((visibility("default"))) void dl_draw_sweep_plot(const sweep::SweepSettings& settings,
    uint32_t baseSeed, const std::vector<sweep::PointResult>& results, bool svg, std::string& picture)
{
    const std::unique_ptr<QApplication> application = EnsureApplication();
    picture = sweep::DrawPlot(settings, baseSeed, results, svg).toStdString();
}

// The module's drawer has the interface's type.
static_assert(std::is_same_v<decltype(&dl_draw_sweep_plot), sweep::PlotDrawer>);
