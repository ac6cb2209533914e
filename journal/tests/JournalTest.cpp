// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/JournalCsv.h"
#include "journal/JournalReplay.h"
#include "tools/testsupport/TestSession.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include <bit>
#include <cmath>
#include <limits>
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
        lines.push_back(line);
    return lines;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

// Replaces the cell of a row's line (no quoted cells before it).
std::string WithCell(std::string line, size_t cell, const std::string& value)
{
    size_t start = 0;
    for (size_t c = 0; c < cell; ++c)
        start = line.find(',', start) + 1;
    const size_t end = line.find(',', start);
    return line.replace(start, end - start, value);
}

std::vector<size_t> FailingPlaces(const std::vector<RowCheck>& checks)
{
    std::vector<size_t> places;
    for (size_t i = 0; i < checks.size(); ++i)
        if (!checks[i].Reproduces)
            places.push_back(i + 1);
    return places;
}

TEST(JournalTest, CellsJudgeEachRowAsTheSweepDoes)
{
    struct Case {
        MeasurementInputs Inputs;
        MeasurementResult Result;
        std::vector<std::string> Expected; // experiment, frequency, low, high, theory, verdict
    };
    const std::vector<Case> cases{
        // Without noise the count is all or nothing, and theory knows it.
        {{1, 2, 0.0, 49.9, Detection}, {0.0, 1000, 1000}, {"обнаружение", "1", "0.9962", "1.0000", "1.0000", "согласуется"}},
        {{1, 2, 0.0, 49.9, Detection}, {0.0, 1000, 999}, {"обнаружение", "0.999", "0.9944", "0.9998", "1.0000", "не согласуется"}},
        {{1, 2, 1.0, 0.0, Distinction1}, {0.0, 1000, 0}, {"различение, послан сигнал 1", "0", "0.0000", "0.0038", "1.0000", "не согласуется"}},
        {{1, 2, 6.0, 0.0, FalseAlarms}, {0.0, 1000, 504}, {"ложные тревоги", "0.504", "0.4731", "0.5349", "0.4998", "согласуется"}},
        // The noise power: the reading's interval and the expected reading.
        {{1, 2, 1.0, 0.0, NoisePower}, {49.3, 1, 0}, {"мощность шума", "—", "38.001", "60.599", "50.000", "согласуется"}},
        {{1, 2, 1.0, 0.0, NoisePower}, {70.0, 1, 0}, {"мощность шума", "—", "58.701", "81.299", "50.000", "не согласуется"}},
        // Noise finer than doubles resolve: no theory.
        {{1, 2, 1e-15, 0.0, Detection}, {0.0, 1000, 1000}, {"обнаружение", "1", "0.9962", "1.0000", "—", "—"}},
        {{1, 2, 1.0, 0.0, Refused}, {0.0, 0, 0}, {"отказ", "—", "—", "—", "—", "—"}},
    };
    for (const Case& c : cases) {
        const Cells cells = RowCells(Row(7, c.Inputs, c.Result));
        const std::vector<std::string> judged{cells[column::Experiment], cells[column::Frequency],
            cells[column::Low95], cells[column::High95], cells[column::Theory], cells[column::Verdict]};
        EXPECT_EQ(judged, c.Expected) << c.Expected[0] << " counter " << c.Result.Counter;
    }
    const Cells cells = RowCells(Row(12, {3, 4, 2.5, 0.125, FalseAlarms}, {0.0, 1000, 504}));
    EXPECT_EQ(std::vector<std::string>(cells.begin(), cells.begin() + column::Frequency),
        (std::vector<std::string>{"12", "2026-03-14T09:26:53+03:00", "3", "2", "1", "ложные тревоги", "3", "4", "2.5",
            "0.125", "0", "1000", "504"}));
    const Cells shown = RowCells(Row(1, {1, 2, 2.5, 0.0, NoisePower}, {49.3, 1, 0}), ',');
    EXPECT_EQ(shown[column::Gain], "2,5");
    EXPECT_EQ(shown[column::Reading], "49,3");
}

