// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/sheets/SpreadsheetCsv.h"
#include "common/text/NumberText.h"
#include "journal/JournalCsv.h"
#include "journal/JournalSheet.h"
#include "sweep/cli/SweepCommand.h"
#include "tools/testsupport/TestFolder.h"
#include "tools/testsupport/TestSession.h"
#include "tools/testsupport/XlsxCells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace sweep;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class SpreadsheetFiles : public TestFolder {
protected:
    static Outcome Sweep(const std::vector<std::string>& arguments)
    {
        std::ostringstream out, err;
        const int status = RunSweepCommand(arguments, out, err);
        return {status, out.str(), err.str()};
    }

    std::string Write(const std::string& name, const std::string& text) const
    {
        std::ofstream(File(name), std::ios::binary) << text;
        return File(name);
    }
};

// detector-lab-sweep --xlsx: the table of --csv, its numbers as numeric
// cells under Russian headings, the seed on a sheet of its own.
TEST_F(SpreadsheetFiles, TheWorkbookHoldsTheCsvsNumbers)
{
    const Outcome run = Sweep({"--seed", "7", "--experiment", "false-alarms", "--gain", "2,6", "--threshold", "0:10:5",
        "--csv", "-", "--xlsx", File("table.xlsx")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<xlsx_test::XlsxSheet> sheets = xlsx_test::ReadXlsx(File("table.xlsx"));
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].Name, "Характеристика");
    std::istringstream csv(run.out);
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(sheets[0].Rows[0][0].Text, "эксперимент");
    EXPECT_EQ(sheets[0].Rows[0][10].Text, "нижняя граница 95 %");
    size_t row = 1;
    for (; std::getline(csv, line); ++row) {
        std::vector<std::string> cells(1);
        for (char c : line)
            if (c == ',')
                cells.emplace_back();
            else
                cells.back().push_back(c);
        ASSERT_LT(row, sheets[0].Rows.size());
        for (size_t c : {4, 5, 6, 7, 9, 10, 11, 12, 16}) {
            const xlsx_test::XlsxCell& cell = sheets[0].Rows[row][c];
            EXPECT_TRUE(cell.IsNumber) << "row " << row << " column " << c;
            EXPECT_NEAR(cell.Number(), std::stod(cells[c]), std::abs(std::stod(cells[c])) * 1e-15);
        }
        EXPECT_EQ(sheets[0].Rows[row][10].Format, "0.0000");
    }
    EXPECT_EQ(row, sheets[0].Rows.size());
    EXPECT_EQ(row, 7u); // two gains, three thresholds
    EXPECT_EQ(sheets[1].Rows[1][0].Text, "начальное число");
    EXPECT_EQ(sheets[1].Rows[1][1].Text, "7");
}

TEST_F(SpreadsheetFiles, AWorkbookThatCannotBeMadeLeavesTheOldFile)
{
    const std::string old = Write("old.xlsx", "the old file");
    const std::string kept = std::getenv("TMPDIR") != nullptr ? std::getenv("TMPDIR") : "";
    setenv("TMPDIR", File("none").c_str(), 1);
    const Outcome run = Sweep({"--seed", "1", "--xlsx", old});
    kept.empty() ? unsetenv("TMPDIR") : setenv("TMPDIR", kept.c_str(), 1);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "detector-lab-sweep: " + old + ": cannot make the workbook: no temporary folder\n");
    EXPECT_EQ(Read("old.xlsx"), "the old file");

    for (const auto& [arguments, error] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--xlsx", File("t.csv")}, "--xlsx: the workbook '" + File("t.csv") + "' must be named .xlsx"},
             {{"--xlsx", File("t.xlsx"), "--csv", File("t.xlsx")}, "--csv and --xlsx name the same file"},
             {{"--xlsx", File("none/t.xlsx")}, "--xlsx: the folder '" + File("none") + "' does not exist"}}) {
        const Outcome refused = Sweep(arguments);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.err, "detector-lab-sweep: " + error + "\n");
    }
}

// A journal saved as «CSV для Excel» verifies as the kept one does; one
// whose numbers a spreadsheet rounded is refused with one line.
TEST_F(SpreadsheetFiles, VerifyReadsTheSpreadsheetFormAndRefusesARoundedOne)
{
    const std::string spreadsheet = sheets::SpreadsheetCsvText(journal::JournalBook(journal::test::Session()));
    const Outcome saved = Sweep({"--verify", Write("excel.csv", spreadsheet)});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_NE(saved.out.find("row 1 (line 6): reproduces"), std::string::npos) << saved.out;
    EXPECT_NE(saved.out.find("every row reproduces"), std::string::npos);

    const double reading = journal::test::Session().Rows[3].Result.RegisterReading;
    std::string rounded = spreadsheet;
    const std::string full = WithDecimalComma(ShortestText(reading));
    rounded.replace(rounded.find(full), full.size(), WithDecimalComma(FixedText(reading, 2)));
    const Outcome refused = Sweep({"--verify", Write("rounded.csv", rounded)});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;
    EXPECT_EQ(refused.err.rfind("detector-lab-sweep: " + File("rounded.csv") + ": its numbers were rounded", 0), 0u)
        << refused.err;
    EXPECT_NE(refused.err.find("journal-*.csv in "), std::string::npos);
}

} // namespace
