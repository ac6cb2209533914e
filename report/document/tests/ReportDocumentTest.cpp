// SPDX-License-Identifier: GPL-3.0-or-later
// The lab report as its reader gets it: the PDF's text as a PDF reader
// extracts it (poppler's pdftotext), the ODT as a package an office suite
// opens, with the tables the report shows, and journals with little or
// nothing in them.
#include "journal/JournalCsv.h"
#include "report/JournalAnalysis.h"
#include "report/document/ReportDocument.h"
#include "report/document/ReportText.h"
#include "tools/testsupport/ReportSession.h"
#include "tools/testsupport/TestFolder.h"
#include "tools/testsupport/XlsxCells.h"

#include <QApplication>
#include <QProcess>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QXmlStreamReader>

#include <fstream>

namespace {

using namespace report::test;
using Tables = std::vector<std::vector<std::vector<std::string>>>;

report::ReportSource Source(const journal::Journal& journal)
{
    report::ReportSource source;
    source.Analysis = report::AnalyseJournal(journal);
    source.JournalFile = QStringLiteral("/home/ivanov/session.csv");
    source.Title = {QStringLiteral("Иванов И. И."), QStringLiteral("РТ-21"), QStringLiteral("09.12.2026")};
    return source;
}

class ReportDocument : public TestFolder {
protected:
    // The text of the PDF as pdftotext extracts it, in reading order.
    std::string PdfText(const QByteArray& pdf)
    {
        std::ofstream(File("report.pdf"), std::ios::binary).write(pdf.data(), pdf.size());
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QString::fromStdString(File("report.pdf")), QStringLiteral("-")});
        EXPECT_TRUE(pdftotext.waitForFinished(60000));
        EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
        return pdftotext.readAllStandardOutput().toStdString();
    }

    std::map<std::string, std::string> OdtParts(const QByteArray& odt)
    {
        std::ofstream(File("report.odt"), std::ios::binary).write(odt.data(), odt.size());
        return xlsx_test::ZipParts(File("report.odt"));
    }
};

// The cells of every table of an ODF document's content, as read back.
Tables OdtTables(const std::string& content)
{
    Tables tables;
    QXmlStreamReader xml(QByteArray::fromStdString(content));
    int depth = 0;
    std::string cell;
    bool inCell = false;
    int inParagraph = 0; // the writer indents its XML: only a paragraph's characters are text
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.qualifiedName() == QStringLiteral("table:table") && depth++ == 0)
            tables.emplace_back();
        else if (xml.isEndElement() && xml.qualifiedName() == QStringLiteral("table:table"))
            --depth;
        else if (xml.isStartElement() && xml.qualifiedName() == QStringLiteral("table:table-row"))
            tables.back().emplace_back();
        else if (xml.isStartElement() && xml.qualifiedName() == QStringLiteral("table:table-cell"))
            inCell = true, cell.clear();
        else if (xml.isEndElement() && xml.qualifiedName() == QStringLiteral("table:table-cell"))
            inCell = false, tables.back().back().push_back(cell);
        else if (xml.isStartElement() && xml.qualifiedName() == QStringLiteral("text:p")) {
            if (++inParagraph == 1 && inCell && !cell.empty())
                cell += '\n';
        } else if (xml.isEndElement() && xml.qualifiedName() == QStringLiteral("text:p"))
            --inParagraph;
        else if (inCell && inParagraph > 0 && xml.isCharacters())
            cell += xml.text().toString().toStdString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return tables;
}

// The cells of every table of the document the report is made of.
Tables DocumentTables(const QTextDocument& document)
{
    Tables tables;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        const auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr)
            continue;
        auto& rows = tables.emplace_back();
        for (int r = 0; r < table->rows(); ++r) {
            auto& row = rows.emplace_back();
            for (int c = 0; c < table->columns(); ++c) {
                QTextCursor cursor = table->cellAt(r, c).firstCursorPosition();
                cursor.setPosition(table->cellAt(r, c).lastPosition(), QTextCursor::KeepAnchor);
                row.push_back(cursor.selectedText().replace(QChar::ParagraphSeparator, '\n').toStdString());
            }
        }
    }
    return tables;
}

std::string Counter(const report::CountPoint& point)
{
    return std::to_string(point.Counter) + " / " + std::to_string(point.Trials);
}

