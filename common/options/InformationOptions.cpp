// SPDX-License-Identifier: GPL-3.0-or-later
#include "InformationOptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>

std::optional<int> AnswerInformationOptions(const std::vector<std::string>& arguments, const InformationTexts& texts,
    std::ostream& out, std::ostream& err)
{
    const auto asked = std::find_if(arguments.begin(), arguments.end(),
        [](const std::string& argument) { return argument == "--help" || argument == "-h" || argument == "--version"; });
    if (asked == arguments.end())
        return std::nullopt;
    errno = 0;
    out << (*asked == "--version" ? texts.Version : texts.Help);
    out.flush();
    if (out)
        return 0;
    const int error = errno;
    err << texts.Program << ": cannot write standard output" << (error != 0 ? ": " : "")
        << (error != 0 ? std::strerror(error) : "") << '\n';
    return 1;
}
