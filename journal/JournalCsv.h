// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Journal.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace journal {

// The journal as a CSV file, UTF-8: a first line naming the format, its
// version, the session's seed and the program; the column headings; one
// line per row, numbers with a decimal point.
//   # detector-lab journal 1; seed 3735928559; detector-lab 1.0.0
//   №,время,К1,К2,К3,эксперимент,...
//   1,2026-03-14T09:26:53+03:00,1,2,1,обнаружение,1,2,6,20,0,1000,777,0.777,...
std::string JournalCsvText(const Journal& journal);
// The same in parts: the two lines before the rows, and one row's line.
std::string JournalCsvHead(uint32_t seed);
std::string JournalCsvLine(const JournalRow& row);

inline constexpr int JournalFormatVersion = 1;

// Longer than any line the program writes (some 250 bytes): a longer line
// is refused before it is taken apart, so that no cell, however long, is
// ever copied.
inline constexpr size_t MaxJournalLineBytes = 4096;

// A journal read back from its file, with each row's cells as the file has
// them, so that what the bench gives can be set beside every one.
struct ReadJournal {
    Journal Content;
    std::vector<Cells> FileCells;
    std::vector<size_t> Lines; // the line of the file each row stands on
    // Empty when the text is a journal; otherwise why not, at ErrorLine.
    std::string Error;
    size_t ErrorLine = 0;
    // A last row without its line break, left by a program that ended while
    // appending it: dropped, and its line here (0 when there is none).
    size_t TornLine = 0;
    // The bytes up to the end of the last whole line: the file as it was
    // before the torn row.
    size_t CompleteBytes = 0;
    // Saved as «CSV для Excel», not the file the program keeps.
    bool SpreadsheetForm = false;
    // The language of the file's words: a spreadsheet form saved by an
    // English run is English; the kept file is always Russian.
    Language Wording = Language::Russian;
};

// Reads a journal line by line, as its file comes: the first line (the
// format and the seed) or, in «CSV для Excel», the facts and an empty line;
// the column headings; then one row a line. What it refuses, naming the
// line, is as ReadJournalCsv says.
class JournalLines {
public:
    enum class Taken { Head, Row, Refused };

    // Takes the next line, without its line break (a carriage return before
    // the break is dropped; a byte-order mark before the first line too).
    Taken Take(std::string_view line);

    // The journal's seed, once its head is taken.
    uint32_t Seed() const { return seed_; }
    // Whether the head (the lines before the first row) has been taken.
    bool HeadTaken() const { return part_ == Part::Rows; }
    // Whether the journal is in the «CSV для Excel» form.
    bool Spreadsheet() const { return spreadsheet_; }
    // The language of its words, known from its first line.
    Language Wording() const { return wording_; }
    // The row of the line taken last, as read and as its file has its cells.
    const JournalRow& Row() const { return row_; }
    const Cells& FileCells() const { return cells_; }
    // The line taken last, from 1; what is wrong with it when refused.
    size_t Line() const { return line_; }
    const std::string& Error() const { return error_; }

private:
    enum class Part { Facts, Headings, Rows };

    Taken Refuse(std::string error);
    Taken TakeHead(const std::vector<std::string>& cells);

    Part part_ = Part::Facts;
    bool spreadsheet_ = false;
    Language wording_ = Language::Russian;
    bool seedRead_ = false;
    uint32_t seed_ = 0;
    JournalRow row_;
    Cells cells_;
    size_t line_ = 0;
    std::string error_;
};

// Reads a journal's text, in the file's own form or as «CSV для Excel»
// (JournalSheet.h: the facts first, then ';' between cells and decimal
// commas; its words in Russian or in English), with or without a
// byte-order mark, with LF or CR LF line ends. The
// second form's numbers are taken with decimal points, and the empty cells a
// spreadsheet pads its lines with are let be. Refuses, naming the line,
// anything the program does not write: another first line, other headings,
// a row with more or fewer cells, a cell that is no number where a number
// stands, a position or shape out of its range, text that is not UTF-8, a
// file cut short before its first row, a line longer than
// MaxJournalLineBytes, more than `maxRows` rows. A last row cut short (no
// line break) is dropped and named in TornLine. K, H and the reading may
// read "nan" or "inf": such a row is refused by the replay.
ReadJournal ReadJournalCsv(std::string_view text, size_t maxRows = SIZE_MAX);

} // namespace journal
