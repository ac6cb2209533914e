// SPDX-License-Identifier: GPL-3.0-or-later
// detector-lab-report as an instructor runs it over a class: its exit
// statuses on a real, a tampered and a malformed journal, its marks for rows
// that do not reproduce, and no report left half-written.
#include "journal/JournalCsv.h"
#include "report/cli/ReportCommand.h"
#include "tools/testsupport/ReportSession.h"
#include "tools/testsupport/TestFolder.h"
#include "tools/testsupport/XlsxCells.h"

#include <QApplication>
#include <QProcess>

#include <fstream>
#include <sstream>

namespace {

bool HasCyrillic(const std::string& text)
{
    const QString shown = QString::fromStdString(text);
    return std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

// The text without the words of the student's own.
std::string WithoutStudentsWords(std::string text, const std::vector<std::string>& words)
{
    for (const std::string& word : words)
        for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at))
            text.erase(at, word.size());
    return text;
}

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

// In English the report's text and its workbook hold no Cyrillic letter but
// in the student's own words; the command that verifies the journal is the
// same; the Russian report made after it is the one made before it.
TEST_F(ReportCommand, TheReportSpeaksTheLanguageAsked)
{
    Write("ivanov.csv", journal_);
    const std::vector<std::string> students{"Иванов И. И.", "РТ-21"};
    const auto report = [&](const std::string& name, const char* language) {
        return Run({File("ivanov.csv"), "-o", File(name), "--student", students[0], "--group", students[1], "--date",
            "09.12.2026", "--lang", language});
    };
    ASSERT_EQ(report("ru.pdf", "ru"), 0) << err_.str();
    const std::string russian = PdfText("ru.pdf");
    ASSERT_EQ(report("en.pdf", "en"), 0) << err_.str();
    const std::string english = PdfText("en.pdf");
    EXPECT_FALSE(HasCyrillic(WithoutStudentsWords(english, students))) << english;
    EXPECT_NE(english.find("Иванов И. И."), std::string::npos);
    for (const char* words :
        {"Report on laboratory work No. 4", "all 200 rows reproduce", "detector-lab-sweep", "--verify"})
        EXPECT_NE(english.find(words), std::string::npos) << words;
    EXPECT_NE(russian.find("Отчёт по лабораторной работе № 4"), std::string::npos);
    ASSERT_EQ(report("ru-again.pdf", "ru"), 0) << err_.str();
    EXPECT_EQ(PdfText("ru-again.pdf"), russian);

    ASSERT_EQ(report("en.xlsx", "en"), 0) << err_.str();
    const std::vector<xlsx_test::XlsxSheet> sheets = xlsx_test::ReadXlsx(File("en.xlsx"));
    ASSERT_FALSE(sheets.empty());
    EXPECT_EQ(sheets[0].Rows.at(0).at(0).Text, "point");
    for (const xlsx_test::XlsxSheet& sheet : sheets) {
        EXPECT_FALSE(HasCyrillic(sheet.Name)) << sheet.Name;
        for (const auto& row : sheet.Rows)
            for (const xlsx_test::XlsxCell& cell : row)
                EXPECT_FALSE(HasCyrillic(WithoutStudentsWords(cell.Text, students))) << cell.Text;
    }
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
        {{"a.csv", "-o", "r.pdf", "--lang", "de"}, 2, "--lang takes en or ru, not 'de'"},
        {{"a.csv", "-o", "r.pdf", "--lang"}, 2, "--lang needs a value"},
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
