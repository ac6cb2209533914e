// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "FileName.h"
#include "ValueList.h"
#include "common/text/NumberText.h"
#include "sweep/cli/detector-lab-sweep-manual.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <set>

namespace sweep {

namespace {

std::string Quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

std::optional<int64_t> ParseWhole(std::string_view text)
{
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string LowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return text;
}

std::string ExperimentNames()
{
    std::string names;
    for (Experiment e : theory::AllExperiments) {
        if (!names.empty())
            names += e == theory::AllExperiments[std::size(theory::AllExperiments) - 1] ? " or " : ", ";
        names += theory::Describe(e).Name;
    }
    return names;
}

std::string ReadExperiments(std::string_view text, SweepSettings& settings)
{
    settings.Experiments.clear();
    for (std::string_view name : Split(text, ',')) {
        const std::optional<Experiment> experiment = theory::ExperimentNamed(name);
        if (!experiment)
            return "unknown experiment " + Quoted(name) + ": choose " + ExperimentNames();
        if (std::find(settings.Experiments.begin(), settings.Experiments.end(), *experiment) != settings.Experiments.end())
            return "experiment " + Quoted(name) + " is named twice";
        settings.Experiments.push_back(*experiment);
    }
    return {};
}

std::string ReadShape(std::string_view text, int32_t& shape)
{
    const std::optional<int64_t> value = ParseWhole(text);
    if (!value || *value < 1 || *value > 4)
        return "must be a shape from 1 to 4, not " + Quoted(text);
    shape = static_cast<int32_t>(*value);
    return {};
}

std::string ReadGains(std::string_view text, SweepSettings& settings)
{
    ValueList list = ParseValueList(text, MaxValuesPerOption);
    if (!list.Error.empty())
        return list.Error;
    for (double gain : list.Values) {
        if (gain < 0.0)
            return "the gain " + ShortestText(gain) + " is negative";
        if (gain > MaxGain)
            return "the gain " + ShortestText(gain) + " is above 1000, the most the bench's K field holds";
    }
    settings.Gains = std::move(list.Values);
    return {};
}

std::string ReadThresholds(std::string_view text, SweepSettings& settings)
{
    ValueList list = ParseValueList(text, MaxValuesPerOption);
    if (!list.Error.empty())
        return list.Error;
    settings.Thresholds = std::move(list.Values);
    return {};
}

std::string ReadTrials(std::string_view text, SweepSettings& settings)
{
    const std::optional<int64_t> value = ParseWhole(text);
    if (!value || *value < TrialCount || *value > MaxTrials || *value % TrialCount != 0)
        return "must be a multiple of 1000 from 1000 to 1000000 (the bench runs 1000 trials at a time), not "
            + Quoted(text);
    settings.Trials = static_cast<int32_t>(*value);
    return {};
}

std::string ReadSeed(std::string_view text, SweepSettings& settings)
{
    const std::optional<int64_t> value = ParseWhole(text);
    if (!value || *value < 0 || *value > UINT32_MAX)
        return "must be a whole number from 0 to 4294967295, not " + Quoted(text);
    settings.Seed = static_cast<uint32_t>(*value);
    return {};
}

std::string ReadThreads(std::string_view text, SweepSettings& settings)
{
    const std::optional<int64_t> value = ParseWhole(text);
    if (!value || *value < 1 || *value > MaxThreads)
        return "must be a whole number from 1 to 64, not " + Quoted(text);
    settings.Threads = static_cast<int>(*value);
    return {};
}

// A file the sweep will write: its folder must exist and it must not be one.
// Its name must be UTF-8, or it would write over another file.
std::string CheckOutputFile(const std::string& path)
{
    namespace fs = std::filesystem;
    if (path.empty())
        return "needs a file name";
    if (std::string failure = NonUtf8NameError(path); !failure.empty())
        return failure;
    std::error_code error;
    if (fs::is_directory(path, error))
        return Quoted(path) + " is a folder, not a file";
    const fs::path folder = fs::path(path).parent_path();
    if (!folder.empty() && !fs::is_directory(folder, error))
        return "the folder " + Quoted(folder.string()) + " does not exist";
    return {};
}

std::string ReadCsv(std::string_view text, SweepSettings& settings)
{
    settings.CsvPath = std::string(text);
    return settings.CsvPath == "-" ? std::string() : CheckOutputFile(settings.CsvPath);
}

std::string ReadPlot(std::string_view text, SweepSettings& settings)
{
    settings.PlotPath = std::string(text);
    const std::string extension = LowerCase(std::filesystem::path(settings.PlotPath).extension().string());
    if (extension != ".png" && extension != ".svg")
        return "the picture " + Quoted(text) + " must be named .png or .svg";
    return CheckOutputFile(settings.PlotPath);
}

std::string ReadXlsx(std::string_view text, SweepSettings& settings)
{
    settings.XlsxPath = std::string(text);
    if (LowerCase(std::filesystem::path(settings.XlsxPath).extension().string()) != ".xlsx")
        return "the workbook " + Quoted(text) + " must be named .xlsx";
    return CheckOutputFile(settings.XlsxPath);
}

using Reader = std::function<std::string(std::string_view, SweepSettings&)>;

const std::map<std::string, Reader, std::less<>>& Readers()
{
    static const std::map<std::string, Reader, std::less<>> readers{
        {"--experiment", ReadExperiments},
        {"--signal1", [](std::string_view t, SweepSettings& s) { return ReadShape(t, s.Signal1); }},
        {"--signal2", [](std::string_view t, SweepSettings& s) { return ReadShape(t, s.Signal2); }},
        {"--gain", ReadGains},
        {"--threshold", ReadThresholds},
        {"--trials", ReadTrials},
        {"--seed", ReadSeed},
        {"--threads", ReadThreads},
        {"--csv", ReadCsv},
        {"--plot", ReadPlot},
        {"--xlsx", ReadXlsx},
    };
    return readers;
}

// Checks that need all options at once.
std::string CheckTogether(const SweepSettings& settings)
{
    const size_t points = PointsOf(settings);
    if (points > MaxPoints)
        return "the sweep has " + std::to_string(points) + " points, more than " + std::to_string(MaxPoints);
    const std::vector<std::pair<const char*, std::string>> outputs{
        {"--csv", settings.CsvPath == "-" ? std::string() : settings.CsvPath}, {"--plot", settings.PlotPath},
        {"--xlsx", settings.XlsxPath}};
    for (size_t a = 0; a < outputs.size(); ++a)
        for (size_t b = a + 1; b < outputs.size(); ++b) {
            if (outputs[a].second.empty() || outputs[b].second.empty())
                continue;
            std::error_code error;
            if (std::filesystem::weakly_canonical(outputs[a].second, error)
                == std::filesystem::weakly_canonical(outputs[b].second, error))
                return std::string(outputs[a].first) + " and " + outputs[b].first + " name the same file";
        }
    if (!settings.PlotPath.empty()) {
        const bool readings = std::any_of(settings.Experiments.begin(), settings.Experiments.end(),
            [](Experiment e) { return !CountsTrials(e); });
        if (readings && settings.Experiments.size() > 1)
            return "--plot: noise-power readings and frequencies cannot share one picture; plot them apart";
    }
    return {};
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    std::set<std::string, std::less<>> seen;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            line.Help = true;
            continue;
        }
        if (argument == "--version") {
            line.Version = true;
            continue;
        }
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto reader = Readers().find(name);
        if (reader == Readers().end()) {
            line.Error = argument.rfind("-", 0) == 0 ? "unknown option " + Quoted(name) + " (see --help)"
                                                     : "unexpected argument " + Quoted(argument) + " (see --help)";
            return line;
        }
        if (!seen.insert(name).second) {
            line.Error = name + " is given twice";
            return line;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            line.Error = name + " needs a value";
            return line;
        }
        const std::string error = reader->second(value, line.Settings);
        if (!error.empty()) {
            line.Error = name + ": " + error;
            return line;
        }
    }
    if (!line.Help && !line.Version)
        line.Error = CheckTogether(line.Settings);
    return line;
}

std::string UsageText()
{
    return manual::DetectorLabSweepHelp;
}

std::string VersionText()
{
    return manual::DetectorLabSweepVersion;
}

} // namespace sweep
