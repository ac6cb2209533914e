// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep/cli/CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace sweep;

namespace {

std::string Folder()
{
    return testing::TempDir();
}

} // namespace

TEST(CommandLine, NoOptionsAreTheBenchAtStart)
{
    const CommandLine line = ParseCommandLine({});
    EXPECT_EQ(line.Error, "");
    EXPECT_FALSE(line.Help);
    EXPECT_EQ(line.Settings.Experiments, std::vector<Experiment>{Experiment::Distinction1});
    EXPECT_EQ(line.Settings.Signal1, 1);
    EXPECT_EQ(line.Settings.Signal2, 2);
    EXPECT_EQ(line.Settings.Gains, std::vector<double>{1.0});
    EXPECT_EQ(line.Settings.Thresholds, std::vector<double>{0.0});
    EXPECT_EQ(line.Settings.Trials, 1000);
    EXPECT_FALSE(line.Settings.Seed.has_value());
}

TEST(CommandLine, EveryOptionInBothSpellings)
{
    const std::string csv = Folder() + "table.csv";
    const std::string plot = Folder() + "curve.SVG";
    const CommandLine line = ParseCommandLine({"--experiment", "detection,false-alarms", "--signal1=4",
        "--signal2", "3", "--gain", "0:2:0.5", "--threshold=-5,5", "--trials", "3000", "--seed", "4294967295",
        "--threads=2", "--csv", csv, "--plot", plot});
    ASSERT_EQ(line.Error, "");
    const SweepSettings& s = line.Settings;
    EXPECT_EQ(s.Experiments, (std::vector<Experiment>{Experiment::Detection, Experiment::FalseAlarms}));
    EXPECT_EQ(s.Signal1, 4);
    EXPECT_EQ(s.Signal2, 3);
    EXPECT_EQ(s.Gains, (std::vector<double>{0.0, 0.5, 1.0, 1.5, 2.0}));
    EXPECT_EQ(s.Thresholds, (std::vector<double>{-5.0, 5.0}));
    EXPECT_EQ(s.Trials, 3000);
    EXPECT_EQ(s.Seed, 4294967295u);
    EXPECT_EQ(s.Threads, 2);
    EXPECT_EQ(s.CsvPath, csv);
    EXPECT_EQ(s.PlotPath, plot);
    EXPECT_EQ(ParseCommandLine({"--csv", "-"}).Error, "");
    EXPECT_TRUE(ParseCommandLine({"--help"}).Help);
    EXPECT_TRUE(ParseCommandLine({"--gain", "5", "-h"}).Help);
    for (const auto& arguments : std::vector<std::vector<std::string>>{{"--version"}, {"--seed", "1", "--version"}}) {
        const CommandLine parsed = ParseCommandLine(arguments);
        EXPECT_TRUE(parsed.Version && !parsed.Help);
        EXPECT_EQ(parsed.Error, "");
    }
}

TEST(CommandLine, EveryBadOptionGetsOneClearLine)
{
    const std::string missing = Folder() + "no-such-folder/out.csv";
    const struct {
        std::vector<std::string> arguments;
        std::string saying; // a part of the line
    } rows[] = {
        {{"--experiment", "power"}, "unknown experiment 'power'"},
        {{"--experiment", "detection,detection"}, "named twice"},
        {{"--experiment", ""}, "unknown experiment ''"},
        {{"--experiment", "detection,"}, "unknown experiment ''"},
        {{"--signal1", "0"}, "--signal1: must be a shape from 1 to 4"},
        {{"--signal1", "5"}, "from 1 to 4"},
        {{"--signal2", "1.5"}, "--signal2: must be a shape"},
        {{"--signal2", "x"}, "from 1 to 4"},
        {{"--gain", "-1"}, "--gain: the gain -1 is negative"},
        {{"--gain", "1,-0.5"}, "-0.5 is negative"},
        {{"--gain", "inf"}, "'inf' is not a number"},
        {{"--gain", "nan"}, "not a number"},
        {{"--gain", "1e400"}, "not a number"},
        {{"--gain", "1001"}, "above 1000"},
        {{"--gain", "2:1:0.5"}, "reversed"},
        {{"--gain", ""}, "no value given"},
        {{"--threshold", "10:0:1"}, "--threshold: the range '10:0:1' is reversed"},
        {{"--threshold", "0:10:0"}, "step"},
        {{"--threshold", "0:10"}, "START:STOP:STEP"},
        {{"--threshold", "1,,2"}, "empty item"},
        {{"--trials", "1500"}, "--trials: must be a multiple of 1000"},
        {{"--trials", "0"}, "multiple of 1000"},
        {{"--trials", "2000000"}, "multiple of 1000"},
        {{"--trials", "-1000"}, "multiple of 1000"},
        {{"--seed", "-1"}, "--seed: must be a whole number"},
        {{"--seed", "4294967296"}, "whole number"},
        {{"--seed", "12abc"}, "whole number"},
        {{"--threads", "0"}, "--threads: must be a whole number from 1 to 64"},
        {{"--threads", "65"}, "from 1 to 64"},
        {{"--csv", missing}, "does not exist"},
        {{"--csv", ""}, "--csv: needs a file name"},
        {{"--csv", Folder()}, "is a folder"},
        {{"--plot", Folder() + "curve.jpg"}, "must be named .png or .svg"},
        {{"--plot", Folder() + "curve"}, "must be named .png or .svg"},
        {{"--plot", Folder() + "none/curve.png"}, "does not exist"},
        {{"--plot", Folder() + "p.png", "--experiment", "noise-power,detection"}, "cannot share one picture"},
        {{"--csv", Folder() + "same.png", "--plot", Folder() + "same.png"}, "the same file"},
        {{"--csv", Folder() + "\xff.csv"}, "--csv: the file name '" + Folder() + "\\xff.csv' is not UTF-8 text"},
        {{"--plot", Folder() + "a\xc3.png"}, "--plot: the file name"},
        {{"--gain", "0:1000:0.01", "--threshold", "0:1:0.5"}, "more than 100000"},
        {{"--gain"}, "--gain needs a value"},
        {{"--gain", "1", "--gain", "2"}, "--gain is given twice"},
        {{"--gain", "1", "--gain=2"}, "given twice"},
        {{"--gains", "1"}, "unknown option '--gains'"},
        {{"-x"}, "unknown option '-x'"},
        {{"table.csv"}, "unexpected argument 'table.csv'"},
    };
    for (const auto& row : rows) {
        const CommandLine line = ParseCommandLine(row.arguments);
        EXPECT_NE(line.Error.find(row.saying), std::string::npos)
            << row.arguments.front() << ": got '" << line.Error << "'";
        EXPECT_EQ(line.Error.find('\n'), std::string::npos) << line.Error;
    }
    EXPECT_FALSE(std::filesystem::exists(Folder() + "no-such-folder"));
}

TEST(CommandLine, NoisePowerPlotsAloneAndIgnoresThresholdsInItsPointCount)
{
    SweepSettings settings;
    settings.Experiments = {Experiment::NoisePower, Experiment::Detection};
    settings.Gains = {1.0, 2.0};
    settings.Thresholds = {0.0, 1.0, 2.0};
    EXPECT_EQ(PointsOf(settings, Experiment::NoisePower), 2u);
    EXPECT_EQ(PointsOf(settings, Experiment::Detection), 6u);
    EXPECT_EQ(ParseCommandLine({"--experiment", "noise-power", "--plot", Folder() + "n.png"}).Error, "");
}
