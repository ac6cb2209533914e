// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Journal.h"

#include <cstddef>
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

// More rows than a session of a student ever holds: a file that claims more
// is refused before anything is replayed.
inline constexpr size_t MaxJournalRows = 100000;

// A journal read back from its file, with each row's cells as the file has
// them, so that what the bench gives can be set beside every one.
struct ReadJournal {
    Journal Content;
    std::vector<Cells> FileCells;
    std::vector<size_t> Lines; // the line of the file each row stands on
    // Empty when the text is a journal; otherwise why not, at ErrorLine.
    std::string Error;
    size_t ErrorLine = 0;
};

// Reads a journal's text, in the file's own form or as «CSV для Excel»
// (JournalSheet.h: the facts first, then ';' between cells and decimal
// commas), with or without a byte-order mark, with LF or CR LF line ends. The
// second form's numbers are taken with decimal points, and the empty cells a
// spreadsheet pads its lines with are let be. Refuses, naming the line,
// anything the program does not write: another first line, other headings,
// a row with more or fewer cells, a cell that is no number where a number
// stands, a position or shape out of its range, text that is not UTF-8, a
// last line without its line break (a file cut short), more than `maxRows`
// rows. K, H and the reading may read "nan" or "inf": such a row is refused
// by the replay.
ReadJournal ReadJournalCsv(std::string_view text, size_t maxRows = MaxJournalRows);

} // namespace journal
