// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManualSource.h"

#include <algorithm>
#include <sstream>

namespace manualgen {

namespace {

constexpr size_t kMaxWidth = 79;

// The columns a line takes on a terminal: one a character, whatever the
// bytes of its UTF-8 («Журнал» is six columns, not twelve).
size_t Columns(const std::string& line)
{
    size_t columns = 0;
    for (const char c : line)
        columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return columns;
}

size_t Indentation(const std::string& line)
{
    return line.find_first_not_of(' ');
}

bool Blank(const std::string& line)
{
    return Indentation(line) == std::string::npos;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> SplitList(const std::string& text)
{
    std::vector<std::string> items;
    std::istringstream stream(text);
    for (std::string item; std::getline(stream, item, ',');)
        if (!Trimmed(item).empty())
            items.push_back(Trimmed(item));
    return items;
}

// Reads one "Key: value" header line into the source.
void ReadHeaderLine(const std::string& line, int number, ManualSource& source)
{
    const size_t colon = line.find(": ");
    if (colon == std::string::npos)
        throw SourceError(number, "expected 'Key: value' in the header, not '" + line + "'");
    const std::string key = line.substr(0, colon);
    const std::string value = Trimmed(line.substr(colon + 2));
    if (key == "Name")
        source.Name = value;
    else if (key == "Summary")
        source.Summary = value;
    else if (key == "Usage")
        source.Usages.push_back(value);
    else if (key == "See also")
        source.SeeAlso = SplitList(value);
    else
        throw SourceError(number, "unknown header '" + key + "'");
}

// The term of a list's first line: set apart from its text by two or more spaces.
bool SplitTerm(const std::string& line, std::string& term, std::string& text)
{
    const size_t start = Indentation(line);
    const size_t gap = line.find("  ", start);
    if (gap == std::string::npos) {
        term = line.substr(start);
        text.clear();
        return false;
    }
    term = line.substr(start, gap - start);
    text = Trimmed(line.substr(gap));
    return true;
}

// Indented lines: a list of terms when the first line sets its term apart,
// otherwise kept as they are (a command continued on a deeper line too).
Block IndentedBlock(const std::vector<std::string>& lines)
{
    const size_t indentation = Indentation(lines.front());
    std::string term;
    std::string text;
    Block block;
    if (!SplitTerm(lines.front(), term, text)) {
        block.Type = Block::Kind::Verbatim;
        for (const std::string& line : lines)
            block.Lines.push_back(line.substr(std::min(indentation, Indentation(line))));
        return block;
    }
    block.Type = Block::Kind::Terms;
    for (const std::string& line : lines) {
        if (Indentation(line) <= indentation || block.Terms.empty()) {
            SplitTerm(line, term, text);
            block.Terms.push_back({term, {}});
            if (!text.empty())
                block.Terms.back().Text.push_back(text);
        } else {
            block.Terms.back().Text.push_back(Trimmed(line));
        }
    }
    return block;
}

bool IsSectionTitle(const std::string& line)
{
    constexpr auto kMostWords = 3;
    return Indentation(line) == 0 && line.back() == ':' && std::count(line.begin(), line.end(), ' ') < kMostWords;
}

// One run of lines between blank lines: a section's title, paragraphs and
// indented blocks, in the order they come.
void AddGroup(const std::vector<std::string>& group, std::vector<Block>& blocks)
{
    size_t i = 0;
    if (group.size() > 1 && IsSectionTitle(group.front()) && Indentation(group[1]) > 0) {
        Block section;
        section.Type = Block::Kind::Section;
        section.Lines.push_back(group.front().substr(0, group.front().size() - 1));
        blocks.push_back(std::move(section));
        i = 1;
    }
    while (i < group.size()) {
        const bool indented = Indentation(group[i]) > 0;
        std::vector<std::string> run;
        for (; i < group.size() && (Indentation(group[i]) > 0) == indented; ++i)
            run.push_back(group[i]);
        if (indented) {
            blocks.push_back(IndentedBlock(run));
        } else {
            Block paragraph;
            paragraph.Lines = std::move(run);
            blocks.push_back(std::move(paragraph));
        }
    }
}

} // namespace

ManualSource ReadManualSource(const std::string& text)
{
    ManualSource source;
    std::istringstream stream(text);
    bool inHeader = true;
    int number = 0;
    for (std::string line; std::getline(stream, line);) {
        ++number;
        if (line.find('\t') != std::string::npos)
            throw SourceError(number, "a tab; indent with spaces");
        if (Columns(line) > kMaxWidth)
            throw SourceError(number, "wider than " + std::to_string(kMaxWidth) + " columns");
        if (!line.empty() && line.back() == ' ')
            throw SourceError(number, "spaces at the end of the line");
        if (line.rfind('#', 0) == 0)
            continue;
        if (inHeader && Blank(line)) {
            inHeader = false;
            continue;
        }
        if (inHeader)
            ReadHeaderLine(line, number, source);
        else
            source.Body.push_back(line);
    }
    while (!source.Body.empty() && Blank(source.Body.back()))
        source.Body.pop_back();
    if (source.Name.empty() || source.Summary.empty() || source.Usages.empty())
        throw SourceError(number, "the header needs Name, Summary and at least one Usage");
    if (source.Body.empty())
        throw SourceError(number, "no text after the header");
    return source;
}

std::vector<Block> BodyBlocks(const std::vector<std::string>& body)
{
    std::vector<Block> blocks;
    std::vector<std::string> group;
    for (const std::string& line : body) {
        if (!Blank(line)) {
            group.push_back(line);
            continue;
        }
        if (!group.empty())
            AddGroup(group, blocks);
        group.clear();
    }
    if (!group.empty())
        AddGroup(group, blocks);
    return blocks;
}

} // namespace manualgen
