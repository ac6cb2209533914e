// SPDX-License-Identifier: GPL-3.0-or-later
#include "VerifyCommand.h"

#include "FileName.h"

#include <optional>

namespace sweep {

namespace {

constexpr std::string_view Option = "--verify";

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

} // namespace

bool AsksToVerify(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments)
        if (argument == Option || argument.starts_with(std::string(Option) + '='))
            return true;
    return false;
}

journal::Verification VerifyJournal(const std::vector<std::string>& arguments, const std::atomic<int>* stop)
{
    std::string error;
    const std::optional<std::string> path = JournalPath(arguments, error);
    if (!path)
        return {2, {}, error};
    if (path->empty())
        return {2, {}, "--verify needs a file name"};
    if (std::string failure = NonUtf8NameError(*path); !failure.empty())
        return {2, {}, "--verify: " + failure};
    return journal::VerifyJournalFile(*path, stop);
}

} // namespace sweep
