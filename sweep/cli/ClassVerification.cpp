// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassVerification.h"

#include "common/files/WholeFile.h"
#include "common/sheets/XlsxWorkbook.h"
#include "common/text/Excerpt.h"
#include "common/version/Version.h"
#include "journal/ClassList.h"
#include "journal/JournalFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>

namespace sweep {

namespace {

constexpr std::string_view ProgramName = "detector-lab-sweep";
// A line names at most this many rows that differ, and a summary this many
// students without a journal.
constexpr size_t MostNamed = 10;

struct Checked {
    std::string Path;
    journal::Verification Found;
    const journal::ClassEntry* Assigned = nullptr;

    bool Reproduces() const { return Found.Error.empty() && Found.Status == 0; }
    bool AnotherSeed() const { return Found.Error.empty() && Assigned != nullptr && Assigned->Seed != Found.Seed; }
    std::string Result() const
    {
        return !Found.Error.empty() ? "not a journal" : !Reproduces() ? "differs" : AnotherSeed() ? "another seed" : "reproduces";
    }
};

std::string Listed(const std::vector<std::string>& names)
{
    std::string text;
    for (size_t i = 0; i < names.size() && i < MostNamed; ++i)
        text += (i > 0 ? ", " : "") + names[i];
    if (names.size() > MostNamed)
        text += " and " + std::to_string(names.size() - MostNamed) + " more";
    return text;
}

// What the line says after the journal's name.
std::string Finding(const Checked& checked)
{
    const journal::Verification& found = checked.Found;
    if (!found.Error.empty())
        return "not a journal: " + found.Problem;
    std::string text = "seed " + std::to_string(found.Seed) + ", " + std::to_string(found.Rows)
        + (found.Rows == 1 ? " row: " : " rows: ");
    text += found.DifferingRows.empty()
        ? "every row reproduces"
        : std::to_string(found.DifferingRows.size()) + " of " + std::to_string(found.Rows)
            + (found.DifferingRows.size() == 1 ? " rows differ (row " : " rows differ (rows ") + Listed(found.DifferingRows)
            + ")";
    if (found.TornLine != 0)
        text += "; line " + std::to_string(found.TornLine) + " cut short, dropped";
    if (checked.AnotherSeed())
        text += "; assigned seed " + std::to_string(checked.Assigned->Seed) + " (class list line "
            + std::to_string(checked.Assigned->Line) + "): another seed than assigned";
    return text;
}

std::string CsvCell(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

// The summary for the instructor's spreadsheet: Russian headings, numbers as
// numbers.
sheets::Book ClassBook(const std::vector<Checked>& journals)
{
    sheets::Book book;
    book.Sheet.Name = "Группа";
    book.Sheet.Headings = {"файл", "начальное число", "назначенное число", "строк", "воспроизводятся", "итог",
        "подробности"};
    for (const Checked& checked : journals) {
        const journal::Verification& found = checked.Found;
        const bool read = found.Error.empty();
        const auto whole = [&](bool known, int64_t value) { return known ? sheets::Cell::OfWhole(value) : sheets::Cell(); };
        const std::string result = checked.Result();
        book.Sheet.Rows.push_back({sheets::Cell::OfText(checked.Path), whole(read, found.Seed),
            whole(checked.Assigned != nullptr, checked.Assigned ? checked.Assigned->Seed : 0),
            whole(read, static_cast<int64_t>(found.Rows)),
            whole(read, static_cast<int64_t>(found.Rows - found.DifferingRows.size())),
            sheets::Cell::OfText(result == "reproduces" ? "воспроизводится"
                    : result == "differs"               ? "строки не воспроизводятся"
                    : result == "another seed"          ? "не то начальное число"
                                                        : "не журнал"),
            sheets::Cell::OfText(read ? (found.DifferingRows.empty() ? "" : "строки " + Listed(found.DifferingRows))
                                      : found.Problem)});
    }
    book.Facts = {{"проверено программой", sheets::Cell::OfText(std::string("detector-lab-sweep ") + DetectorLabVersion)}};
    return book;
}

std::string CsvText(const std::vector<Checked>& journals)
{
    std::string text = "file,seed,assigned_seed,rows,rows_reproducing,result,detail\n";
    for (const Checked& checked : journals) {
        const journal::Verification& found = checked.Found;
        const bool read = found.Error.empty();
        text += CsvCell(checked.Path) + ',' + (read ? std::to_string(found.Seed) : "") + ','
            + (checked.Assigned ? std::to_string(checked.Assigned->Seed) : "") + ','
            + (read ? std::to_string(found.Rows) : "") + ','
            + (read ? std::to_string(found.Rows - found.DifferingRows.size()) : "") + ',' + checked.Result() + ','
            + CsvCell(read ? (found.DifferingRows.empty() ? ""
                                 : (found.DifferingRows.size() == 1 ? "row " : "rows ") + Listed(found.DifferingRows))
                           : found.Problem)
            + '\n';
    }
    return text;
}

// The journals the paths name: a file as it is, a folder's *.csv files.
std::optional<std::vector<std::string>> JournalsOf(const std::vector<std::string>& paths, std::string& error)
{
    std::vector<std::string> journals;
    for (const std::string& path : paths) {
        std::error_code failure;
        if (!std::filesystem::is_directory(path, failure)) {
            journals.push_back(path);
            continue;
        }
        std::vector<std::string> inFolder;
        for (const auto& entry : std::filesystem::directory_iterator(path, failure)) {
            std::string name = entry.path().filename().string();
            std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
            if (name.ends_with(".csv") && !entry.is_directory())
                inFolder.push_back(entry.path().string());
        }
        if (failure) {
            error = "cannot read the folder " + Excerpt(path, 200) + ": " + failure.message();
            return std::nullopt;
        }
        std::sort(inFolder.begin(), inFolder.end());
        journals.insert(journals.end(), inFolder.begin(), inFolder.end());
    }
    if (journals.empty())
        error = "no journal (*.csv) in " + Excerpt(paths.front(), 200);
    return journals;
}

std::optional<journal::ClassList> ClassListOf(const std::string& path, std::string& error)
{
    if (path.empty())
        return journal::ClassList{};
    const std::optional<std::string> text = journal::ReadJournalFile(path, error);
    if (!text) {
        error = "the class list " + error;
        return std::nullopt;
    }
    journal::ClassList list = journal::ReadClassList(*text);
    if (!list.Error.empty()) {
        error = "class list " + Excerpt(path, 200) + " line " + std::to_string(list.ErrorLine) + ": " + list.Error;
        return std::nullopt;
    }
    return list;
}

std::string Summary(const std::vector<Checked>& journals, const journal::ClassList& list)
{
    const auto count = [&](auto test) { return std::count_if(journals.begin(), journals.end(), test); };
    const auto reproducing = count([](const Checked& c) { return c.Reproduces() && !c.AnotherSeed(); });
    const auto differing = count([](const Checked& c) { return c.Found.Error.empty() && !c.Reproduces(); });
    const auto malformed = count([](const Checked& c) { return !c.Found.Error.empty(); });
    const auto anotherSeed = count([](const Checked& c) { return c.AnotherSeed(); });
    std::string text = std::to_string(journals.size()) + (journals.size() == 1 ? " journal: " : " journals: ")
        + std::to_string(reproducing) + " reproduce" + (list.Entries.empty() ? "" : " with their assigned seed")
        + ", " + std::to_string(differing) + " with rows that differ, " + std::to_string(malformed)
        + (malformed == 1 ? " is not a journal" : " are not journals");
    if (!list.Entries.empty())
        text += ", " + std::to_string(anotherSeed) + " with another seed than assigned";
    text += '\n';
    std::set<const journal::ClassEntry*> found;
    for (const Checked& checked : journals)
        found.insert(checked.Assigned);
    std::vector<std::string> missing;
    for (const journal::ClassEntry& entry : list.Entries)
        if (!found.contains(&entry))
            missing.push_back(Excerpt(entry.Name, 60));
    if (!missing.empty())
        text += "class list: no journal here for " + Listed(missing) + '\n';
    return text;
}

} // namespace

int VerifyClass(const VerifyRequest& request, std::ostream& out, std::ostream& err, const std::atomic<int>* stop)
{
    std::string error;
    const std::optional<journal::ClassList> list = ClassListOf(request.SeedsFile, error);
    const std::optional<std::vector<std::string>> paths = list ? JournalsOf(request.Paths, error) : std::nullopt;
    if (!list || !paths || paths->empty()) {
        err << ProgramName << ": " << error << '\n';
        return 2;
    }
    std::vector<Checked> journals;
    std::string lines;
    for (const std::string& path : *paths) {
        Checked checked{path, journal::VerifyJournalFile(path, stop), journal::EntryFor(*list, path)};
        if (stop != nullptr && stop->load() != 0) {
            err << ProgramName << ": interrupted; " << journals.size() << " of " << paths->size()
                << " journals verified, no file written\n";
            return 128 + stop->load();
        }
        lines += Excerpt(path, 200) + ": " + Finding(checked) + '\n';
        journals.push_back(std::move(checked));
    }
    const bool good = std::all_of(journals.begin(), journals.end(),
        [](const Checked& c) { return c.Reproduces() && !c.AnotherSeed(); });
    const std::string summary = Summary(journals, *list);

    std::string fileFailure;
    OutputFiles files;
    if (!request.CsvFile.empty() && request.CsvFile != "-")
        files.Add(QFile::decodeName(QByteArray::fromStdString(request.CsvFile)), QByteArray::fromStdString(CsvText(journals)));
    if (!request.XlsxFile.empty()) {
        const sheets::XlsxBytes workbook = sheets::XlsxWorkbook(ClassBook(journals));
        if (!workbook.Error.empty()) {
            err << ProgramName << ": " << Excerpt(request.XlsxFile, 200) << ": " << workbook.Error << '\n';
            return 1;
        }
        files.Add(QFile::decodeName(QByteArray::fromStdString(request.XlsxFile)), QByteArray::fromStdString(workbook.Bytes));
    }
    {
        fileFailure = files.Write(stop);
        // A wait for a reader (the summary's file a FIFO) ended by a signal.
        if (!fileFailure.empty() && stop != nullptr && stop->load() != 0) {
            err << ProgramName << ": interrupted; " << journals.size() << " of " << paths->size()
                << " journals verified, no file written\n";
            return 128 + stop->load();
        }
    }
    errno = 0;
    out << (request.CsvFile == "-" ? CsvText(journals) : lines + summary);
    out.flush();
    if (request.CsvFile == "-")
        err << summary;
    int status = good ? 0 : 1;
    if (!out) {
        const int failure = errno;
        err << ProgramName << ": cannot write standard output" << (failure != 0 ? ": " : "")
            << (failure != 0 ? std::strerror(failure) : "") << '\n';
        status = 1;
    }
    if (!fileFailure.empty()) {
        err << ProgramName << ": " << fileFailure << '\n';
        status = 1;
    }
    return status;
}

} // namespace sweep
