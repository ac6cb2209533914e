// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/sheets/SpreadsheetCsv.h"
#include "common/text/NumberText.h"
#include "journal/JournalCsv.h"
#include "journal/JournalSheet.h"
#include "journal/RoundedResave.h"
#include "tools/testsupport/TestSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace journal;
using namespace journal::test;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const std::string& end = "\n")
{
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

std::vector<std::string> Split(const std::string& line, char separator)
{
    return *sheets::SplitCsvLine(line, separator);
}

std::string Join(const std::vector<std::string>& cells, char separator)
{
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c)
        line += (c > 0 ? std::string(1, separator) : "") + (cells[c].find(separator) != std::string::npos ? '"' + cells[c] + '"' : cells[c]);
    return line;
}

// The lines of a file with one cell of a row replaced: the row's place from
// 1, below its first row's line (from 1).
std::vector<std::string> WithCell(std::vector<std::string> lines, size_t firstRowLine, size_t row, size_t column,
    const std::string& value, char separator)
{
    std::string& line = lines.at(firstRowLine + row - 2);
    std::vector<std::string> cells = Split(line, separator);
    cells.at(column) = value;
    line = Join(cells, separator);
    return lines;
}

std::vector<RowCheck> Replayed(const std::string& text)
{
    const ReadJournal read = ReadJournalCsv(text);
    EXPECT_EQ(read.Error, "") << "line " << read.ErrorLine;
    return ReplayJournal(read);
}

// The lines of «CSV для Excel»: three facts, an empty line, the headings, the rows.
constexpr size_t SpreadsheetFirstRow = 6;
constexpr size_t MachineFirstRow = 3;

TEST(JournalSheetTest, TheTableHoldsNumbersAsNumbersUnderRussianHeadings)
{
    const Journal session = Session();
    const sheets::Book book = JournalBook(session);
    EXPECT_EQ(book.Sheet.Name, "Журнал");
    EXPECT_TRUE(std::equal(book.Sheet.Headings.begin(), book.Sheet.Headings.end(), ColumnHeadings().begin()));
    ASSERT_EQ(book.Facts.size(), 3u);
    EXPECT_EQ(book.Facts[1].Label, "начальное число");
    EXPECT_EQ(book.Facts[1].Value.Number, static_cast<double>(Seed));
    ASSERT_EQ(book.Sheet.Rows.size(), session.Rows.size());
    for (size_t r = 0; r < session.Rows.size(); ++r) {
        const sheets::Row& cells = book.Sheet.Rows[r];
        const std::optional<RowJudgement> judged = JudgeRow(session.Rows[r]);
        for (size_t c = 0; c < column::Count; ++c) {
            const bool text = c == column::Time || c == column::Experiment || c == column::Verdict
                || (c >= column::Frequency && cells[c].Type == sheets::Cell::Kind::Text);
            EXPECT_EQ(cells[c].Type == sheets::Cell::Kind::Text, text) << "row " << r + 1 << " column " << c;
        }
        EXPECT_EQ(cells[column::Reading].Number, session.Rows[r].Result.RegisterReading);
        EXPECT_EQ(cells[column::Reading].Decimals, 2);
        if (!judged) {
            EXPECT_EQ(cells[column::Experiment].Text, "отказ");
            EXPECT_EQ(cells[column::Theory].Text, "—");
            continue;
        }
        EXPECT_EQ(cells[column::High95].Number, judged->Comparison.Range.High) << "full precision";
        EXPECT_EQ(cells[column::High95].Decimals, judged->CountsTrials ? 4 : 2);
    }
}

TEST(JournalSheetTest, TheWindowShowsRoundedNumbers)
{
    const JournalRow noisePower = Row(1, {1, 2, 1.0, 0.0, NoisePower}, {49.287123456, 1, 0});
    const Cells shown = ShownCells(noisePower);
    EXPECT_EQ(shown[column::Reading], "49,29");
    EXPECT_EQ(shown[column::Theory], "50,00");
    EXPECT_EQ(shown[column::Low95], "37,99");
    const Cells counted = ShownCells(Row(2, {1, 2, 6.0, 0.0, FalseAlarms}, {0.0, 1000, 504}));
    EXPECT_EQ(counted[column::Reading], "0,00");
    EXPECT_EQ(counted[column::Frequency], "0,504");
    EXPECT_EQ(counted[column::Low95], "0,4731");
    EXPECT_EQ(counted[column::Theory], "0,4998");
    EXPECT_EQ(counted[column::Gain], "6");
    EXPECT_EQ(counted[column::Verdict], "согласуется");
}

