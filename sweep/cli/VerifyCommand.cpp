#include "VerifyCommand.h"

#include "FileName.h"
#include "JournalReplay.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

namespace sweep {

namespace {

constexpr std::string_view Option = "--verify";

Verification Refused(int status, std::string error)
{
    return {status, {}, std::move(error)};
}

// The journal's path, or why the command line is not `--verify FILE`.
std::optional<std::string> JournalPath(const std::vector<std::string>& arguments, std::string& error)
{
    if (arguments.size() == 1 && arguments[0].starts_with(std::string(Option) + '='))
        return arguments[0].substr(Option.size() + 1);
    if (arguments.size() == 2 && arguments[0] == Option)
        return arguments[1];
    error = arguments.size() == 1 && arguments[0] == Option
        ? "--verify needs a value"
        : "--verify takes one journal file and no other option (see --help)";
    return std::nullopt;
}

// The whole file, or why it cannot be read.
std::optional<std::string> ReadFile(const std::string& path, std::string& error)
{
    std::error_code status;
    if (std::filesystem::is_directory(path, status)) {
        error = "'" + path + "' is a folder, not a journal";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::string text;
    char block[65536];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        text.append(block, static_cast<size_t>(in.gcount()));
        if (text.size() > MaxJournalBytes) {
            error = path + " is larger than " + std::to_string(MaxJournalBytes >> 20) + " MiB, more than a journal holds";
            return std::nullopt;
        }
    }
    if (in.bad()) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    return text;
}

} // namespace

bool AsksToVerify(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments)
        if (argument == Option || argument.starts_with(std::string(Option) + '='))
            return true;
    return false;
}

Verification VerifyJournal(const std::vector<std::string>& arguments, const std::atomic<int>* stop)
{
    std::string error;
    const std::optional<std::string> path = JournalPath(arguments, error);
    if (!path)
        return Refused(2, error);
    if (path->empty())
        return Refused(2, "--verify needs a file name");
    if (std::string failure = NonUtf8NameError(*path); !failure.empty())
        return Refused(2, "--verify: " + failure);
    const std::optional<std::string> text = ReadFile(*path, error);
    if (!text)
        return Refused(2, error);
    const journal::ReadJournal journal = journal::ReadJournalCsv(*text);
    if (!journal.Error.empty())
        return Refused(2, *path + " line " + std::to_string(journal.ErrorLine) + ": " + journal.Error);

    const std::vector<journal::RowCheck> checks = journal::ReplayJournal(journal, stop);
    if (stop != nullptr && stop->load() != 0)
        return Refused(128 + stop->load(), "interrupted; " + std::to_string(checks.size()) + " of "
            + std::to_string(journal.Content.Rows.size()) + " rows replayed");
    const size_t rows = journal.Content.Rows.size();
    Verification verification;
    verification.Report = "journal " + *path + ": seed " + std::to_string(journal.Content.Seed) + ", "
        + std::to_string(rows) + (rows == 1 ? " row" : " rows") + ", replayed on a bench of its own\n";
    size_t reproduced = 0;
    for (size_t i = 0; i < checks.size(); ++i) {
        const journal::RowCheck& check = checks[i];
        verification.Report += "row " + journal.FileCells[i][journal::column::Number] + " (line "
            + std::to_string(check.Line) + "): " + (check.Reproduces ? "reproduces" : "differs: " + check.Difference)
            + '\n';
        reproduced += check.Reproduces ? 1 : 0;
    }
    verification.Report += reproduced == rows ? "every row reproduces\n"
                                              : std::to_string(reproduced) + " of " + std::to_string(rows)
            + " rows reproduce\n";
    verification.Status = reproduced == rows ? 0 : 1;
    return verification;
}

} // namespace sweep
