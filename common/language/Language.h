// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

// The languages the laboratory program speaks. Russian is its own: its texts
// are the source of every translation, its words are what the machine
// formats carry (the kept journal, the sweep's CSV), and it is the language
// of a run unless English is chosen (--lang en, or «Справка» → «Язык»).
enum class Language { Russian, English };

// "ru" and "en", as the command line and the settings spell them.
std::string_view LanguageCode(Language language);
std::optional<Language> LanguageOfCode(std::string_view code);

// A word or a phrase in both languages, for the plain libraries that write
// tables for people (headings, names, verdicts): those words are part of
// what their files say, and a file in either language is read back by a
// program running in either.
struct Wording {
    std::string_view Russian;
    std::string_view English;

    constexpr std::string_view In(Language language) const
    {
        return language == Language::English ? English : Russian;
    }
};

// The language of this run, chosen once at start-up, before any window is
// built; Russian until then. A module has its own copy, set by its factory.
Language ProgramLanguage();
void SetProgramLanguage(Language language);
