#include "SweepCommand.h"

#include "CommandLine.h"
#include "Sweep.h"
#include "SweepPlot.h"
#include "SweepReport.h"
#include "WholeFile.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <ostream>
#include <thread>

namespace {

constexpr const char* ProgramName = "detector-lab-sweep";

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

uint32_t ClockSeed()
{
    return static_cast<uint32_t>(std::time(nullptr));
}

int Threads(const SweepSettings& settings)
{
    if (settings.Threads > 0)
        return settings.Threads;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

} // namespace

int RunSweepCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(arguments);
    if (!line.Error.empty()) {
        err << ProgramName << ": " << line.Error << '\n';
        return 2;
    }
    if (line.Help) {
        out << UsageText();
        return 0;
    }
    const SweepSettings& settings = line.Settings;
    const uint32_t seed = settings.Seed.value_or(ClockSeed());
    const std::vector<PointResult> results = RunSweep(settings, seed, Threads(settings));

    if (settings.CsvPath == "-") {
        out << CsvText(settings, seed, results);
        err << "seed " << seed << '\n';
    } else {
        out << TableText(settings, seed, results);
    }
    out.flush();

    std::string failure;
    if (!settings.CsvPath.empty() && settings.CsvPath != "-")
        failure = WriteWholeFile(QString::fromStdString(settings.CsvPath), QByteArray::fromStdString(CsvText(settings, seed, results)));
    if (failure.empty() && !settings.PlotPath.empty()) {
        const std::unique_ptr<QApplication> application = EnsureApplication();
        failure = WritePlot(settings, seed, results, QString::fromStdString(settings.PlotPath));
    }
    if (!failure.empty()) {
        err << ProgramName << ": " << failure << '\n';
        return 1;
    }
    return 0;
}
