// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpTexts.h"

#include <cstdio>

namespace manualgen {

namespace {

std::string CamelCase(const std::string& name)
{
    std::string identifier;
    bool upper = true;
    for (char c : name) {
        if (c == '-' || c == '_' || c == '.') {
            upper = true;
            continue;
        }
        identifier += upper && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        upper = false;
    }
    return identifier;
}

// A C++ string literal of the text, one literal a line.
std::string Literal(const std::string& text)
{
    std::string literal = "\n    \"";
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '\\') {
            literal += '\\';
            literal += c;
        } else if (c == '\n') {
            literal += i + 1 < text.size() ? "\\n\"\n    \"" : "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", static_cast<unsigned char>(c));
            literal += escaped;
        } else {
            literal += c;
        }
    }
    return literal + "\"";
}

} // namespace

std::string HelpText(const ManualSource& source)
{
    std::string text;
    for (size_t i = 0; i < source.Usages.size(); ++i)
        text += (i == 0 ? "Usage: " : "       ") + source.Name + " " + source.Usages[i] + "\n";
    text += "\n";
    for (const std::string& line : source.Body)
        text += line + "\n";
    return text;
}

std::string LicenceNotice()
{
    return "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

std::string VersionText(const ManualSource& source, const Release& release)
{
    return source.Name + " (" + release.Package + ") " + release.Version + "\n" + "Copyright (C) "
        + release.Copyright + "\n" + LicenceNotice();
}

std::string CppHeader(const ManualSource& source, const Release& release, const std::string& sourceName)
{
    const std::string prefix = CamelCase(source.Name);
    return "// Made by manualgen from " + sourceName + ": edit that file, not this one.\n"
        + "#pragma once\n\nnamespace manual {\n\n"
        + "// " + source.Name + " --help\n"
        + "inline constexpr char " + prefix + "Help[] =" + Literal(HelpText(source)) + ";\n\n"
        + "// " + source.Name + " --version\n"
        + "inline constexpr char " + prefix + "Version[] =" + Literal(VersionText(source, release)) + ";\n\n"
        + "} // namespace manual\n";
}

} // namespace manualgen
