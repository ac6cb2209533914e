// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionOptions.h"

#include "common/text/Excerpt.h"
#include "common/text/NumberText.h"

SessionOptions ReadSessionOptions(const std::vector<std::string>& arguments)
{
    SessionOptions options;
    const auto fail = [&](std::string error) {
        options.Error = std::move(error);
        return options;
    };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        for (const std::string name : {"--seed", "--continue", "--lang"}) {
            std::optional<std::string> value;
            if (argument == name) {
                if (i + 1 == arguments.size())
                    return fail(name + " needs a value");
                value = arguments[++i];
            } else if (argument.starts_with(name + '=')) {
                value = argument.substr(name.size() + 1);
            } else {
                continue;
            }
            if (name == "--seed") {
                if (options.Seed)
                    return fail("--seed is given twice");
                options.Seed = SeedFromText(*value);
                if (!options.Seed)
                    return fail("the seed '" + Excerpt(*value) + "' is not a whole number from 0 to 4294967295");
            } else if (name == "--lang") {
                if (options.AskedLanguage)
                    return fail("--lang is given twice");
                options.AskedLanguage = LanguageOfCode(*value);
                if (!options.AskedLanguage)
                    return fail("the language '" + Excerpt(*value) + "' is not en or ru");
            } else {
                if (options.ContinuedJournal)
                    return fail("--continue is given twice");
                if (value->empty())
                    return fail("--continue needs a journal file");
                options.ContinuedJournal = value;
            }
        }
    }
    if (options.Seed && options.ContinuedJournal)
        return fail("--seed and --continue exclude each other: a continued session has its journal's seed");
    return options;
}
