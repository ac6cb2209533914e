// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/JournalCsv.h"
#include "journal/JournalFile.h"
#include "sweep/cli/SweepCommand.h"
#include "sweep/cli/VerifyCommand.h"
#include "tools/testsupport/TestFolder.h"
#include "tools/testsupport/TestSession.h"
#include "tools/testsupport/XlsxCells.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace sweep;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Sweep(const std::vector<std::string>& arguments)
{
    std::ostringstream out, err;
    const int status = RunSweepCommand(arguments, out, err);
    return {status, out.str(), err.str()};
}

class VerifyCommand : public TestFolder {
protected:
    std::string Write(const std::string& name, const std::string& text) const
    {
        std::ofstream(File(name), std::ios::binary) << text;
        return File(name);
    }

    std::string SessionFile() const { return Write("session.csv", journal::JournalCsvText(journal::test::Session())); }
};

} // namespace

TEST_F(VerifyCommand, ARealSessionReproducesRowByRow)
{
    const std::string path = SessionFile();
    for (const std::vector<std::string>& arguments :
        std::vector<std::vector<std::string>>{{"--verify", path}, {"--verify=" + path}}) {
        const Outcome run = Sweep(arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        std::string expected = "journal " + path + ": seed 3735928559, 8 rows, replayed on a bench of its own\n";
        for (int row = 1; row <= 8; ++row)
            expected += "row " + std::to_string(row) + " (line " + std::to_string(row + 2) + "): reproduces\n";
        EXPECT_EQ(run.out, expected + "every row reproduces\n");
    }
}

TEST_F(VerifyCommand, ATamperedRowSaysWhatTheBenchGives)
{
    std::string text = journal::JournalCsvText(journal::test::Session());
    const journal::Cells third = journal::RowCells(journal::test::Session().Rows[2]);
    const std::string counter = "," + third[journal::column::Counter] + ",";
    const size_t at = text.find(counter, text.find("\n3,"));
    text.replace(at, counter.size(), ",1,");
    const Outcome run = Sweep({"--verify", Write("tampered.csv", text)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("\nrow 3 (line 5): differs: counter 1 in the file, the bench gives "
                  + third[journal::column::Counter] + "\n"),
        std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("row 4 (line 6): reproduces"), std::string::npos);
    EXPECT_NE(run.out.find("\n7 of 8 rows reproduce\n"), std::string::npos);
}

TEST_F(VerifyCommand, WhatIsNoJournalGetsOneLineAndStatus2)
{
    const std::string session = SessionFile();
    std::filesystem::create_directory(File("folder.csv"));
    std::filesystem::resize_file(Write("huge.csv", "x"), journal::MaxJournalBytes + 1);
    struct Case {
        std::vector<std::string> Arguments;
        std::string Error;
    };
    const std::vector<Case> cases{
        {{"--verify", Write("sweep.csv", "experiment,switches\n")}, File("sweep.csv") + " line 1: not a Detector Lab journal"},
        {{"--verify", File("none.csv")}, "cannot read " + File("none.csv") + ": No such file or directory"},
        {{"--verify", File("folder.csv")}, "no journal (*.csv) in " + File("folder.csv")},
        {{"--verify", File("huge.csv")}, File("huge.csv") + " line 1: the line is longer than 4096 bytes"},
        {{"--verify", File("\xff.csv")}, "--verify: the file name '" + File("\\xff.csv") + "' is not UTF-8 text"},
        {{"--verify"}, "--verify needs a value"},
        {{"--verify", ""}, "--verify needs a file name"},
        {{"--verify", session, "--seed", "1"}, "--verify takes journal files or folders, with --seeds FILE, --csv FILE and --xlsx FILE"},
        {{"--seed", "1", "--verify=" + session}, "--verify takes journal files or folders, with --seeds FILE, --csv FILE and --xlsx FILE"},
        {{"--verify", session, "--seeds"}, "--seeds needs a value"},
        {{"--verify", session, "--csv="}, "--csv needs a file name"},
    };
    for (const Case& c : cases) {
        const Outcome run = Sweep(c.Arguments);
        EXPECT_EQ(run.status, 2) << c.Error;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("detector-lab-sweep: " + c.Error, 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

// A class at once: a folder of journals, one line each and a summary;
// with the class list, a journal on another seed than its student was
// assigned is flagged, and students without a journal are named. Status 0
// only when every journal reproduces on its assigned seed.
TEST_F(VerifyCommand, AClassIsVerifiedAtOnce)
{
    std::filesystem::create_directories(File("class/sub.csv"));
    const std::string session = journal::JournalCsvText(journal::test::Session());
    std::string tampered = session;
    const size_t third = tampered.find("\n3,") + 1;
    tampered.replace(tampered.find(",1000,", third) + 6, 0, "1");
    Write("class/a.csv", session);
    Write("class/b.csv", tampered);
    Write("class/c.csv", "экзамен;оценка\n");
    Write("class/d.csv", journal::JournalCsvText(journal::test::Session(7)));
    Write("class/notes.txt", "not a journal, not a .csv either\n");
    const std::string seeds = Write("seeds.csv", "\xEF\xBB\xBFstudent;seed\r\na;3735928559\r\nb.csv;3735928559\r\n"
                                                 "\"d\", 8\r\n# later\r\nИванов;5\r\n");

    const Outcome run = Sweep({"--verify", File("class"), "--seeds", seeds});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
        File("class/a.csv") + ": seed 3735928559, 8 rows: every row reproduces\n"
        + File("class/b.csv") + ": seed 3735928559, 8 rows: 1 of 8 rows differ (row 3)\n"
        + File("class/c.csv") + ": not a journal: line 1: not a Detector Lab journal: it does not start with "
                                "'# detector-lab journal 1; seed ...'\n"
        + File("class/d.csv") + ": seed 7, 8 rows: every row reproduces; assigned seed 8 (class list line 4): "
                                "another seed than assigned\n"
        + "4 journals: 1 reproduce with their assigned seed, 1 with rows that differ, 1 is not a journal, 1 with "
          "another seed than assigned\nclass list: no journal here for Иванов\n");

    EXPECT_EQ(Sweep({"--verify", File("class/a.csv"), File("class/d.csv")}).status, 0);
    const Outcome csv = Sweep({"--verify", File("class/a.csv"), File("class/c.csv"), "--csv", "-"});
    EXPECT_EQ(csv.status, 1);
    EXPECT_EQ(csv.out, "file,seed,assigned_seed,rows,rows_reproducing,result,detail\n" + File("class/a.csv")
        + ",3735928559,,8,8,reproduces,\n" + File("class/c.csv")
        + ",,,,,not a journal,line 1: not a Detector Lab journal: it does not start with '# detector-lab journal "
          "1; seed ...'\n");
    EXPECT_EQ(csv.err, "2 journals: 1 reproduce, 0 with rows that differ, 1 is not a journal\n");
    EXPECT_EQ(Sweep({"--verify", File("class"), "--seeds", seeds, "--csv", File("summary.csv"), "--xlsx",
                  File("summary.xlsx")}).status,
        1);
    EXPECT_EQ(Read("summary.csv").substr(0, 61), "file,seed,assigned_seed,rows,rows_reproducing,result,detail\n/");
    // The workbook: Russian headings, seeds and rows as numbers, the result in words.
    const std::vector<xlsx_test::XlsxSheet> book = xlsx_test::ReadXlsx(File("summary.xlsx"));
    ASSERT_FALSE(book.empty());
    const auto& rows = book[0].Rows;
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0][1].Text, "начальное число");
    EXPECT_TRUE(rows[4][1].IsNumber);
    EXPECT_EQ(rows[4][1].Number(), 7.0);
    EXPECT_EQ(rows[4][2].Number(), 8.0);
    EXPECT_TRUE(rows[2][4].IsNumber);
    EXPECT_EQ(rows[2][4].Number(), 7.0);
    EXPECT_EQ(rows[2][5].Text, "строки не воспроизводятся");
    EXPECT_EQ(rows[4][5].Text, "не то начальное число");
    EXPECT_EQ(rows[3][5].Text, "не журнал");

    const Outcome badList = Sweep({"--verify", File("class"), "--seeds", Write("bad.csv", "a,1\nb,x\n")});
    EXPECT_EQ(badList.status, 2);
    EXPECT_EQ(badList.err, "detector-lab-sweep: class list " + File("bad.csv") + " line 2: the seed 'x' is not a whole "
                                                                              "number from 0 to 4294967295\n");
    std::filesystem::create_directories(File("empty"));
    EXPECT_EQ(Sweep({"--verify", File("empty")}).err, "detector-lab-sweep: no journal (*.csv) in " + File("empty") + "\n");

    std::ostringstream out, err;
    const std::atomic<int> interrupted{15};
    EXPECT_EQ(RunVerifyCommand({"--verify", File("class")}, out, err, &interrupted), 143);
    EXPECT_EQ(err.str(), "detector-lab-sweep: interrupted; 0 of 4 journals verified, no file written\n");
}

// Whatever a cell holds, a message quotes a few dozen characters of it,
// with its control characters escaped: nothing reaches the terminal raw,
// and no line grows with the file.
TEST_F(VerifyCommand, HostileCellsGiveShortPlainLines)
{
    std::string text = journal::JournalCsvText(journal::test::Session());
    const size_t third = text.find("\n3,") + 1;
    const size_t verdict = text.rfind(',', text.find('\n', third)) + 1;
    text.replace(verdict, text.find('\n', third) - verdict, "\x1b[2J\x1b[H\rFAKE: every row reproduces" + std::string(200, 'x'));
    const Outcome spoofed = Sweep({"--verify", Write("spoofed.csv", text)});
    EXPECT_EQ(spoofed.status, 1);
    const std::string row3 = spoofed.out.substr(spoofed.out.find("row 3 "), spoofed.out.find('\n', spoofed.out.find("row 3 ")) - spoofed.out.find("row 3 "));
    EXPECT_NE(row3.find("verdict '\\x1b[2J\\x1b[H\\rFAKE: every row reproducesxxxxxx…'"), std::string::npos) << row3;
    EXPECT_LT(row3.size(), 400u);
    for (char c : spoofed.out + spoofed.err)
        EXPECT_FALSE(c == '\x1b' || c == '\r');

    std::string huge = journal::JournalCsvText(journal::test::Session());
    huge.insert(huge.find("\n3,") + 3, std::string(60u << 20, '7'));
    const Outcome long_ = Sweep({"--verify", Write("huge-cell.csv", huge)});
    EXPECT_EQ(long_.status, 2);
    EXPECT_EQ(long_.out, "");
    EXPECT_NE(long_.err.find("huge-cell.csv line 5: the line is longer than 4096 bytes"), std::string::npos) << long_.err.substr(0, 300);
    EXPECT_LT(long_.err.size(), 300u);
}

// The row the program was appending when it ended is named and left out;
// the rows before it verify as ever.
TEST_F(VerifyCommand, ATornLastRowIsNamedAndTheRestVerified)
{
    const std::string cut = Write("cut.csv", journal::JournalCsvText(journal::test::Session()) + "9,2026");
    const Outcome run = Sweep({"--verify", cut});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("row 8 (line 10): reproduces\nline 11 is cut short, a row the program was writing when "
                           "it ended: dropped, not replayed\nevery row reproduces\n"),
        std::string::npos)
        << run.out;
}

TEST_F(VerifyCommand, AnInterruptionEndsTheReplay)
{
    const std::atomic<int> interrupted{2};
    const journal::Verification verification = VerifyJournal({"--verify", SessionFile()}, &interrupted);
    EXPECT_EQ(verification.Status, 130);
    EXPECT_EQ(verification.Error, "interrupted; 0 of 8 rows replayed");
}
