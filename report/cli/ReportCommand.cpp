// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportCommand.h"

#include "common/files/WholeFile.h"
#include "common/text/Excerpt.h"
#include "journal/JournalCsv.h"
#include "journal/JournalFile.h"
#include "journal/JournalReplay.h"
#include "report/cli/detector-lab-report-manual.h"
#include "report/document/ReportDocument.h"
#include "translations/ProgramTranslation.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTranslator>

#include <cerrno>
#include <cstring>
#include <ostream>

namespace report {

namespace {

constexpr std::string_view ProgramName = "detector-lab-report";

enum class Format { Pdf, Odt, Xlsx };

std::optional<Format> FormatOf(const std::string& path)
{
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower.ends_with(".pdf"))
        return Format::Pdf;
    if (lower.ends_with(".odt"))
        return Format::Odt;
    if (lower.ends_with(".xlsx"))
        return Format::Xlsx;
    return std::nullopt;
}

bool TakeValue(const std::vector<std::string>& arguments, size_t& i, std::initializer_list<std::string_view> names,
    std::string& value, std::string& error)
{
    const std::string& argument = arguments[i];
    for (std::string_view name : names) {
        if (argument.starts_with(std::string(name) + '=') && name.starts_with("--")) {
            value = argument.substr(name.size() + 1);
            return true;
        }
        if (argument == name) {
            if (i + 1 == arguments.size())
                error = std::string(name) + " needs a value";
            else
                value = arguments[++i];
            return true;
        }
    }
    return false;
}

// The report's words in the language asked for while it lives: the run's
// language and, for English, the program's English texts; what was before
// afterwards.
class ReportLanguage {
public:
    explicit ReportLanguage(Language language) : before_(ProgramLanguage())
    {
        if (language == Language::English) {
            english_ = LoadEnglishTexts();
            if (!english_ || !QCoreApplication::installTranslator(english_.get()))
                english_.reset();
        }
        spoken_ = english_ ? Language::English : Language::Russian;
        SetProgramLanguage(spoken_);
    }

    ~ReportLanguage()
    {
        if (english_)
            QCoreApplication::removeTranslator(english_.get());
        SetProgramLanguage(before_);
    }

    ReportLanguage(const ReportLanguage&) = delete;
    ReportLanguage& operator=(const ReportLanguage&) = delete;

    Language Spoken() const { return spoken_; }

private:
    Language before_;
    Language spoken_ = Language::Russian;
    std::unique_ptr<QTranslator> english_;
};

int Print(std::ostream& out, std::ostream& err, const std::string& text)
{
    errno = 0;
    out << text;
    out.flush();
    if (out)
        return 0;
    const int error = errno;
    err << ProgramName << ": cannot write standard output" << (error != 0 ? ": " : "")
        << (error != 0 ? std::strerror(error) : "") << '\n';
    return 1;
}

} // namespace

