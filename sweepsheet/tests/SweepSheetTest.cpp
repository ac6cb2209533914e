// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/NumberText.h"
#include "sweep/lib/SweepReport.h"
#include "sweepsheet/SweepSheet.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace sweep;

std::vector<std::vector<std::string>> CsvRows(const std::string& csv)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line); // the headings
    while (std::getline(in, line)) {
        std::vector<std::string> cells(1);
        for (char c : line)
            if (c == ',')
                cells.emplace_back();
            else
                cells.back().push_back(c);
        rows.push_back(cells);
    }
    return rows;
}

// Every column of the sweep's CSV, under its Russian heading, with the
// same numbers to the last digit: counting points and noise-power ones.
TEST(SweepSheetTest, TheTableIsTheCsvWithNumbersAsNumbers)
{
    for (const std::vector<Experiment>& experiments :
        {std::vector<Experiment>{Experiment::Detection, Experiment::FalseAlarms}, std::vector<Experiment>{Experiment::NoisePower}}) {
        SweepSettings settings;
        settings.Experiments = experiments;
        settings.Gains = {0.0, 6.0};
        settings.Thresholds = {-20.0, 35.5};
        const std::vector<PointResult> results = RunSweep(settings, 2026, 1);
        const sheets::Book book = SweepBook(settings, 2026, results);
        const auto csv = CsvRows(CsvText(settings, 2026, results));
        ASSERT_EQ(book.Sheet.Rows.size(), csv.size());
        EXPECT_EQ(book.Sheet.Headings.size(), csv.front().size());
        EXPECT_EQ(book.Sheet.Headings[15], "вердикт");
        for (size_t r = 0; r < csv.size(); ++r)
            for (size_t c = 0; c < csv[r].size(); ++c) {
                const sheets::Cell& cell = book.Sheet.Rows[r][c];
                const std::string& text = csv[r][c];
                if (cell.Type == sheets::Cell::Kind::Number) {
                    EXPECT_EQ(ShortestText(cell.Number), text) << "row " << r << " column " << c;
                } else if (c == 15) {
                    EXPECT_EQ(cell.Text, text == "yes" ? "согласуется" : text == "no" ? "не согласуется" : "—");
                } else if (c > 1) {
                    EXPECT_TRUE(text.empty() || text == "n/a") << text;
                }
            }
        EXPECT_EQ(sheets::ShownText(book.Sheet.Rows[0][9]), CountsTrials(experiments[0])
                ? WithDecimalComma(GeneralText(results[0].Observed, 4))
                : WithDecimalComma(FixedText(results[0].Observed, 2)));
    }
}

} // namespace
