// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/options/InformationOptions.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const InformationTexts kTexts{"probe", "help text\n", "version text\n"};

} // namespace

TEST(InformationOptions, TheFirstOfHelpAndVersionIsAnswered)
{
    const struct {
        std::vector<std::string> arguments;
        std::optional<int> status;
        std::string printed;
    } rows[] = {
        {{}, std::nullopt, ""},
        {{"-platform", "offscreen"}, std::nullopt, ""},
        {{"--helpful", "-help", "--versions"}, std::nullopt, ""},
        {{"--help"}, 0, "help text\n"},
        {{"-h"}, 0, "help text\n"},
        {{"-style", "fusion", "--version"}, 0, "version text\n"},
        {{"--version", "--help"}, 0, "version text\n"},
        {{"--help", "--version"}, 0, "help text\n"},
    };
    for (const auto& row : rows) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(AnswerInformationOptions(row.arguments, kTexts, out, err), row.status);
        EXPECT_EQ(out.str(), row.printed);
        EXPECT_EQ(err.str(), "");
    }
}

TEST(InformationOptions, StandardOutputThatFailsIsStatusOneWithALine)
{
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(AnswerInformationOptions({"--version"}, kTexts, out, err), 1);
    EXPECT_EQ(err.str().rfind("probe: cannot write standard output", 0), 0u) << err.str();
}
