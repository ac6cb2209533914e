// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepCommand.h"

#include "CommandLine.h"
#include "PictureModule.h"
#include "Progress.h"
#include "VerifyCommand.h"
#include "common/files/WholeFile.h"
#include "common/sheets/XlsxWorkbook.h"
#include "sweep/lib/Sweep.h"
#include "sweep/lib/SweepReport.h"
#include "sweepsheet/SweepSheet.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <optional>
#include <ostream>
#include <thread>

namespace sweep {

namespace {

constexpr const char* ProgramName = "detector-lab-sweep";

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

// Writes `text` to standard output and checks it once all is in it: a full
// disk, /dev/full or a closed descriptor is a failure like any other.
// Returns an error line, or nothing.
std::string Print(std::ostream& out, const std::string& text)
{
    errno = 0;
    out << text;
    out.flush();
    if (out)
        return {};
    const int error = errno;
    return std::string("cannot write standard output") + (error != 0 ? std::string(": ") + std::strerror(error) : "");
}

int Interrupted(std::ostream& err, int signal)
{
    err << ProgramName << ": interrupted; no file written\n";
    return 128 + signal;
}

} // namespace

int RunSweepCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
    const CommandContext& context)
{
    if (AsksToVerify(arguments))
        return RunVerifyCommand(arguments, out, err, context.Interruption);
    const CommandLine line = ParseCommandLine(arguments);
    if (!line.Error.empty()) {
        err << ProgramName << ": " << line.Error << '\n';
        return 2;
    }
    if (line.Help || line.Version) {
        const std::string failure = Print(out, line.Help ? UsageText() : VersionText());
        if (!failure.empty())
            err << ProgramName << ": " << failure << '\n';
        return failure.empty() ? 0 : 1;
    }
    const SweepSettings& settings = line.Settings;
    const uint32_t seed = settings.Seed.value_or(ClockSeed());
    SweepWatch watch;
    watch.Stop = context.Interruption;
    std::vector<PointResult> results;
    {
        std::optional<ProgressLine> progress;
        if (context.ShowProgress)
            progress.emplace(err, watch.PointsDone, PointsOf(settings));
        results = RunSweep(settings, seed, Threads(settings), &watch);
    }
    if (watch.Stopped())
        return Interrupted(err, *context.Interruption);

    // Every file whole in memory before the first is written.
    OutputFiles files;
    if (!settings.CsvPath.empty() && settings.CsvPath != "-")
        files.Add(QFile::decodeName(QByteArray::fromStdString(settings.CsvPath)),
            QByteArray::fromStdString(CsvText(settings, seed, results)));
    if (!settings.XlsxPath.empty()) {
        sheets::XlsxBytes workbook = sheets::XlsxWorkbook(SweepBook(settings, seed, results));
        if (!workbook.Error.empty()) {
            err << ProgramName << ": " << settings.XlsxPath << ": " << workbook.Error << '\n';
            return 1;
        }
        files.Add(QFile::decodeName(QByteArray::fromStdString(settings.XlsxPath)),
            QByteArray::fromStdString(std::move(workbook.Bytes)));
    }
    if (!settings.PlotPath.empty()) {
        const QString path = QFile::decodeName(QByteArray::fromStdString(settings.PlotPath));
        const bool svg = path.endsWith(".svg", Qt::CaseInsensitive);
        std::string error;
        const std::string picture = DrawPicture(settings, seed, results, svg, error);
        if (picture.empty()) {
            err << ProgramName << ": cannot draw " << settings.PlotPath << (error.empty() ? "" : ": " + error) << '\n';
            return 1;
        }
        files.Add(path, QByteArray::fromStdString(picture));
    }
    // A stop before the files are in place leaves them all as they were.
    const std::string fileFailure = files.Write(context.Interruption);
    if (watch.Stopped() && !fileFailure.empty())
        return Interrupted(err, *context.Interruption);

    // The table is printed even when a file failed: the results are sound.
    const bool csvOut = settings.CsvPath == "-";
    const std::string outFailure = Print(out, csvOut ? CsvText(settings, seed, results) : TableText(settings, seed, results));
    if (csvOut)
        err << "seed " << seed << '\n';
    for (const std::string& failure : {fileFailure, outFailure})
        if (!failure.empty())
            err << ProgramName << ": " << failure << '\n';
    return outFailure.empty() && fileFailure.empty() ? 0 : 1;
}

} // namespace sweep
