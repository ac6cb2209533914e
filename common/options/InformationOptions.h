// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --help and --version of a program whose other options are Qt's own. They
// are answered before anything else, the application object included: with
// no display to connect to, Qt would end the program in its constructor.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct InformationTexts {
    std::string_view Program; // the name that starts a message on standard error
    std::string_view Help;
    std::string_view Version;
};

// The arguments without the program's name. When one of them is --help (-h)
// or --version, prints the text of the first such and returns the exit
// status: 0, or 1 with a line on `err` when standard output could not take
// it. Nothing when neither was asked for.
std::optional<int> AnswerInformationOptions(const std::vector<std::string>& arguments, const InformationTexts& texts,
    std::ostream& out, std::ostream& err);
