// SPDX-License-Identifier: GPL-3.0-or-later
// Times a lab report of a session of 200 rows, as a student measures it
// (tools/testsupport/ReportSession.h). Prints the median of
// the runs for the analysis, the PDF with its pictures, the ODT and the
// workbook; writes the session's journal and its PDF where asked.
//   report-probe [runs] [folder for session.csv and report.pdf]
#include "journal/JournalCsv.h"
#include "report/JournalAnalysis.h"
#include "report/document/ReportDocument.h"
#include "tools/testsupport/ReportSession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

double MedianMilliseconds(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const journal::Journal journal = report::test::StudentSession(2026);
    report::ReportSource source;
    source.Title = {QStringLiteral("Иванов И. И."), QStringLiteral("РТ-21"), QStringLiteral("09.12.2026")};
    source.JournalFile = QStringLiteral("session.csv");
    source.RowsReplayed = journal.Rows.size();

    QByteArray pdf;
    const double analysis = MedianMilliseconds(runs, [&] { source.Analysis = report::AnalyseJournal(journal); });
    const double pdfTime = MedianMilliseconds(runs, [&] { pdf = report::ReportPdf(source, report::StudentPictures(source.Analysis)); });
    const double odt = MedianMilliseconds(runs, [&] { report::ReportOdt(source, report::StudentPictures(source.Analysis)); });
    std::string error;
    const double xlsx = MedianMilliseconds(runs, [&] { report::ReportXlsx(source, error); });
    std::printf("a report of %zu rows (%zu points, %zu noise-power values), median of %d runs:\n", journal.Rows.size(),
        source.Analysis.Counts.size(), source.Analysis.NoisePower.size(), runs);
    std::printf("  analysis            %8.2f ms\n", analysis);
    std::printf("  PDF with pictures   %8.2f ms  (%lld bytes)\n", pdfTime, static_cast<long long>(pdf.size()));
    std::printf("  ODT with pictures   %8.2f ms\n", odt);
    std::printf("  workbook            %8.2f ms\n", xlsx);
    if (argc > 2) {
        const QString folder = QString::fromLocal8Bit(argv[2]);
        QFile csv(folder + QStringLiteral("/session.csv"));
        QFile out(folder + QStringLiteral("/report.pdf"));
        if (!csv.open(QIODevice::WriteOnly) || !out.open(QIODevice::WriteOnly))
            return 1;
        csv.write(QByteArray::fromStdString(journal::JournalCsvText(journal)));
        out.write(pdf);
    }
    return 0;
}
