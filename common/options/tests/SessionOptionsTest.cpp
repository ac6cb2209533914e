// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/options/SessionOptions.h"

#include <gtest/gtest.h>

TEST(SessionOptions, SeedsAndJournalsAreReadAndBadOnesRefused)
{
    const struct {
        std::vector<std::string> arguments;
        std::optional<uint32_t> seed;
        std::optional<std::string> journal;
        std::string error;
    } rows[] = {
        {{}, std::nullopt, std::nullopt, ""},
        {{"-platform", "offscreen", "-style", "fusion"}, std::nullopt, std::nullopt, ""},
        {{"--seed", "20100401"}, 20100401u, std::nullopt, ""},
        {{"--seed=0"}, 0u, std::nullopt, ""},
        {{"--seed", "4294967295"}, 4294967295u, std::nullopt, ""},
        {{"--continue", "journal.csv", "-platform", "offscreen"}, std::nullopt, "journal.csv", ""},
        {{"--continue=--seed"}, std::nullopt, "--seed", ""},
        {{"--seed"}, std::nullopt, std::nullopt, "--seed needs a value"},
        {{"--seed", "4294967296"}, std::nullopt, std::nullopt, "the seed '4294967296' is not a whole number"},
        {{"--seed=-1"}, std::nullopt, std::nullopt, "the seed '-1' is not"},
        {{"--seed", "1e3"}, std::nullopt, std::nullopt, "the seed '1e3' is not"},
        {{"--seed", "1", "--seed", "2"}, std::nullopt, std::nullopt, "--seed is given twice"},
        {{"--continue="}, std::nullopt, std::nullopt, "--continue needs a journal file"},
        {{"--continue", "a.csv", "--continue", "b.csv"}, std::nullopt, std::nullopt, "--continue is given twice"},
        {{"--seed", "1", "--continue", "a.csv"}, std::nullopt, std::nullopt, "--seed and --continue exclude each other"},
    };
    for (const auto& row : rows) {
        const SessionOptions options = ReadSessionOptions(row.arguments);
        if (!row.error.empty()) {
            EXPECT_EQ(options.Error.rfind(row.error, 0), 0u) << options.Error;
            continue;
        }
        EXPECT_EQ(options.Error, "");
        EXPECT_EQ(options.Seed, row.seed);
        EXPECT_EQ(options.ContinuedJournal, row.journal);
    }
    // A long value is quoted in part.
    EXPECT_LT(ReadSessionOptions({"--seed", std::string(1000, '9')}).Error.size(), 100u);
}

TEST(SessionOptions, LanguageIsEnglishOrRussianForOneRun)
{
    const struct {
        std::vector<std::string> arguments;
        std::optional<Language> language;
        std::string error;
    } rows[] = {
        {{}, std::nullopt, ""},
        {{"--lang", "en"}, Language::English, ""},
        {{"--lang=ru"}, Language::Russian, ""},
        {{"--seed", "7", "--lang", "en", "-platform", "offscreen"}, Language::English, ""},
        {{"--lang"}, std::nullopt, "--lang needs a value"},
        {{"--lang", "EN"}, std::nullopt, "the language 'EN' is not en or ru"},
        {{"--lang=de"}, std::nullopt, "the language 'de' is not en or ru"},
        {{"--lang="}, std::nullopt, "the language '' is not en or ru"},
        {{"--lang", "en", "--lang", "ru"}, std::nullopt, "--lang is given twice"},
    };
    for (const auto& row : rows) {
        const SessionOptions options = ReadSessionOptions(row.arguments);
        EXPECT_EQ(options.Error, row.error);
        if (row.error.empty()) {
            EXPECT_EQ(options.AskedLanguage, row.language);
        }
    }
}