ReportRequest ReadReportRequest(const std::vector<std::string>& arguments)
{
    ReportRequest request;
    for (size_t i = 0; i < arguments.size() && request.Error.empty(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help")
            request.Help = true;
        else if (argument == "--version")
            request.Version = true;
        else if (TakeValue(arguments, i, {"-o", "--output"}, request.Output, request.Error)
                 || TakeValue(arguments, i, {"--student"}, request.Student, request.Error)
                 || TakeValue(arguments, i, {"--group"}, request.Group, request.Error)
                 || TakeValue(arguments, i, {"--date"}, request.Date, request.Error))
            continue;
        else if (std::string code; TakeValue(arguments, i, {"--lang"}, code, request.Error)) {
            if (const std::optional<Language> language = LanguageOfCode(code))
                request.Spoken = *language;
            else if (request.Error.empty())
                request.Error = "--lang takes en or ru, not '" + Excerpt(code) + "'";
        }
        else if (argument.starts_with("-") && argument != "-")
            request.Error = "unknown option '" + Excerpt(argument) + "' (see --help)";
        else if (!request.Journal.empty())
            request.Error = "one journal at a time: '" + Excerpt(argument) + "' is a second (see --help)";
        else
            request.Journal = argument;
    }
    if (request.Error.empty() && !request.Help && !request.Version) {
        if (request.Journal.empty())
            request.Error = "name the journal (see --help)";
        else if (request.Output.empty())
            request.Error = "name the report with -o FILE.pdf, FILE.odt or FILE.xlsx";
        else if (!FormatOf(request.Output))
            request.Error = "the report's name '" + Excerpt(request.Output, 200)
                + "' ends in none of .pdf, .odt, .xlsx";
    }
    return request;
}

int RunReportCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const ReportRequest request = ReadReportRequest(arguments);
    if (!request.Error.empty()) {
        err << ProgramName << ": " << request.Error << '\n';
        return 2;
    }
    if (request.Help || request.Version)
        return Print(out, err, request.Help ? manual::DetectorLabReportHelp : manual::DetectorLabReportVersion) == 0
            ? 0
            : 1;

    std::string error;
    const std::optional<std::string> text = journal::ReadJournalFile(request.Journal, error);
    if (!text) {
        err << ProgramName << ": " << error << '\n';
        return 2;
    }
    const journal::ReadJournal read = journal::ReadJournalCsv(*text);
    if (!read.Error.empty()) {
        err << ProgramName << ": " << Excerpt(request.Journal, 200) << " line " << read.ErrorLine << ": " << read.Error
            << '\n';
        return 2;
    }

    ReportSource source;
    source.Analysis = AnalyseJournal(read.Content);
    source.JournalFile = QFile::decodeName(QByteArray::fromStdString(request.Journal));
    source.Title = {QString::fromStdString(request.Student), QString::fromStdString(request.Group),
        request.Date.empty() ? QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))
                             : QString::fromStdString(request.Date)};
    const std::vector<journal::RowCheck> checks = journal::ReplayJournal(read);
    source.RowsReplayed = checks.size();
    for (size_t i = 0; i < checks.size(); ++i)
        if (!checks[i].Reproduces)
            source.DifferingRows.insert(read.Content.Rows[i].Number);

    const ReportLanguage language(request.Spoken);
    if (language.Spoken() != request.Spoken) {
        err << ProgramName << ": the English texts cannot be loaded\n";
        return 2;
    }
    QByteArray bytes;
    switch (*FormatOf(request.Output)) {
    case Format::Pdf:
        bytes = ReportPdf(source, StudentPictures(source.Analysis));
        break;
    case Format::Odt:
        bytes = ReportOdt(source, StudentPictures(source.Analysis));
        break;
    case Format::Xlsx: {
        const std::string workbook = ReportXlsx(source, error);
        bytes = QByteArray::fromStdString(workbook);
        break;
    }
    }
    if (bytes.isEmpty()) {
        err << ProgramName << ": cannot make the report " << Excerpt(request.Output, 200)
            << (error.empty() ? "" : ": " + error) << '\n';
        return 2;
    }
    OutputFiles file;
    file.Add(QFile::decodeName(QByteArray::fromStdString(request.Output)), bytes);
    if (const std::string failure = file.Write(); !failure.empty()) {
        err << ProgramName << ": " << failure << '\n';
        return 2;
    }
    const std::string summary = "report " + Excerpt(request.Output, 200) + ": "
        + std::to_string(source.Analysis.Rows) + " rows of " + Excerpt(request.Journal, 200) + ", "
        + (source.DifferingRows.empty() ? "every row reproduces"
                                        : std::to_string(source.DifferingRows.size()) + " rows do not reproduce (marked)")
        + '\n';
    if (Print(out, err, summary) != 0)
        return 2;
    return source.DifferingRows.empty() ? 0 : 1;
}

} // namespace report
