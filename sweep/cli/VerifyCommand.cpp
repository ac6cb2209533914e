// SPDX-License-Identifier: GPL-3.0-or-later
#include "VerifyCommand.h"

#include "ClassVerification.h"
#include "FileName.h"
#include "common/text/Excerpt.h"

#include <cerrno>
#include <cstring>
#include <ostream>

#include <sys/stat.h>

namespace sweep {

namespace {

constexpr std::string_view Option = "--verify";
constexpr std::string_view ProgramName = "detector-lab-sweep";

// The value of an option given as "--name=value" or "--name value".
bool TakeValue(const std::vector<std::string>& arguments, size_t& i, std::string_view name, std::string& value,
    std::string& error)
{
    const std::string& argument = arguments[i];
    if (argument.starts_with(std::string(name) + '=')) {
        value = argument.substr(name.size() + 1);
    } else if (argument == name) {
        if (i + 1 == arguments.size()) {
            error = std::string(name) + " needs a value";
            return true;
        }
        value = arguments[++i];
    } else {
        return false;
    }
    if (value.empty())
        error = std::string(name) + " needs a file name";
    return true;
}

bool IsFolder(const std::string& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

int Print(std::ostream& out, std::ostream& err, const std::string& text, int status)
{
    errno = 0;
    out << text;
    out.flush();
    if (out)
        return status;
    const int error = errno;
    err << ProgramName << ": cannot write standard output" << (error != 0 ? ": " : "")
        << (error != 0 ? std::strerror(error) : "") << '\n';
    return 1;
}

} // namespace

bool AsksToVerify(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments)
        if (argument == Option || argument.starts_with(std::string(Option) + '='))
            return true;
    return false;
}

bool VerifyRequest::OneJournal() const
{
    return Paths.size() == 1 && SeedsFile.empty() && CsvFile.empty() && XlsxFile.empty() && !IsFolder(Paths[0]);
}

VerifyRequest ReadVerifyRequest(const std::vector<std::string>& arguments)
{
    VerifyRequest request;
    bool paths = false;
    for (size_t i = 0; i < arguments.size() && request.Error.empty(); ++i) {
        const std::string& argument = arguments[i];
        std::string value;
        if (TakeValue(arguments, i, Option, value, request.Error)) {
            paths = true;
            if (request.Error.empty())
                request.Paths.push_back(value);
        } else if (TakeValue(arguments, i, "--seeds", value, request.Error)) {
            request.SeedsFile = value;
            paths = false;
        } else if (TakeValue(arguments, i, "--csv", value, request.Error)) {
            request.CsvFile = value;
            paths = false;
        } else if (TakeValue(arguments, i, "--xlsx", value, request.Error)) {
            request.XlsxFile = value;
            paths = false;
        } else if (paths && !argument.starts_with("--")) {
            request.Paths.push_back(argument);
        } else {
            request.Error = "--verify takes journal files or folders, with --seeds FILE, --csv FILE and --xlsx FILE, "
                            "and no other option: not '" + Excerpt(argument) + "' (see --help)";
        }
    }
    if (request.Error.empty() && request.Paths.empty())
        request.Error = "--verify needs a file name";
    for (const std::string& path : request.Paths)
        if (request.Error.empty() && path.empty())
            request.Error = "--verify needs a file name";
    std::vector<std::string> names = request.Paths;
    names.push_back(request.SeedsFile);
    names.push_back(request.CsvFile);
    names.push_back(request.XlsxFile);
    if (request.Error.empty() && !request.XlsxFile.empty() && request.XlsxFile == request.CsvFile)
        request.Error = "--csv and --xlsx name the same file '" + Excerpt(request.XlsxFile, 200) + "'";
    for (const std::string& name : names)
        if (std::string failure = NonUtf8NameError(name); request.Error.empty() && !failure.empty())
            request.Error = "--verify: " + failure;
    return request;
}

journal::Verification VerifyJournal(const std::vector<std::string>& arguments, const std::atomic<int>* stop)
{
    const VerifyRequest request = ReadVerifyRequest(arguments);
    if (!request.Error.empty()) {
        journal::Verification refused;
        refused.Status = 2;
        refused.Error = request.Error;
        return refused;
    }
    return journal::VerifyJournalFile(request.Paths.front(), stop);
}

int RunVerifyCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
    const std::atomic<int>* stop)
{
    const VerifyRequest request = ReadVerifyRequest(arguments);
    if (!request.Error.empty()) {
        err << ProgramName << ": " << request.Error << '\n';
        return 2;
    }
    if (request.OneJournal()) {
        const journal::Verification verification = journal::VerifyJournalFile(request.Paths.front(), stop);
        if (!verification.Error.empty()) {
            err << ProgramName << ": " << verification.Error << '\n';
            return verification.Status;
        }
        return Print(out, err, verification.Report, verification.Status);
    }
    return VerifyClass(request, out, err, stop);
}

} // namespace sweep
