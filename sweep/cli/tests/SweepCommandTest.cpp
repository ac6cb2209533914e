// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep/cli/PictureModule.h"
#include "sweep/cli/SweepCommand.h"
#include "sweep/plot/SweepPlot.h"
#include "tools/testsupport/TestFolder.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace sweep;

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// Pixels of the curves and bars: neither grey nor white.
int ColouredPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 60;
        }
    return count;
}

Outcome Sweep(const std::vector<std::string>& arguments)
{
    std::ostringstream out, err;
    const int status = RunSweepCommand(arguments, out, err);
    return {status, out.str(), err.str()};
}

using SweepCommand = TestFolder;

} // namespace

TEST_F(SweepCommand, PrintsTheTableWithTheSeedAndWritesTheSameCsvToAFile)
{
    const Outcome run = Sweep({"--seed", "42", "--threshold", "0:60:20", "--csv", File("t.csv")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("seed 42, ", 0), 0u);

    const Outcome csv = Sweep({"--seed", "42", "--threshold", "0:60:20", "--csv", "-"});
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.err, "seed 42\n");
    EXPECT_EQ(csv.out, Read("t.csv"));
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 5);
}

TEST_F(SweepCommand, WithoutASeedTheClockSeedsItAndTheSeedIsPrinted)
{
    const Outcome run = Sweep({"--csv", "-"});
    EXPECT_EQ(run.status, 0);
    const uint32_t seed = static_cast<uint32_t>(std::stoul(run.err.substr(5)));
    EXPECT_EQ(Sweep({"--csv", "-", "--seed", std::to_string(seed)}).out, run.out);
}

TEST_F(SweepCommand, BadOptionsStopBeforeAnyFileIsWritten)
{
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--csv", File("a.csv"), "--plot", File("a.png"), "--experiment", "nothing"},
             {"--csv", File("a.csv"), "--plot", File("a.png"), "--signal2", "9"},
             {"--csv", File("a.csv"), "--plot", File("a.png"), "--gain", "-3"},
             {"--csv", File("a.csv"), "--plot", File("a.png"), "--threshold", "5:1:1"},
             {"--csv", File("a.csv"), "--plot", File("missing/a.png")},
             {"--csv", File("missing/a.csv"), "--plot", File("a.png")},
         }) {
        const Outcome run = Sweep(arguments);
        EXPECT_EQ(run.status, 2) << arguments.back();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("detector-lab-sweep: ", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(Empty()) << run.err;
    }
    const Outcome help = Sweep({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--threshold VALUES"), std::string::npos);
}

TEST_F(SweepCommand, AFileThatCannotBeWrittenIsReportedAndTheOldOneKept)
{
    const Outcome run = Sweep({"--seed", "1", "--csv", "/proc/sweep.csv"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("detector-lab-sweep: cannot create /proc/sweep.csv", 0), 0u) << run.err;
    EXPECT_NE(run.out.find("seed 1, "), std::string::npos);

    const Outcome plot = Sweep({"--seed", "1", "--plot", "/proc/sweep.png"});
    EXPECT_EQ(plot.status, 1);
    EXPECT_EQ(plot.err.rfind("detector-lab-sweep: cannot create /proc/sweep.png", 0), 0u) << plot.err;

    // A disk that fills up half way: the old files stay as they were.
    std::ofstream(File("old.csv")) << "kept\n";
    std::ofstream(File("old.svg")) << "kept\n";
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{2000, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const Outcome full = Sweep({"--seed", "1", "--threshold", "0:100:1", "--csv", File("old.csv")});
    const Outcome fullPlot = Sweep({"--seed", "1", "--threshold", "0:100:1", "--plot", File("old.svg")});
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err.rfind("detector-lab-sweep: cannot write ", 0), 0u) << full.err;
    EXPECT_EQ(fullPlot.status, 1);
    EXPECT_EQ(Read("old.csv"), "kept\n");
    EXPECT_EQ(Read("old.svg"), "kept\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(File("")), fs::directory_iterator()), 2);
}

// Every output is ready before the first is written: a picture that cannot
// be created leaves the old table beside the old picture.
TEST_F(SweepCommand, AFailingPictureLeavesTheOldTable)
{
    std::ofstream(File("old.csv")) << "kept\n";
    const Outcome plot = Sweep({"--seed", "1", "--csv", File("old.csv"), "--plot", "/proc/sweep.png"});
    EXPECT_EQ(plot.status, 1);
    EXPECT_EQ(plot.err.rfind("detector-lab-sweep: cannot create /proc/sweep.png", 0), 0u) << plot.err;
    EXPECT_EQ(Read("old.csv"), "kept\n");
}

TEST_F(SweepCommand, PicturesDecodeToTheirSize)
{
    const struct {
        std::vector<std::string> arguments;
        PlotKind kind;
    } rows[] = {
        {{"--threshold", "0:100:5", "--gain", "1,2"}, PlotKind::AgainstThreshold},
        {{"--experiment", "detection,false-alarms", "--threshold", "-20:80:10", "--gain", "3,5"},
            PlotKind::Characteristic},
        {{"--experiment", "distinction2,distinction1", "--threshold", "-100:100:25", "--gain", "0,4"},
            PlotKind::Characteristic},
        {{"--experiment", "detection", "--gain", "0:10:1", "--threshold", "40"}, PlotKind::AgainstGain},
        {{"--experiment", "noise-power", "--gain", "0:2:0.5"}, PlotKind::AgainstGain},
        {{"--experiment", "false-alarms", "--gain", "1", "--threshold", "0"}, PlotKind::AgainstGain},
    };
    int number = 0;
    for (const auto& row : rows) {
        for (const char* extension : {".png", ".svg"}) {
            const std::string name = "plot" + std::to_string(number++) + extension;
            std::vector<std::string> arguments = row.arguments;
            arguments.insert(arguments.end(), {"--seed", "3", "--plot", File(name)});
            const Outcome run = Sweep(arguments);
            ASSERT_EQ(run.status, 0) << name << ": " << run.err;
            EXPECT_EQ(run.err, "") << name;
            const QString path = QString::fromStdString(File(name));
            QImage image;
            if (std::string(extension) == ".png") {
                image = QImage(path, "PNG");
            } else {
                QSvgRenderer svg(path);
                ASSERT_TRUE(svg.isValid()) << name;
                EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, PlotWidth, PlotHeight)) << name;
                image = QImage(svg.viewBox().size(), QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                svg.render(&painter);
            }
            EXPECT_EQ(image.size(), QSize(PlotWidth, PlotHeight)) << name;
            EXPECT_GT(ColouredPixels(image), 1000) << name;
        }
    }
}

// The pictures come from the real picture module, loaded as the program
// loads it, into a process that already has an application object.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::string error;
    const PlotDrawer drawer = LoadPictureModule(DL_SWEEP_PLOT_MODULE_FILE, error);
    if (drawer == nullptr) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    SetPlotDrawer(drawer);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