TEST_F(ReportDocument, PdfTextHoldsEveryCounterTheSeedAndTheCommand)
{
    const report::ReportSource source = Source(StudentSession(2026));
    const std::string text = PdfText(report::ReportPdf(source, report::StudentPictures(source.Analysis)));
    for (const char* expected : {"Отчёт по лабораторной работе № 4", "Иванов И. И.", "РТ-21", "09.12.2026",
             "1. Цель работы", "2. Конфигурации установки", "3. Результаты измерений", "4. Графики",
             "5. Сравнение с теорией", "6. Проверка", "7. Выводы", "Рабочая характеристика обнаружения",
             "detector-lab-sweep --verify /home/ivanov/session.csv"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_NE(text.find("2026"), std::string::npos);
    ASSERT_EQ(source.Analysis.Counts.size(), 102u);
    for (const report::CountPoint& point : source.Analysis.Counts)
        EXPECT_NE(text.find(Counter(point)), std::string::npos) << Counter(point);
    // The noise-power means, rounded as on screen, with a decimal comma.
    EXPECT_NE(text.find("13,14"), std::string::npos);
}

TEST_F(ReportDocument, OdtIsAPackageWithTheReportsTables)
{
    const report::ReportSource source = Source(StudentSession(7));
    const std::vector<report::ReportPicture> pictures = report::StudentPictures(source.Analysis);
    const std::map<std::string, std::string> parts = OdtParts(report::ReportOdt(source, pictures));
    ASSERT_EQ(parts.count("mimetype"), 1u);
    EXPECT_EQ(parts.at("mimetype"), "application/vnd.oasis.opendocument.text");
    ASSERT_EQ(parts.count("content.xml"), 1u);
    ASSERT_EQ(parts.count("META-INF/manifest.xml"), 1u);
    size_t images = 0;
    for (const auto& [name, bytes] : parts)
        if (name.starts_with("Pictures/")) {
            ++images;
            EXPECT_NE(parts.at("META-INF/manifest.xml").find(name), std::string::npos) << name;
        }
    // Every picture and every schematic of the five exercises used.
    EXPECT_EQ(images, pictures.size() + 5);

    const Tables read = OdtTables(parts.at("content.xml"));
    const Tables shown = DocumentTables(*report::ReportDocument(source, pictures, report::PictureForm::Image));
    ASSERT_EQ(read.size(), 4u); // the title block and the three tables
    EXPECT_EQ(read, shown);
    EXPECT_EQ(read[1].size(), source.Analysis.Counts.size() + 1);
}

// Journals with little in them, or more than a table shows: a report that
// says what there is.
TEST_F(ReportDocument, LittleJournalsGiveAReportThatSaysWhatThereIs)
{
    struct Case {
        const char* name;
        std::vector<MeasurementInputs> measured;
        std::vector<const char*> expected;
    };
    std::vector<MeasurementInputs> manyPoints;
    for (int h = 0; h < 400; ++h)
        manyPoints.push_back({1, 2, 6.0, static_cast<double>(h), Detection});
    const std::vector<Case> cases{
        {"more points than a table shows", manyPoints, {"Показаны первые 300 строк таблицы из 400"}},
        {"empty", {}, {"Журнал не содержит ни одной строки", "Точек для графиков нет."}},
        {"refusals only", {{1, 2, 1.0, 0.0, Refused}, {1, 2, 1.0, 0.0, Refused}},
            {"Журнал содержит 2 строки; из них 2 отказа", "Точек для графиков нет."}},
        {"one point per curve", {{1, 2, 6.0, 20.0, Detection}, {1, 2, 6.0, 20.0, FalseAlarms}, {1, 2, 2.0, 0.0, NoisePower}},
            {"Рабочая характеристика обнаружения", "Мощность шума на выходе фильтра 1"}},
        {"unpaired", {{1, 2, 6.0, 20.0, Detection}, {3, 4, 6.0, 10.0, Distinction2}}, {"Точки без пары"}},
    };
    for (const Case& test : cases) {
        const report::ReportSource source = Source(Measured(11, test.measured));
        const QByteArray pdf = report::ReportPdf(source, report::StudentPictures(source.Analysis));
        ASSERT_TRUE(pdf.startsWith("%PDF")) << test.name;
        const std::string text = PdfText(pdf);
        for (const char* expected : test.expected)
            EXPECT_NE(text.find(expected), std::string::npos) << test.name << ": " << expected;
        EXPECT_FALSE(report::ReportOdt(source, report::StudentPictures(source.Analysis)).isEmpty()) << test.name;
        std::string error;
        EXPECT_FALSE(report::ReportXlsx(source, error).empty()) << test.name << ": " << error;
    }
}

TEST(ReportText, RowListsShowRangesMarksAndHowManyThereAre)
{
    EXPECT_EQ(report::MarkedRows({1, 2, 3, 5, 6, 7, 8, 9}, {7}), "1–3, 5, 6, 7*, 8, 9");
    EXPECT_EQ(report::MarkedRows({4, 5, 6, 7}, {}), "4–7");
    std::vector<int64_t> odd;
    for (int64_t row = 1; row < 60; row += 2)
        odd.push_back(row);
    EXPECT_EQ(report::MarkedRows(odd, {1}), "1*, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, … (всего 30 строк)");
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
