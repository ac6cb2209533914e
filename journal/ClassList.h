// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace journal {

// One line of an instructor's class list: a student's journal, by its file
// name (with or without ".csv") or its path, and the seed assigned to it.
struct ClassEntry {
    std::string Name;
    uint32_t Seed = 0;
    size_t Line = 0;
};

struct ClassList {
    std::vector<ClassEntry> Entries;
    // Empty when the text is a class list; otherwise why not, at ErrorLine.
    std::string Error;
    size_t ErrorLine = 0;
};

// Reads a class list: one "name,seed" a line (a semicolon or a tab may
// separate them too), blank lines and lines starting with '#' left out, a
// first line whose seed is no number taken for headings. UTF-8, with or
// without a byte-order mark; a name may be quoted ("Иванов, И.").
ClassList ReadClassList(std::string_view text);

// The entry of the journal at `path`: the entry named by the path as given,
// by the file's name, or by that name without ".csv"; null when none is.
const ClassEntry* EntryFor(const ClassList& list, const std::string& path);

} // namespace journal
