// SPDX-License-Identifier: GPL-3.0-or-later
// detector-lab-report as an instructor runs it over a class: its exit
// statuses on a real, a tampered and a malformed journal, its marks for rows
// that do not reproduce, and no report left half-written.
#include "journal/JournalCsv.h"
#include "report/cli/ReportCommand.h"
#include "tools/testsupport/ReportSession.h"
#include "tools/testsupport/TestFolder.h"

#include <QApplication>
#include <QProcess>

#include <fstream>
#include <sstream>

namespace {

class ReportCommand : public TestFolder {
protected:
    void SetUp() override
    {
        TestFolder::SetUp();
        journal_ = journal::JournalCsvText(report::test::StudentSession(5));
    }

    void Write(const std::string& name, const std::string& text) { std::ofstream(File(name), std::ios::binary) << text; }

    int Run(std::vector<std::string> arguments)
    {
        out_.str({});
        err_.str({});
        return report::RunReportCommand(arguments, out_, err_);
    }

    std::string PdfText(const std::string& name)
    {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QString::fromStdString(File(name)), QStringLiteral("-")});
        EXPECT_TRUE(pdftotext.waitForFinished(60000));
        return pdftotext.readAllStandardOutput().toStdString();
    }

    std::string journal_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(ReportCommand, AJournalThatReproducesGivesItsReportInEachForm)
{
    Write("ivanov.csv", journal_);
    for (const char* name : {"ivanov.pdf", "ivanov.odt", "ivanov.XLSX"}) {
        EXPECT_EQ(Run({File("ivanov.csv"), "-o", File(name), "--student", "Иванов И. И.", "--group", "РТ-21"}), 0)
            << err_.str();
        EXPECT_NE(out_.str().find("every row reproduces"), std::string::npos) << out_.str();
        EXPECT_EQ(err_.str(), "");
    }
    EXPECT_TRUE(Read("ivanov.pdf").starts_with("%PDF"));
    EXPECT_TRUE(Read("ivanov.odt").starts_with("PK"));
    EXPECT_TRUE(Read("ivanov.XLSX").starts_with("PK"));
    const std::string text = PdfText("ivanov.pdf");
    EXPECT_NE(text.find("Иванов И. И."), std::string::npos);
    EXPECT_NE(text.find("все 200 строк воспроизводятся"), std::string::npos);
}

TEST_F(ReportCommand, ATamperedJournalIsReportedWithItsRowsMarked)
{
    // Row 2, a count of false alarms, made smaller than the bench measured.
    const size_t start = journal_.find("\n2,") + 1;
    const size_t end = journal_.find('\n', start);
    std::vector<std::string> cells;
    std::istringstream line(journal_.substr(start, end - start));
    for (std::string cell; std::getline(line, cell, ',');)
        cells.push_back(cell);
    ASSERT_EQ(cells[5], "ложные тревоги");
    cells[12] = std::to_string(std::stoi(cells[12]) - 7);
    std::string row;
    for (const std::string& cell : cells)
        row += (row.empty() ? "" : ",") + cell;
    Write("tampered.csv", journal_.substr(0, start) + row + journal_.substr(end));
    EXPECT_EQ(Run({File("tampered.csv"), "-o", File("tampered.pdf")}), 1) << err_.str();
    EXPECT_NE(out_.str().find("1 rows do not reproduce (marked)"), std::string::npos) << out_.str();
    const std::string text = PdfText("tampered.pdf");
    EXPECT_NE(text.find("2*"), std::string::npos);
    EXPECT_NE(text.find("из 200 строк не воспроизводятся 1"), std::string::npos);
}

TEST_F(ReportCommand, WhatCannotBeReportedLeavesNoFileBehind)
{
    struct Case {
        const char* name;
        std::string journal;
        std::string output;
        const char* message;
    };
    Write("journal.csv", journal_);
    Write("sweep.csv", "experiment,gain,threshold\n");
    Write("newer.csv", "# detector-lab journal 2; seed 1; detector-lab 9.0.0\n");
    Write("kept.pdf", "a report kept from before");
    const std::vector<Case> cases{
        {"not a journal", File("sweep.csv"), File("kept.pdf"), "not a Detector Lab journal"},
        {"newer format", File("newer.csv"), File("kept.pdf"), "journal format 2"},
        {"missing", File("absent.csv"), File("kept.pdf"), "cannot read"},
        {"a folder", folder_.string(), File("kept.pdf"), "is a folder"},
        {"unwritable", File("journal.csv"), File("no/such/folder/r.pdf"), "no/such/folder/r.pdf"},
        {"no name", File("journal.csv"), "", "name the report with -o"},
        {"unknown form", File("journal.csv"), File("r.docx"), "ends in none of .pdf, .odt, .xlsx"},
    };
    for (const Case& test : cases) {
        std::vector<std::string> arguments{test.journal};
        if (!test.output.empty())
            arguments.insert(arguments.end(), {"-o", test.output});
        EXPECT_EQ(Run(arguments), 2) << test.name;
        const std::string said = err_.str();
        EXPECT_NE(said.find(test.message), std::string::npos) << test.name << ": " << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << test.name;
        EXPECT_EQ(Read("kept.pdf"), "a report kept from before") << test.name;
    }
    EXPECT_FALSE(std::filesystem::exists(File("r.docx")));
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
        EXPECT_TRUE(entry.path().extension() != ".pdf" || entry.path().filename() == "kept.pdf") << entry.path();
}

TEST_F(ReportCommand, CommandLineIsReadStrictly)
{
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* said;
    };
    const std::vector<Case> cases{
        {{"--help"}, 0, "Usage: detector-lab-report"},
        {{"--version"}, 0, "detector-lab-report"},
        {{}, 2, "name the journal"},
        {{"a.csv", "b.csv", "-o", "r.pdf"}, 2, "one journal at a time"},
        {{"a.csv", "--colour"}, 2, "unknown option '--colour'"},
        {{"a.csv", "-o"}, 2, "-o needs a value"},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(Run(test.arguments), test.status) << test.said;
        EXPECT_NE((out_.str() + err_.str()).find(test.said), std::string::npos) << out_.str() << err_.str();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
