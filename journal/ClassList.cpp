// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassList.h"

#include "common/text/Excerpt.h"
#include "common/text/NumberText.h"

#include <optional>

namespace journal {

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// The name and the seed's text of a line: split at its last separator, the
// name unquoted.
std::optional<std::pair<std::string, std::string_view>> Cells(std::string_view line)
{
    const size_t separator = line.find_last_of(",;\t");
    if (separator == std::string_view::npos)
        return std::nullopt;
    std::string_view name = Trimmed(line.substr(0, separator));
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    std::string unquoted;
    for (size_t i = 0; i < name.size(); ++i) {
        unquoted += name[i];
        if (name[i] == '"' && i + 1 < name.size() && name[i + 1] == '"')
            ++i;
    }
    return std::pair(std::move(unquoted), Trimmed(line.substr(separator + 1)));
}

} // namespace

ClassList ReadClassList(std::string_view text)
{
    ClassList list;
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());
    size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        const auto cells = Cells(line);
        const std::optional<uint32_t> seed = cells ? SeedFromText(cells->second) : std::nullopt;
        if (seed && !cells->first.empty()) {
            list.Entries.push_back({cells->first, *seed, lineNumber});
            continue;
        }
        if (list.Entries.empty() && lineNumber == 1 && cells)
            continue; // the headings
        list.Error = !cells ? "no separator between a name and a seed in '" + Excerpt(line) + "'"
            : cells->first.empty() ? "no name before the seed"
                                   : "the seed '" + Excerpt(cells->second) + "' is not a whole number from 0 to 4294967295";
        list.ErrorLine = lineNumber;
        return list;
    }
    return list;
}

const ClassEntry* EntryFor(const ClassList& list, const std::string& path)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    const std::string stem = name.size() > 4 && name.ends_with(".csv") ? name.substr(0, name.size() - 4) : name;
    for (const ClassEntry& entry : list.Entries)
        if (entry.Name == path || entry.Name == name || entry.Name == stem)
            return &entry;
    return nullptr;
}

} // namespace journal
