// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalCsv.h"

#include "JournalSheet.h"
#include "common/sheets/SpreadsheetCsv.h"
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

// A cell with a comma, a quote or a line break is quoted, its quotes doubled.
std::string CsvCell(const std::string& cell)
{
    if (cell.find_first_of(",\"\r\n") == std::string::npos)
        return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvLine(const Cells& cells)
{
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c)
        line += (c > 0 ? "," : "") + CsvCell(cells[c]);
    return line + '\n';
}

std::string FirstLine(uint32_t seed)
{
    return std::string(FormatName) + std::to_string(FormatVersion) + "; seed " + std::to_string(seed)
        + "; detector-lab " + DetectorLabVersion + '\n';
}

std::string Quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
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

// One of the facts before the headings of «CSV для Excel»: the format and
// the seed are read, any other fact is let be.
std::string ReadFact(const std::vector<std::string>& cells, Journal& journal, bool& seedRead)
{
    if (cells.size() != 2)
        return "a line of the journal's facts holds a label and its value, not " + std::to_string(cells.size()) + " cells";
    if (cells[0] == FormatFact) {
        const std::optional<int> version = ParsedNumber<int>(cells[1]);
        if (!version)
            return "the journal's format version is not a number";
        if (*version != FormatVersion)
            return "journal format " + std::to_string(*version) + "; this program reads format "
                + std::to_string(FormatVersion);
    } else if (cells[0] == SeedFact) {
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

ReadJournal ReadJournalCsv(std::string_view text, size_t maxRows)
{
    ReadJournal read;
    const auto refuse = [&](size_t line, std::string reason) {
        read.ErrorLine = line;
        read.Error = std::move(reason);
        return read;
    };
    if (text.starts_with(sheets::ByteOrderMark))
        text.remove_prefix(sheets::ByteOrderMark.size());
    if (text.empty())
        return refuse(1, "the file is empty");

    const bool spreadsheet = text.starts_with(std::string(FormatFact) + sheets::SpreadsheetSeparator);
    const char separator = spreadsheet ? sheets::SpreadsheetSeparator : ',';
    enum class Part { Facts, Headings, Rows } part = Part::Facts;
    bool seedRead = false;
    size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        if (end == std::string_view::npos)
            return refuse(lineNumber, "the line has no line break: the file is cut short");
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!IsUtf8(line))
            return refuse(lineNumber, "not UTF-8 text");

        if (!spreadsheet && part == Part::Facts) {
            if (std::string failure = ReadFirstLine(line, read.Content); !failure.empty())
                return refuse(lineNumber, std::move(failure));
            part = Part::Headings;
            continue;
        }
        std::optional<std::vector<std::string>> cells = sheets::SplitCsvLine(line, separator);
        if (!cells)
            return refuse(lineNumber, "a quoted cell is not closed");
        if (spreadsheet)
            DropPadding(*cells, part == Part::Facts ? size_t{1} : size_t{column::Count});
        if (part == Part::Facts) {
            if (cells->size() == 1 && cells->front().empty()) { // the empty line after the facts
                if (!seedRead)
                    return refuse(lineNumber, "the journal's facts name no seed");
                part = Part::Headings;
            } else if (std::string failure = ReadFact(*cells, read.Content, seedRead); !failure.empty()) {
                return refuse(lineNumber, std::move(failure));
            }
            continue;
        }
        if (part == Part::Headings) {
            if (cells->size() != column::Count || !std::equal(cells->begin(), cells->end(), ColumnHeadings().begin()))
                return refuse(lineNumber, "these are not the journal's column headings");
            part = Part::Rows;
            continue;
        }
        if (read.Content.Rows.size() == maxRows)
            return refuse(lineNumber, "more than " + std::to_string(maxRows) + " rows, more than a journal holds");
        if (cells->size() != column::Count)
            return refuse(lineNumber, std::to_string(cells->size()) + " cells; a journal's row has "
                + std::to_string(column::Count));
        Cells row;
        std::move(cells->begin(), cells->end(), row.begin());
        if (spreadsheet)
            WithDecimalPoints(row);
        JournalRow parsed;
        if (std::string failure = ReadRow(row, parsed); !failure.empty())
            return refuse(lineNumber, std::move(failure));
        read.Content.Rows.push_back(std::move(parsed));
        read.FileCells.push_back(std::move(row));
        read.Lines.push_back(lineNumber);
    }
    if (part != Part::Rows)
        return refuse(lineNumber + 1, "the file ends before the column headings");
    return read;
}

} // namespace journal
