// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr SwitchConfiguration Detection{0, 1, 0};
constexpr SwitchConfiguration FalseAlarms{2, 1, 0};
constexpr SwitchConfiguration NoisePower{2, 1, 1};
constexpr SwitchConfiguration Refused{0, 0, 1};

journal::JournalRow Row(int64_t number, double k, double h, SwitchConfiguration switches, MeasurementResult result)
{
    return {number, "2026-12-09T10:00:00+03:00", {1, 2, k, h, switches}, result};
}

report::JournalAnalysis Analysis()
{
    return report::AnalyseJournal({11,
        {Row(1, 6, 20, Detection, {0, 1000, 777}), Row(2, 6, 20, FalseAlarms, {0, 1000, 318}),
            Row(3, 6, 20, Detection, {0, 1000, 755}), Row(4, 6, 40, Detection, {0, 1000, 600}),
            Row(5, 2, 0, NoisePower, {195.0, 1, 0}), Row(6, 2, 0, NoisePower, {205.0, 1, 0}),
            Row(7, 3, 0, NoisePower, {451.0, 1, 0}), Row(8, 1, 0, Refused, {})}});
}

const sheets::Cell& At(const sheets::Table& table, size_t row, const std::string& heading)
{
    const auto column = std::find(table.Headings.begin(), table.Headings.end(), heading);
    return table.Rows.at(row).at(static_cast<size_t>(column - table.Headings.begin()));
}

} // namespace

// Each point is a row of numbers kept whole, named by the journal's rows and
// the point it pairs with; a point without a partner says so.
TEST(ReportTables, PointsCarryTheirRowsNumbersAndPartners)
{
    const sheets::Table points = report::CountTable(Analysis());
    ASSERT_EQ(points.Rows.size(), 3u);
    EXPECT_EQ(At(points, 0, "строки журнала").Text, "1, 3");
    EXPECT_EQ(At(points, 0, "опыт").Text, "обнаружение");
    EXPECT_EQ(At(points, 0, "К1 К2 К3").Text, "1 2 1");
    EXPECT_EQ(At(points, 0, "опытов").Number, 2000.0);
    EXPECT_EQ(At(points, 0, "частота").Type, sheets::Cell::Kind::Number);
    EXPECT_DOUBLE_EQ(At(points, 0, "частота").Number, 0.766);
    EXPECT_EQ(sheets::ShownText(At(points, 0, "теория")), "0,7601");
    EXPECT_EQ(At(points, 0, "вердикт").Text, "согласуется");
    EXPECT_EQ(At(points, 0, "пара: точка").Number, 2.0);
    EXPECT_EQ(At(points, 1, "пара: точка").Number, 1.0);
    EXPECT_EQ(At(points, 2, "пара: точка").Text, "без пары");

    const sheets::Table pairs = report::CharacteristicTable(Analysis());
    ASSERT_EQ(pairs.Rows.size(), 1u);
    EXPECT_EQ(pairs.Rows[0][0].Text, "обнаружения");
    EXPECT_EQ(pairs.Rows[0][5].Text, "1 и 2");
    EXPECT_DOUBLE_EQ(pairs.Rows[0][9].Number, 0.318);
}

// The readings' mean and spread at each K beside theory, with two
// decimals; one reading has no spread.
TEST(ReportTables, NoisePowerReadingsAreShownWithTheirSpread)
{
    const sheets::Table readings = report::NoisePowerTable(Analysis());
    ASSERT_EQ(readings.Rows.size(), 2u);
    EXPECT_EQ(At(readings, 0, "строки журнала").Text, "5, 6");
    EXPECT_EQ(sheets::ShownText(At(readings, 0, "среднее, мВ²")), "200,00");
    EXPECT_DOUBLE_EQ(At(readings, 0, "разброс показаний, мВ²").Number, std::sqrt(50.0));
    EXPECT_EQ(At(readings, 1, "разброс показаний, мВ²").Text, "—");

    const std::vector<sheets::Fact> facts = report::ReportFacts(Analysis());
    EXPECT_EQ(facts[0].Value.Number, 11.0);
    EXPECT_EQ(facts[2].Label, "отказов");
    EXPECT_EQ(facts[2].Value.Number, 1.0);
}
