// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManPage.h"

#include "HelpTexts.h"

#include <sstream>

namespace manualgen {

namespace {

std::string UpperCase(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    std::istringstream stream(text);
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

// A term of a list: options in bold, the values they take in italics; a
// term that is no option (an exit status) in bold.
std::string TermText(const std::string& term)
{
    const std::vector<std::string> words = Words(term);
    const bool option = !words.empty() && words.front().front() == '-';
    std::string text;
    for (const std::string& word : words) {
        if (!text.empty())
            text += ' ';
        const bool bold = !option || word.front() == '-';
        text += (bold ? "\\fB" : "\\fI") + RoffText(word) + "\\fR";
    }
    return text;
}

// "detector-lab(1)" as a reference to another page.
std::string Reference(const std::string& page)
{
    const size_t open = page.find('(');
    if (open == std::string::npos)
        return ".B " + RoffText(page);
    return ".BR " + RoffText(page.substr(0, open)) + " " + page.substr(open);
}

class Page {
public:
    void Section(const std::string& title)
    {
        text_ += ".SH " + UpperCase(title) + "\n";
        atSectionStart_ = true;
    }

    // .PP between paragraphs, not straight after a section's title.
    void Paragraph()
    {
        if (!atSectionStart_)
            text_ += ".PP\n";
        atSectionStart_ = false;
    }

    void Line(const std::string& line)
    {
        text_ += line + "\n";
        atSectionStart_ = false;
    }

    const std::string& Text() const { return text_; }

private:
    std::string text_;
    bool atSectionStart_ = false;
};

void AddBlock(const Block& block, Page& page)
{
    switch (block.Type) {
    case Block::Kind::Section:
        page.Section(block.Lines.front());
        return;
    case Block::Kind::Paragraph:
        page.Paragraph();
        for (const std::string& line : block.Lines)
            page.Line(RoffText(line));
        return;
    case Block::Kind::Terms:
        for (const Term& term : block.Terms) {
            page.Line(".TP");
            page.Line(TermText(term.Name));
            for (const std::string& line : term.Text)
                page.Line(RoffText(line));
        }
        return;
    case Block::Kind::Verbatim:
        page.Paragraph();
        page.Line(".RS 4");
        page.Line(".nf");
        for (const std::string& line : block.Lines)
            page.Line(RoffText(line));
        page.Line(".fi");
        page.Line(".RE");
        return;
    }
}

} // namespace

std::string RoffText(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        if (c == '\\')
            escaped += "\\e";
        else if (c == '-')
            escaped += "\\-";
        else
            escaped += c;
    }
    if (!escaped.empty() && (escaped.front() == '.' || escaped.front() == '\''))
        escaped.insert(0, "\\&");
    return escaped;
}

std::string ManPage(const ManualSource& source, const Release& release, const std::string& sourceName)
{
    Page page;
    page.Line(".\\\" Made by manualgen from " + sourceName + ": edit that file, not this one.");
    page.Line(".TH " + RoffText(UpperCase(source.Name)) + " 1 " + RoffText(release.Date) + " \""
        + RoffText(release.Package + " " + release.Version) + "\" \"User Commands\"");
    // Options and file names read best unbroken, and without the gaps of justified lines.
    page.Line(".nh");
    page.Line(".ad l");
    page.Section("Name");
    page.Line(RoffText(source.Name) + " \\- " + RoffText(source.Summary));
    page.Section("Synopsis");
    for (size_t i = 0; i < source.Usages.size(); ++i) {
        if (i > 0)
            page.Line(".br");
        page.Line(".B " + RoffText(source.Name));
        page.Line(RoffText(source.Usages[i]));
    }
    page.Section("Description");
    for (const Block& block : BodyBlocks(source.Body))
        AddBlock(block, page);
    page.Section("Copyright");
    page.Line("Copyright (C) " + RoffText(release.Copyright));
    std::istringstream notice(LicenceNotice());
    for (std::string line; std::getline(notice, line);) {
        page.Line(".br");
        page.Line(RoffText(line));
    }
    if (!source.SeeAlso.empty()) {
        page.Section("See also");
        for (size_t i = 0; i < source.SeeAlso.size(); ++i)
            page.Line(Reference(source.SeeAlso[i]) + (i + 1 < source.SeeAlso.size() ? "," : ""));
    }
    return page.Text();
}

} // namespace manualgen
