// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalCsv.h"

#include "JournalSheet.h"
#include "common/sheets/SpreadsheetCsv.h"
#include "common/text/CsvField.h"
#include "common/text/Excerpt.h"
#include "common/version/Version.h"

#include <QDateTime>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <type_traits>

namespace journal {

namespace {

constexpr int FormatVersion = JournalFormatVersion;
constexpr std::string_view FormatName = "# detector-lab journal ";

std::string CsvLine(const Cells& cells)
{
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c)
        line += (c > 0 ? "," : "") + CsvField(cells[c], ',');
    return line + '\n';
}

std::string FirstLine(uint32_t seed)
{
    return std::string(FormatName) + std::to_string(FormatVersion) + "; seed " + std::to_string(seed)
        + "; detector-lab " + DetectorLabVersion + '\n';
}

std::string Quoted(std::string_view text)
{
    return "'" + Excerpt(text) + "'";
}

bool IsUtf8(std::string_view text)
{
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// The whole text as a number of the type: from_chars, so "1e3" is no whole
// number, and "nan" and "inf" are doubles (a file that claims them is read,
// and its row then does not reproduce).
template <typename Number>
std::optional<Number> ParsedNumber(std::string_view text)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Reads the cells of one row into `row`; returns why they are no row.
std::string ReadRow(const Cells& cells, JournalRow& row)
{
    const Cells& names = ColumnNames();
    const auto whole = [&](size_t c, int64_t low, int64_t high, auto& into) -> std::string {
        const std::optional<int64_t> value = ParsedNumber<int64_t>(cells[c]);
        if (!value)
            return "the " + names[c] + " cell " + Quoted(cells[c]) + " is not a whole number";
        if (*value < low || *value > high)
            return "the " + names[c] + " cell " + Quoted(cells[c]) + " is not from " + std::to_string(low) + " to "
                + std::to_string(high);
        into = static_cast<std::remove_reference_t<decltype(into)>>(*value);
        return {};
    };
    const auto real = [&](size_t c, double& into) -> std::string {
        const std::optional<double> value = ParsedNumber<double>(cells[c]);
        if (!value)
            return "the " + names[c] + " cell " + Quoted(cells[c]) + " is not a number";
        into = *value;
        return {};
    };
    MeasurementInputs& in = row.Inputs;
    MeasurementResult& out = row.Result;
    int32_t k1 = 0, k2 = 0, k3 = 0;
    for (const std::string& failure :
        {whole(column::Number, 1, INT64_MAX, row.Number), whole(column::K1, 1, 3, k1), whole(column::K2, 1, 2, k2),
            whole(column::K3, 1, 2, k3), whole(column::Signal1, 1, 4, in.Signal1Shape),
            whole(column::Signal2, 1, 4, in.Signal2Shape), real(column::Gain, in.Gain),
            real(column::Threshold, in.Threshold), real(column::Reading, out.RegisterReading),
            whole(column::Trials, 0, INT32_MAX, out.Trials), whole(column::Counter, 0, INT32_MAX, out.Counter)})
        if (!failure.empty())
            return failure;
    in.Switches = {k1 - 1, k2 - 1, k3 - 1};
    if (!QDateTime::fromString(QString::fromStdString(cells[column::Time]), Qt::ISODate).isValid())
        return "the time cell " + Quoted(cells[column::Time]) + " is not an ISO 8601 time";
    row.Time = cells[column::Time];
    return {};
}

// Reads the first line: the format, its version and the seed.
std::string ReadFirstLine(std::string_view line, Journal& journal)
{
    if (!line.starts_with(FormatName))
        return "not a Detector Lab journal: it does not start with '" + std::string(FormatName) + "1; seed ...'";
    line.remove_prefix(FormatName.size());
    const size_t versionEnd = line.find(';');
    const std::optional<int> version = ParsedNumber<int>(line.substr(0, versionEnd));
    if (!version)
        return "the journal's format version is not a number";
    if (*version != FormatVersion)
        return "journal format " + std::to_string(*version) + "; this program reads format "
            + std::to_string(FormatVersion);
    constexpr std::string_view seedMark = "; seed ";
    if (versionEnd == std::string_view::npos || !line.substr(versionEnd).starts_with(seedMark))
        return "the first line names no seed";
    line.remove_prefix(versionEnd);
    line.remove_prefix(seedMark.size());
    const std::optional<uint32_t> seed = ParsedNumber<uint32_t>(line.substr(0, line.find(';')));
    if (!seed)
        return "the seed is not a whole number from 0 to 4294967295";
    journal.Seed = *seed;
    return {};
}

// Drops the empty cells a spreadsheet pads its lines with, down to `keep`.
void DropPadding(std::vector<std::string>& cells, size_t keep)
{
    while (cells.size() > keep && cells.back().empty())
        cells.pop_back();
}

// The numbers of «CSV для Excel» with the decimal point of the file's own form.
void WithDecimalPoints(Cells& cells)
{
    for (size_t c : {column::Gain, column::Threshold, column::Reading, column::Frequency, column::Low95,
             column::High95, column::Theory})
        std::replace(cells[c].begin(), cells[c].end(), ',', '.');
}

// One of the facts before the headings of «CSV для Excel», labelled in the
// file's language: the format and the seed are read, any other fact is let be.
std::string ReadFact(const std::vector<std::string>& cells, Language wording, Journal& journal, bool& seedRead)
{
    if (cells.size() != 2)
        return "a line of the journal's facts holds a label and its value, not " + std::to_string(cells.size()) + " cells";
    if (cells[0] == FormatFact.In(wording)) {
        const std::optional<int> version = ParsedNumber<int>(cells[1]);
        if (!version)
            return "the journal's format version is not a number";
        if (*version != FormatVersion)
            return "journal format " + std::to_string(*version) + "; this program reads format "
                + std::to_string(FormatVersion);
    } else if (cells[0] == SeedFact.In(wording)) {
        const std::optional<uint32_t> seed = ParsedNumber<uint32_t>(cells[1]);
        if (!seed)
            return "the seed is not a whole number from 0 to 4294967295";
        journal.Seed = *seed;
        seedRead = true;
    }
    return {};
}

} // namespace

std::string JournalCsvHead(uint32_t seed)
{
    return FirstLine(seed) + CsvLine(ColumnHeadings());
}

std::string JournalCsvLine(const JournalRow& row)
{
    return CsvLine(RowCells(row));
}

std::string JournalCsvText(const Journal& journal)
{
    std::string text = JournalCsvHead(journal.Seed);
    for (const JournalRow& row : journal.Rows)
        text += JournalCsvLine(row);
    return text;
}

JournalLines::Taken JournalLines::Refuse(std::string error)
{
    error_ = std::move(error);
    return Taken::Refused;
}

// A line before the first row, in «CSV для Excel»: a fact, the empty line
// after the facts, or the headings.
JournalLines::Taken JournalLines::TakeHead(const std::vector<std::string>& cells)
{
    if (part_ == Part::Facts) {
        if (cells.size() == 1 && cells.front().empty()) { // the empty line after the facts
            if (!seedRead_)
                return Refuse("the journal's facts name no seed");
            part_ = Part::Headings;
            return Taken::Head;
        }
        Journal head{seed_, {}};
        if (std::string failure = ReadFact(cells, wording_, head, seedRead_); !failure.empty())
            return Refuse(std::move(failure));
        seed_ = head.Seed;
        return Taken::Head;
    }
    if (cells.size() != column::Count || !std::equal(cells.begin(), cells.end(), ColumnHeadings(wording_).begin()))
        return Refuse("these are not the journal's column headings");
    part_ = Part::Rows;
    return Taken::Head;
}

JournalLines::Taken JournalLines::Take(std::string_view line)
{
    ++line_;
    if (line_ == 1) {
        if (line.starts_with(sheets::ByteOrderMark))
            line.remove_prefix(sheets::ByteOrderMark.size());
        for (const Language language : {Language::Russian, Language::English})
            if (line.starts_with(std::string(FormatFact.In(language)) + sheets::SpreadsheetSeparator)) {
                spreadsheet_ = true;
                wording_ = language;
            }
    }
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    if (line.size() > MaxJournalLineBytes)
        return Refuse("the line is longer than " + std::to_string(MaxJournalLineBytes)
            + " bytes, longer than any line of a journal");
    if (!IsUtf8(line))
        return Refuse("not UTF-8 text");
    if (!spreadsheet_ && part_ == Part::Facts) {
        Journal head;
        if (std::string failure = ReadFirstLine(line, head); !failure.empty())
            return Refuse(std::move(failure));
        seed_ = head.Seed;
        part_ = Part::Headings;
        return Taken::Head;
    }
    std::optional<std::vector<std::string>> cells
        = sheets::SplitCsvLine(line, spreadsheet_ ? sheets::SpreadsheetSeparator : ',');
    if (!cells)
        return Refuse("a quoted cell is not closed");
    if (spreadsheet_)
        DropPadding(*cells, part_ == Part::Facts ? size_t{1} : size_t{column::Count});
    if (part_ != Part::Rows)
        return TakeHead(*cells);
    if (cells->size() != column::Count)
        return Refuse(std::to_string(cells->size()) + " cells; a journal's row has " + std::to_string(column::Count));
    std::move(cells->begin(), cells->end(), cells_.begin());
    if (spreadsheet_)
        WithDecimalPoints(cells_);
    row_ = JournalRow();
    if (std::string failure = ReadRow(cells_, row_); !failure.empty())
        return Refuse(std::move(failure));
    return Taken::Row;
}

ReadJournal ReadJournalCsv(std::string_view text, size_t maxRows)
{
    ReadJournal read;
    const auto refuse = [&](size_t line, std::string reason) {
        read.ErrorLine = line;
        read.Error = std::move(reason);
        return read;
    };
    const size_t wholeSize = text.size();
    if (text.empty() || text == sheets::ByteOrderMark)
        return refuse(1, "the file is empty");

    JournalLines lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            if (!lines.HeadTaken())
                return refuse(lines.Line() + 1, "the line has no line break: the file is cut short");
            // The row the program was appending when it ended.
            read.TornLine = lines.Line() + 1;
            break;
        }
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        read.CompleteBytes = wholeSize - text.size();
        switch (lines.Take(line)) {
        case JournalLines::Taken::Head:
            read.Content.Seed = lines.Seed();
            read.SpreadsheetForm = lines.Spreadsheet();
            read.Wording = lines.Wording();
            continue;
        case JournalLines::Taken::Refused:
            return refuse(lines.Line(), lines.Error());
        case JournalLines::Taken::Row:
            if (read.Content.Rows.size() == maxRows)
                return refuse(lines.Line(), "more than " + std::to_string(maxRows) + " rows, more than a journal holds");
            read.Content.Rows.push_back(lines.Row());
            read.FileCells.push_back(lines.FileCells());
            read.Lines.push_back(lines.Line());
            continue;
        }
    }
    if (!lines.HeadTaken())
        return refuse(lines.Line() + 1, "the file ends before the column headings");
    return read;
}

} // namespace journal
