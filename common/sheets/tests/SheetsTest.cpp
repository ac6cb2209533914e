// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/sheets/SpreadsheetCsv.h"
#include "common/sheets/TabText.h"
#include "common/sheets/XlsxWorkbook.h"
#include "tools/testsupport/TestFolder.h"
#include "tools/testsupport/XlsxCells.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

using namespace sheets;

// A table of every kind of cell: whole numbers, numbers at full precision
// and at four decimals, texts with the separators in them, an empty cell.
Book SampleBook()
{
    Book book;
    book.Sheet.Name = "Журнал";
    book.Sheet.Headings = {"№", "эксперимент", "частота", "регистратор (мВ*мВ)"};
    book.Sheet.Rows = {
        {Cell::OfWhole(1), Cell::OfText("различение, послан сигнал 1"), Cell::OfNumber(0.1 + 0.2, 4), Cell::OfNumber(49.287123456789012)},
        {Cell::OfWhole(2), Cell::OfText("a;b \"c\"\td"), Cell{}, Cell::OfNumber(-1e-7)},
    };
    book.Facts = {{"программа", Cell::OfText("detector-lab 1.0.0")}, {"начальное число", Cell::OfWhole(3735928559)}};
    return book;
}

class SheetsTest : public TestFolder {};

TEST_F(SheetsTest, SpreadsheetCsvHasTheMarkTheFactsAndCommas)
{
    const std::string text = SpreadsheetCsvText(SampleBook());
    EXPECT_EQ(text,
        "\xEF\xBB\xBF"
        "программа;detector-lab 1.0.0\r\n"
        "начальное число;3735928559\r\n"
        "\r\n"
        "№;эксперимент;частота;регистратор (мВ*мВ)\r\n"
        "1;различение, послан сигнал 1;0,30000000000000004;49,28712345678901\r\n"
        "2;\"a;b \"\"c\"\"\td\";;-1e-07\r\n");
    // Each line splits back into the cells written.
    const auto cells = SplitCsvLine("2;\"a;b \"\"c\"\"\td\";;-1e-07", SpreadsheetSeparator);
    ASSERT_TRUE(cells.has_value());
    EXPECT_EQ(*cells, (std::vector<std::string>{"2", "a;b \"c\"\td", "", "-1e-07"}));
    EXPECT_FALSE(SplitCsvLine("1;\"open", ';').has_value());
}

TEST_F(SheetsTest, TabTextGivesTheRowsAskedForUnderTheHeadings)
{
    const Table& table = SampleBook().Sheet;
    const std::string headings = "№\tэксперимент\tчастота\tрегистратор (мВ*мВ)\n";
    struct Case {
        std::vector<size_t> Rows;
        std::string Expected;
    };
    const std::vector<Case> cases{
        {{}, headings + "1\tразличение, послан сигнал 1\t0,30000000000000004\t49,28712345678901\n"
                        "2\ta;b \"c\" d\t\t-1e-07\n"},
        {{1}, headings + "2\ta;b \"c\" d\t\t-1e-07\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TabSeparatedText(table, c.Rows), c.Expected);
}

TEST_F(SheetsTest, TheWorkbookReadsBackWithNumbersAsNumbers)
{
    Book book = SampleBook();
    book.Sheet.Rows.push_back({Cell::OfWhole(3), Cell::OfText("нет"), Cell::OfNumber(std::numeric_limits<double>::quiet_NaN(), 4),
        Cell::OfNumber(std::numeric_limits<double>::infinity())});
    // Longer than a cell holds: kept to the limit, not left out.
    std::string longText;
    while (longText.size() < 70000)
        longText += "строка, ";
    book.Sheet.Rows.push_back({Cell::OfWhole(4), Cell::OfText(longText)});
    const XlsxBytes workbook = XlsxWorkbook(book);
    ASSERT_EQ(workbook.Error, "");
    std::ofstream(File("book.xlsx"), std::ios::binary) << workbook.Bytes;

    const std::vector<xlsx_test::XlsxSheet> sheets = xlsx_test::ReadXlsx(File("book.xlsx"));
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].Name, "Журнал");
    EXPECT_EQ(sheets[1].Name, "Сведения");
    const auto& rows = sheets[0].Rows;
    ASSERT_EQ(rows.size(), 5u);
    const QString cut = QString::fromStdString(rows[4][1].Text);
    EXPECT_EQ(cut.size(), 32767);
    EXPECT_TRUE(cut.startsWith(QStringLiteral("строка, строка"))) << rows[4][1].Text.substr(0, 40);
    EXPECT_TRUE(cut.endsWith(QStringLiteral("…")));
    for (size_t c = 0; c < book.Sheet.Headings.size(); ++c) {
        EXPECT_FALSE(rows[0][c].IsNumber);
        EXPECT_EQ(rows[0][c].Text, book.Sheet.Headings[c]);
    }
    for (size_t r = 1; r < 4; ++r)
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const Cell& written = book.Sheet.Rows[r - 1][c];
            const xlsx_test::XlsxCell& read = rows[r][c];
            const bool number = written.Type == Cell::Kind::Number && std::isfinite(written.Number);
            EXPECT_EQ(read.IsNumber, number) << "row " << r << " column " << c;
            if (number) {
                // libxlsxwriter keeps 16 significant digits.
                EXPECT_NEAR(read.Number(), written.Number, std::abs(written.Number) * 1e-15) << read.Text;
                EXPECT_EQ(read.Format, written.Decimals == 4 ? "0.0000" : written.Decimals == 0 ? "0" : "");
            } else if (written.Type == Cell::Kind::Text) {
                EXPECT_EQ(read.Text, written.Text);
            }
        }
    EXPECT_EQ(rows[3][2].Text, "nan");
    EXPECT_EQ(rows[3][3].Text, "inf");
    ASSERT_EQ(sheets[1].Rows.size(), 2u);
    EXPECT_EQ(sheets[1].Rows[1][0].Text, "начальное число");
    EXPECT_TRUE(sheets[1].Rows[1][1].IsNumber);
    EXPECT_EQ(sheets[1].Rows[1][1].Text, "3735928559");
}

TEST_F(SheetsTest, AWorkbookThatCannotBeMadeSaysWhy)
{
    const char* previous = std::getenv("TMPDIR");
    const std::string kept = previous != nullptr ? previous : "";
    setenv("TMPDIR", File("no such folder").c_str(), 1);
    const XlsxBytes workbook = XlsxWorkbook(SampleBook());
    if (previous != nullptr)
        setenv("TMPDIR", kept.c_str(), 1);
    else
        unsetenv("TMPDIR");
    EXPECT_EQ(workbook.Bytes, "");
    EXPECT_EQ(workbook.Error.rfind("cannot make the workbook: ", 0), 0u) << workbook.Error;
}

} // namespace
