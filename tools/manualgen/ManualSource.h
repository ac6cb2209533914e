// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program's manual as one text file: a few header lines, a blank line, and
// the body of its --help text exactly as the program prints it. manualgen
// makes both the program's --help and --version texts and its manual page
// from it, so the two cannot drift apart.
//
//   Name: detector-lab-sweep
//   Summary: one line for the page's NAME section
//   Usage: [options]                  (one or more; the name is put before it)
//   See also: detector-lab(1)         (optional, several separated by commas)
//
//   Body. Paragraphs are unindented lines; a title of at most three words
//   ending with ':', directly followed by indented lines, starts a section
//   ("Options:" becomes OPTIONS on the page; what comes before the first one
//   is DESCRIPTION). Indented lines whose first line sets a term apart by
//   two or more spaces are a list of terms; deeper lines continue a term's
//   text, and a later term may stand alone on its line with its text below.
//   Other indented lines are kept as they are (examples).
//
// Lines starting with '#' are comments. No tabs, and no line wider than 79
// columns: the help must fit a terminal of 80.

#include <stdexcept>
#include <string>
#include <vector>

namespace manualgen {

struct ManualSource {
    std::string Name;
    std::string Summary;
    std::vector<std::string> Usages;  // each without the program's name
    std::vector<std::string> SeeAlso; // "name(section)"
    std::vector<std::string> Body;    // lines of the help after its usage lines
};

// A fault in the source, with the line it is on.
class SourceError : public std::runtime_error {
public:
    SourceError(int line, const std::string& what)
        : std::runtime_error("line " + std::to_string(line) + ": " + what)
    {
    }
};

ManualSource ReadManualSource(const std::string& text);

struct Term {
    std::string Name;              // "--gain VALUES", "0"
    std::vector<std::string> Text; // its description, line by line
};

struct Block {
    enum class Kind { Paragraph, Section, Terms, Verbatim };
    Kind Type = Kind::Paragraph;
    std::vector<std::string> Lines; // a paragraph's or a verbatim block's lines; a section's title
    std::vector<Term> Terms;
};

// The body's structure, as the manual page shows it.
std::vector<Block> BodyBlocks(const std::vector<std::string>& body);

} // namespace manualgen