TEST(JournalSheetTest, EverySavedFormOfASessionVerifies)
{
    const std::string spreadsheet = sheets::SpreadsheetCsvText(JournalBook(Session()));
    const std::string machine = JournalCsvText(Session());
    std::vector<std::string> padded = Lines(spreadsheet.substr(sheets::ByteOrderMark.size()));
    // What a spreadsheet's own save does: every line as wide as the table, quotes around texts.
    for (size_t i = 0; i < 4; ++i)
        padded[i] += std::string(column::Count - Split(padded[i], ';').size(), ';');
    padded[SpreadsheetFirstRow - 1] = "\"" + padded[SpreadsheetFirstRow - 1].substr(0, padded[SpreadsheetFirstRow - 1].find(';')) + "\""
        + padded[SpreadsheetFirstRow - 1].substr(padded[SpreadsheetFirstRow - 1].find(';'));
    const std::vector<std::string> machineLines = Lines(machine);
    std::vector<std::string> zerosDropped = machineLines;
    for (size_t row = 1; row <= 8; ++row)
        for (size_t c : {column::Low95, column::High95, column::Theory}) {
            std::string cell = Split(zerosDropped.at(MachineFirstRow + row - 2), ',').at(c);
            if (cell.find('.') != std::string::npos && cell != "—") {
                cell.erase(cell.find_last_not_of('0') + 1);
                if (cell.ends_with('.'))
                    cell.pop_back();
            }
            zerosDropped = WithCell(zerosDropped, MachineFirstRow, row, c, cell, ',');
        }
    struct Case {
        const char* Name;
        std::string Text;
    };
    const std::vector<Case> cases{
        {"for Excel", spreadsheet},
        {"for Excel without the mark", spreadsheet.substr(sheets::ByteOrderMark.size())},
        {"for Excel with LF", Joined(Lines(spreadsheet.substr(sheets::ByteOrderMark.size())))},
        {"for Excel padded and quoted by a spreadsheet", "\xEF\xBB\xBF" + Joined(padded, "\r\n")},
        {"the file's own form with a mark and CR LF", "\xEF\xBB\xBF" + Joined(machineLines, "\r\n")},
        {"the file's own form with trailing zeros dropped", Joined(zerosDropped)},
    };
    for (const Case& c : cases) {
        const ReadJournal read = ReadJournalCsv(c.Text);
        ASSERT_EQ(read.Error, "") << c.Name << " line " << read.ErrorLine;
        EXPECT_EQ(read.Content.Seed, Seed) << c.Name;
        const std::vector<RowCheck> checks = ReplayJournal(read);
        ASSERT_EQ(checks.size(), 8u) << c.Name;
        for (const RowCheck& check : checks)
            EXPECT_TRUE(check.Reproduces) << c.Name << ": line " << check.Line << ": " << check.Difference;
    }
    EXPECT_EQ(ReadJournalCsv(spreadsheet).Lines.front(), SpreadsheetFirstRow);
}

TEST(JournalSheetTest, ARoundedResaveIsToldFromATamperedFile)
{
    const std::vector<std::string> spreadsheet = Lines(sheets::SpreadsheetCsvText(JournalBook(Session())));
    const std::vector<std::string> machine = Lines(JournalCsvText(Session()));
    const double reading = Session().Rows[3].Result.RegisterReading; // row 4 measures the noise power
    const std::string rounded = WithDecimalComma(FixedText(reading, 2));
    struct Case {
        const char* Name;
        std::string Text;
        bool Refused;
        std::string Said;
    };
    const std::vector<Case> cases{
        {"a reading rounded", Joined(WithCell(spreadsheet, SpreadsheetFirstRow, 4, column::Reading, rounded, ';')), true,
            "line 9: register reading " + FixedText(reading, 2) + " is the bench's " + ShortestText(reading) + " rounded"},
        {"an interval rounded in the file's own form", Joined(WithCell(machine, MachineFirstRow, 5, column::Low95, "0.37", ',')), true,
            "line 7: low 95% 0.37 is the bench's"},
        {"15 digits, as a spreadsheet keeps them",
            Joined(WithCell(spreadsheet, SpreadsheetFirstRow, 4, column::Reading, WithDecimalComma(FixedText(reading, 12)), ';')), true,
            "register reading"},
        {"a rounded reading beside a tampered counter",
            Joined(WithCell(WithCell(spreadsheet, SpreadsheetFirstRow, 4, column::Reading, rounded, ';'), SpreadsheetFirstRow, 3,
                column::Counter, "1", ';')), false, ""},
        {"a reading changed, not rounded", Joined(WithCell(spreadsheet, SpreadsheetFirstRow, 4, column::Reading, "50,5", ';')), false, ""},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> error = RoundedResaveError(Replayed(c.Text));
        EXPECT_EQ(error.has_value(), c.Refused) << c.Name;
        if (error) {
            EXPECT_NE(error->find(c.Said), std::string::npos) << *error;
            EXPECT_NE(error->find("detector-lab"), std::string::npos) << *error;
            EXPECT_EQ(error->find('\n'), std::string::npos) << *error;
        }
    }
}

TEST(JournalSheetTest, ANumberIsTheSameRoundedOrAnother)
{
    struct Case {
        std::string File;
        double Exact;
        std::string Written;
        NumberMatch Match;
    };
    const std::vector<Case> cases{
        {"0.4731", 0.47312345, "0.4731", NumberMatch::Same},
        {"1", 1.0, "1.0000", NumberMatch::Same},
        {"0.47312345", 0.47312345, "0.4731", NumberMatch::Same},
        {"0.47", 0.47312345, "0.4731", NumberMatch::Rounded},
        {"0.4450", 0.44499, "0.4450", NumberMatch::Same},
        {"0.45", 0.44499, "0.4450", NumberMatch::Rounded}, // rounded from the file's four decimals
        {"0.48", 0.47312345, "0.4731", NumberMatch::Different},
        {"4.7e-1", 0.47312345, "0.4731", NumberMatch::Different},
        {"—", 0.5, "0.5000", NumberMatch::Different},
        {"49.2871234567890123", 49.28712345678901, "49.28712345678901", NumberMatch::Same},
        {"49.28712345678902", 49.28712345678901, "49.28712345678901", NumberMatch::Different}, // 16 digits: no spreadsheet's
        // A spreadsheet rounds the decimal text ...885 up, the double below it would round down.
        {"0.736702847472789", 0.7367028474727885, "0.7367", NumberMatch::Rounded},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchNumber(c.File, c.Exact, c.Written), c.Match) << c.File;
}

} // namespace
