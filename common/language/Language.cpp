// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"

namespace {

Language& CurrentLanguage()
{
    static Language language = Language::Russian;
    return language;
}

} // namespace

std::string_view LanguageCode(Language language)
{
    return language == Language::English ? "en" : "ru";
}

std::optional<Language> LanguageOfCode(std::string_view code)
{
    for (const Language language : {Language::Russian, Language::English})
        if (code == LanguageCode(language))
            return language;
    return std::nullopt;
}

Language ProgramLanguage()
{
    return CurrentLanguage();
}

void SetProgramLanguage(Language language)
{
    CurrentLanguage() = language;
}