TEST(JournalTest, TimesCarryTheirOffsetFromUtc)
{
    const QDateTime instant(QDate(2026, 3, 14), QTime(6, 26, 53), Qt::UTC);
    const char* zone = std::getenv("TZ");
    const std::string previous = zone != nullptr ? zone : "";
    for (const auto& [posixZone, text] : std::vector<std::pair<const char*, const char*>>{
             {"UTC0", "2026-03-14T06:26:53+00:00"}, {"IST-5:30", "2026-03-14T11:56:53+05:30"},
             {"NST3:30", "2026-03-14T02:56:53-03:30"}}) {
        setenv("TZ", posixZone, 1);
        tzset();
        EXPECT_EQ(TimeText(instant), text);
        EXPECT_TRUE(QDateTime::fromString(QString::fromUtf8(text), Qt::ISODate) == instant);
    }
    if (zone != nullptr)
        setenv("TZ", previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST(JournalTest, TheFileReadsBackBitForBit)
{
    Journal journal = Session();
    constexpr double Infinity = std::numeric_limits<double>::infinity();
    for (double odd : {5e-324, 0.1 + 0.2, 1e300, -0.0, Infinity, std::numeric_limits<double>::quiet_NaN()})
        journal.Rows.push_back(Row(static_cast<int64_t>(journal.Rows.size()) + 1, {4, 3, odd, -odd, Detection},
            {odd, 1000, 1}));
    const std::string text = JournalCsvText(journal);
    EXPECT_EQ(Lines(text)[0], "# detector-lab journal 1; seed 3735928559; detector-lab " DL_PROGRAM_VERSION);
    EXPECT_EQ(Lines(text)[1], "№,время,К1,К2,К3,эксперимент,сигнал 1,сигнал 2,K,H (мВ),регистратор (мВ*мВ),"
                              "количество опытов,счётчик,частота,нижняя граница 95 %,верхняя граница 95 %,теория,вердикт");
    EXPECT_NE(text.find(",\"различение, послан сигнал 1\","), std::string::npos);

    const ReadJournal read = ReadJournalCsv(text);
    ASSERT_EQ(read.Error, "");
    EXPECT_EQ(read.Content.Seed, Seed);
    ASSERT_EQ(read.Content.Rows.size(), journal.Rows.size());
    for (size_t i = 0; i < journal.Rows.size(); ++i) {
        const JournalRow& written = journal.Rows[i];
        const JournalRow& back = read.Content.Rows[i];
        EXPECT_EQ(back.Number, written.Number);
        EXPECT_EQ(back.Time, written.Time);
        EXPECT_EQ(back.Inputs.Switches, written.Inputs.Switches);
        EXPECT_EQ(back.Inputs.Signal1Shape, written.Inputs.Signal1Shape);
        EXPECT_EQ(back.Inputs.Signal2Shape, written.Inputs.Signal2Shape);
        for (auto [a, b] : {std::pair{back.Inputs.Gain, written.Inputs.Gain}, {back.Inputs.Threshold, written.Inputs.Threshold},
                 {back.Result.RegisterReading, written.Result.RegisterReading}})
            EXPECT_EQ(std::bit_cast<uint64_t>(a), std::bit_cast<uint64_t>(b)) << "row " << i + 1;
        EXPECT_EQ(back.Result.Trials, written.Result.Trials);
        EXPECT_EQ(back.Result.Counter, written.Result.Counter);
        EXPECT_EQ(read.FileCells[i], RowCells(written));
        EXPECT_EQ(read.Lines[i], i + 3);
    }
    // What a spreadsheet may add when it saves: a byte-order mark, CR LF.
    std::string resaved = "\xEF\xBB\xBF";
    for (const std::string& line : Lines(text))
        resaved += line + "\r\n";
    EXPECT_EQ(ReadJournalCsv(resaved).Content.Rows.size(), journal.Rows.size());
}

TEST(JournalTest, WhatIsNoJournalIsRefusedNamingTheLine)
{
    const std::vector<std::string> lines = Lines(JournalCsvText(Session()));
    const auto with = [&](size_t index, const std::string& line) {
        std::vector<std::string> changed = lines;
        changed[index] = line;
        return Joined(changed);
    };
    struct Case {
        std::string Text;
        size_t Line;
        std::string Reason;
    };
    const std::string whole = Joined(lines);
    const std::vector<Case> cases{
        {"", 1, "empty"},
        {"experiment,switches,signal1\n", 1, "not a Detector Lab journal"},
        {with(0, "# detector-lab journal 2; seed 1; detector-lab 9.0"), 1, "journal format 2"},
        {with(0, "# detector-lab journal 1; seed -1; detector-lab 1.0.0"), 1, "seed"},
        {with(0, "# detector-lab journal 1"), 1, "names no seed"},
        {with(0, "# detector-lab journal 1;seed 1"), 1, "names no seed"},
        {with(0, "# detector-lab journal 1; seed 4294967296; detector-lab 1.0.0"), 1, "seed"},
        {lines[0] + '\n', 2, "ends before the column headings"},
        {with(1, "№,время"), 2, "column headings"},
        {lines[0] + '\n' + lines[1], 2, "cut short"},
        {with(4, lines[4].substr(0, lines[4].rfind(','))), 5, "17 cells"},
        {with(4, lines[4] + ",x"), 5, "19 cells"},
        {with(4, WithCell(lines[4], column::Counter, "abc")), 5, "counter cell 'abc' is not a whole number"},
        {with(4, WithCell(lines[4], column::Counter, "1e3")), 5, "counter cell '1e3'"},
        {with(4, WithCell(lines[4], column::Trials, "99999999999")), 5, "trials cell"},
        {with(4, WithCell(lines[4], column::Gain, "1,5")), 5, "19 cells"},
        {with(4, WithCell(lines[4], column::Gain, "six")), 5, "K cell 'six' is not a number"},
        {with(4, WithCell(lines[4], column::Threshold, "")), 5, "H cell '' is not a number"},
        {with(4, WithCell(lines[4], column::Reading, "0x1p3")), 5, "register reading cell"},
        {with(4, WithCell(lines[4], column::K1, "4")), 5, "K1 cell '4' is not from 1 to 3"},
        {with(4, WithCell(lines[4], column::K3, "0")), 5, "K3 cell '0'"},
        {with(4, WithCell(lines[4], column::Signal2, "5")), 5, "signal 2 cell '5'"},
        {with(4, WithCell(lines[4], column::Number, "0")), 5, "number cell '0'"},
        {with(4, WithCell(lines[4], column::Time, "вчера")), 5, "time cell"},
        {with(6, lines[6] + ",\"open"), 7, "quoted cell is not closed"},
        {with(5, lines[5] + "\xff"), 6, "not UTF-8"},
    };
    for (const Case& c : cases) {
        const ReadJournal read = ReadJournalCsv(c.Text);
        EXPECT_EQ(read.ErrorLine, c.Line) << c.Reason;
        EXPECT_NE(read.Error.find(c.Reason), std::string::npos) << read.Error;
    }
    const ReadJournal tooMany = ReadJournalCsv(whole, 5);
    EXPECT_EQ(tooMany.ErrorLine, 8u);
    EXPECT_EQ(tooMany.Error, "more than 5 rows, more than a journal holds");
    EXPECT_EQ(ReadJournalCsv(Joined({lines[0], lines[1]})).Error, "");
}


// A program that ends while it appends a row leaves that row without its
// line break: the row is dropped and named, every whole row before it read,
// and the bytes up to it counted, so that a session taken on goes on from
// there. Cut anywhere inside its last row, a file reads the same.
TEST(JournalTest, ATornLastRowIsDroppedAndNamed)
{
    const std::string whole = JournalCsvText(test::Session());
    const ReadJournal complete = ReadJournalCsv(whole);
    const std::string lastLine = whole.substr(whole.rfind('\n', whole.size() - 2) + 1);
    const size_t withoutLast = whole.size() - lastLine.size();
    for (size_t kept : {size_t{1}, size_t{30}, lastLine.size() - 1}) {
        const ReadJournal torn = ReadJournalCsv(whole.substr(0, withoutLast + kept));
        EXPECT_EQ(torn.Error, "") << kept;
        EXPECT_EQ(torn.TornLine, complete.Lines.back()) << kept;
        EXPECT_EQ(torn.CompleteBytes, withoutLast) << kept;
        ASSERT_EQ(torn.Content.Rows.size(), complete.Content.Rows.size() - 1) << kept;
        EXPECT_EQ(torn.FileCells.back(), complete.FileCells[complete.FileCells.size() - 2]);
    }
    EXPECT_EQ(complete.TornLine, 0u);
    EXPECT_EQ(complete.CompleteBytes, whole.size());
}

TEST(JournalTest, ASessionReproducesAndEveryTamperingIsCaughtAtItsRow)
{
    const std::vector<std::string> lines = Lines(JournalCsvText(Session()));
    const auto replay = [](const std::string& text) {
        const ReadJournal read = ReadJournalCsv(text);
        EXPECT_EQ(read.Error, "");
        return ReplayJournal(read);
    };
    const std::vector<RowCheck> real = replay(Joined(lines));
    ASSERT_EQ(real.size(), 8u);
    EXPECT_EQ(FailingPlaces(real), std::vector<size_t>{});
    EXPECT_EQ(real[3].Line, 6u);

    struct Case {
        const char* Name;
        std::vector<std::string> Lines;
        std::vector<size_t> Failing;
        std::string Difference; // of the first failing row
    };
    std::vector<Case> cases;
    const auto edited = [&](size_t row, size_t cell, const std::string& value) {
        std::vector<std::string> changed = lines;
        changed[row + 1] = WithCell(changed[row + 1], cell, value);
        return changed;
    };
    const int counter = std::stoi(RowCells(Session().Rows[2])[column::Counter]);
    cases.push_back({"an edited counter", edited(3, column::Counter, std::to_string(counter + 1)), {3},
        "counter " + std::to_string(counter + 1) + " in the file, the bench gives " + std::to_string(counter)});
    std::vector<std::string> deleted = lines;
    deleted.erase(deleted.begin() + 4);
    // Every row after it stands at another number's place.
    cases.push_back({"a deleted row", deleted, {3, 4, 5, 6, 7}, "numbered 4 at the place of row 3"});
    std::vector<std::string> swapped = lines;
    std::swap(swapped[4], swapped[5]);
    // The two take as many draws together either way: the rows after them reproduce.
    cases.push_back({"two rows swapped", swapped, {3, 4}, "numbered 4 at the place of row 3"});
    std::vector<std::string> reseeded = lines;
    reseeded[0] = "# detector-lab journal 1; seed 3735928558; detector-lab 1.0.0";
    // Rows 1 and 7 count all their trials at any seed (row 7 has no noise).
    cases.push_back({"another seed", reseeded, {3, 4, 5, 6, 8}, "counter"});
    const double reading = Session().Rows[3].Result.RegisterReading;
    const std::string nextReading = RowCells(Row(4, {}, {std::nextafter(reading, 100.0), 1, 0}))[column::Reading];
    cases.push_back({"a reading one step of a double off", edited(4, column::Reading, nextReading), {4},
        "register reading " + nextReading + " in the file"});
    cases.push_back({"a verdict turned", edited(5, column::Verdict, "не согласуется"), {5}, "verdict 'не согласуется'"});
    cases.push_back({"a refusal made a measurement", edited(2, column::Experiment, "обнаружение"), {2}, "experiment"});
    cases.push_back({"a gain that is no number", edited(3, column::Gain, "nan"), {3, 4, 5, 6, 8}, "not a finite number"});
    cases.push_back({"an infinite threshold", edited(7, column::Threshold, "inf"), {7, 8}, "not a finite number"});
    for (const Case& c : cases) {
        const std::vector<RowCheck> checks = replay(Joined(c.Lines));
        EXPECT_EQ(FailingPlaces(checks), c.Failing) << c.Name;
        if (!c.Failing.empty()) {
            EXPECT_NE(checks[c.Failing[0] - 1].Difference.find(c.Difference), std::string::npos)
                << c.Name << ": " << checks[c.Failing[0] - 1].Difference;
        }
    }
}

} // namespace
