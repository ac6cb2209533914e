// SPDX-License-Identifier: GPL-3.0-or-later
#include "XlsxWorkbook.h"

#include "common/text/NumberText.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace sheets {

namespace {

namespace fs = std::filesystem;

constexpr double NarrowestColumn = 6.0;
constexpr double WidestColumn = 48.0;

// Characters, not bytes: the texts are UTF-8.
size_t Length(const std::string& text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// A spreadsheet's cell holds at most 32767 characters, and libxlsxwriter
// leaves a longer text out altogether: it is cut, at a character, with "…"
// at its end, so the cell shows what it can and says that it goes on.
constexpr size_t MaxCellCharacters = 32767;

std::string FittingCell(const std::string& text)
{
    if (Length(text) <= MaxCellCharacters)
        return text;
    size_t characters = 0;
    size_t end = 0;
    for (; end < text.size(); ++end)
        if ((text[end] & 0xC0) != 0x80 && ++characters == MaxCellCharacters)
            break;
    return text.substr(0, end) + "…";
}

// libxlsxwriter writes its workbook to a named file: one in a folder of
// its own, removed with it.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::error_code error;
        std::string pattern = (fs::temp_directory_path(error) / "detector-lab-xlsx-XXXXXX").string();
        if (!error && mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

class Writer {
public:
    explicit Writer(lxw_workbook* workbook) : workbook_(workbook)
    {
        heading_ = workbook_add_format(workbook_);
        format_set_bold(heading_);
        format_set_text_wrap(heading_);
        format_set_align(heading_, LXW_ALIGN_VERTICAL_TOP);
    }

    void WriteTable(const Table& table)
    {
        lxw_worksheet* sheet = workbook_add_worksheet(workbook_, table.Name.c_str());
        if (sheet == nullptr)
            return;
        std::vector<size_t> widths(table.Headings.size());
        for (size_t c = 0; c < table.Headings.size(); ++c) {
            worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), table.Headings[c].c_str(), heading_);
            widths[c] = Length(table.Headings[c]) / 2 + 1; // headings wrap onto two lines
        }
        for (size_t r = 0; r < table.Rows.size(); ++r)
            for (size_t c = 0; c < table.Rows[r].size(); ++c) {
                const size_t length = Write(sheet, static_cast<lxw_row_t>(r + 1), static_cast<lxw_col_t>(c), table.Rows[r][c]);
                if (c < widths.size())
                    widths[c] = std::max(widths[c], length);
            }
        SetWidths(sheet, widths);
        worksheet_freeze_panes(sheet, 1, 0);
        if (!table.Headings.empty())
            worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(table.Rows.size()),
                static_cast<lxw_col_t>(table.Headings.size() - 1));
    }

    void WriteFacts(const std::string& name, const std::vector<Fact>& facts)
    {
        if (facts.empty())
            return;
        lxw_worksheet* sheet = workbook_add_worksheet(workbook_, name.c_str());
        if (sheet == nullptr)
            return;
        std::vector<size_t> widths(2);
        for (size_t r = 0; r < facts.size(); ++r) {
            const auto row = static_cast<lxw_row_t>(r);
            worksheet_write_string(sheet, row, 0, facts[r].Label.c_str(), heading_);
            widths[0] = std::max(widths[0], Length(facts[r].Label));
            widths[1] = std::max(widths[1], Write(sheet, row, 1, facts[r].Value));
        }
        SetWidths(sheet, widths);
    }

private:
    // Writes a cell and returns how many characters it shows.
    size_t Write(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const Cell& cell)
    {
        switch (cell.Type) {
        case Cell::Kind::Empty:
            return 0;
        case Cell::Kind::Text: {
            const std::string text = FittingCell(cell.Text);
            worksheet_write_string(sheet, row, column, text.c_str(), nullptr);
            return Length(text);
        }
        case Cell::Kind::Number:
            break;
        }
        if (!std::isfinite(cell.Number)) {
            const std::string text = ShortestText(cell.Number);
            worksheet_write_string(sheet, row, column, text.c_str(), nullptr);
            return text.size();
        }
        worksheet_write_number(sheet, row, column, cell.Number, NumberFormat(cell.Decimals));
        return cell.Decimals >= 0 ? FixedText(cell.Number, cell.Decimals).size() : ShortestText(cell.Number).size();
    }

    // "0.0000" for four decimals; numbers shown as they are get the general format.
    lxw_format* NumberFormat(int decimals)
    {
        if (decimals < 0)
            return nullptr;
        lxw_format*& format = numberFormats_[decimals];
        if (format == nullptr) {
            format = workbook_add_format(workbook_);
            const std::string pattern = decimals == 0 ? "0" : "0." + std::string(static_cast<size_t>(decimals), '0');
            format_set_num_format(format, pattern.c_str());
        }
        return format;
    }

    static void SetWidths(lxw_worksheet* sheet, const std::vector<size_t>& widths)
    {
        for (size_t c = 0; c < widths.size(); ++c) {
            const double width = std::clamp(static_cast<double>(widths[c]) + 2.0, NarrowestColumn, WidestColumn);
            worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width, nullptr);
        }
    }

    lxw_workbook* workbook_;
    lxw_format* heading_;
    std::map<int, lxw_format*> numberFormats_;
};

std::string Failure(const std::string& what)
{
    return "cannot make the workbook: " + what;
}

} // namespace

XlsxBytes XlsxWorkbook(const Book& book)
{
    return XlsxWorkbook(std::vector<Table>{book.Sheet}, book.FactsName, book.Facts);
}

XlsxBytes XlsxWorkbook(const std::vector<Table>& tables, const std::string& factsName, const std::vector<Fact>& facts)
{
    const ScratchFolder folder;
    if (folder.Path().empty())
        return {{}, Failure("no temporary folder")};
    const std::string path = (folder.Path() / "book.xlsx").string();
    std::string scratch = folder.Path().string();
    lxw_workbook_options options{};
    options.tmpdir = scratch.data();
    lxw_workbook* workbook = workbook_new_opt(path.c_str(), &options);
    if (workbook == nullptr)
        return {{}, Failure("out of memory or no temporary folder")};
    Writer writer(workbook);
    for (const Table& table : tables)
        writer.WriteTable(table);
    writer.WriteFacts(factsName, facts);
    const lxw_error closed = workbook_close(workbook);
    if (closed != LXW_NO_ERROR)
        return {{}, Failure(lxw_strerror(closed))};
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (!in.good() && !in.eof())
        return {{}, Failure("the temporary file cannot be read")};
    return {std::move(bytes), {}};
}

} // namespace sheets
