// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalVerification.h"

#include "JournalCsv.h"
#include "JournalReplay.h"
#include "RoundedResave.h"
#include "bench/DetectorBench.h"
#include "common/text/Excerpt.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace journal {

namespace {

constexpr size_t BlockBytes = 65536;

Verification Refused(std::string error, std::string problem)
{
    Verification refused;
    refused.Status = 2;
    refused.Error = std::move(error);
    refused.Problem = std::move(problem);
    return refused;
}

Verification Unreadable(const std::string& path, const std::string& why)
{
    return Refused("cannot read " + path + ": " + why, "cannot be read: " + why);
}

// What is no journal at `line`: the file named, then the line and why.
Verification NoJournal(const std::string& path, size_t line, const std::string& why)
{
    const std::string problem = "line " + std::to_string(line) + ": " + why;
    return Refused(path + " " + problem, problem);
}

struct Descriptor {
    int Number;
    ~Descriptor()
    {
        if (Number >= 0)
            ::close(Number);
    }
};

ssize_t ReadBlock(int descriptor, char* into, size_t bytes)
{
    for (;;) {
        const ssize_t got = ::read(descriptor, into, bytes);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

// The lines of a file, read a block at a time: however long the file, what
// is held is one block and one line, a line longer than any journal's cut
// at one byte over that length (where the journal's reader refuses it).
class FileLines {
public:
    explicit FileLines(int descriptor) : descriptor_(descriptor) {}

    // The next whole line, without its line break; false at the end of the
    // file (what came after the last line break is then Tail()) or when the
    // file cannot be read (Error()).
    bool Next(std::string_view& line)
    {
        for (;;) {
            const size_t end = buffer_.find('\n', start_);
            if (end != std::string::npos) {
                line = std::string_view(buffer_).substr(start_, end - start_);
                start_ = end + 1;
                return true;
            }
            if (buffer_.size() - start_ > MaxJournalLineBytes) {
                line = std::string_view(buffer_).substr(start_, MaxJournalLineBytes + 1);
                start_ = buffer_.size();
                return true;
            }
            buffer_.erase(0, start_);
            start_ = 0;
            char block[BlockBytes];
            const ssize_t got = ReadBlock(descriptor_, block, sizeof block);
            if (got <= 0) {
                if (got < 0)
                    error_ = std::strerror(errno);
                return false;
            }
            buffer_.append(block, static_cast<size_t>(got));
        }
    }

    std::string_view Tail() const { return std::string_view(buffer_).substr(start_); }
    const std::string& Error() const { return error_; }

private:
    int descriptor_;
    std::string buffer_;
    size_t start_ = 0;
    std::string error_;
};

// How many line breaks the file holds: its rows are two fewer.
std::optional<size_t> LineBreaks(int descriptor)
{
    size_t breaks = 0;
    char block[BlockBytes];
    for (;;) {
        const ssize_t got = ReadBlock(descriptor, block, sizeof block);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return ::lseek(descriptor, 0, SEEK_SET) == 0 ? std::optional(breaks) : std::nullopt;
        for (ssize_t i = 0; i < got; ++i)
            breaks += block[i] == '\n' ? 1 : 0;
    }
}

Verification Interrupted(int signal, size_t replayed, size_t rows)
{
    Verification interrupted;
    interrupted.Status = 128 + signal;
    interrupted.Error = "interrupted; " + std::to_string(replayed) + " of " + std::to_string(rows) + " rows replayed";
    interrupted.Problem = interrupted.Error;
    return interrupted;
}

std::string RowsText(size_t rows)
{
    return std::to_string(rows) + (rows == 1 ? " row" : " rows");
}

} // namespace

Verification VerifyJournalFile(const std::string& path, const std::atomic<int>* stop)
{
    // Non-blocking: a FIFO opens at once, and is refused below.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat status {};
    if (file.Number < 0 || ::fstat(file.Number, &status) != 0)
        return Unreadable(path, std::strerror(errno));
    if (S_ISDIR(status.st_mode))
        return Refused("'" + path + "' is a folder, not a journal", "a folder, not a journal");
    if (!S_ISREG(status.st_mode)) {
        const std::string what = "not a regular file (a FIFO, a device or a socket), not a journal";
        return Refused("'" + path + "' is " + what, what);
    }
    const std::optional<size_t> breaks = LineBreaks(file.Number);
    if (!breaks)
        return Unreadable(path, std::strerror(errno));

    FileLines source(file.Number);
    JournalLines lines;
    std::optional<DetectorBench> bench;
    std::string report;
    size_t replayed = 0;
    size_t reproduced = 0;
    std::vector<std::string> differing;
    // The first row a spreadsheet only rounded, and the first that differs
    // otherwise: enough to tell a rounded re-save.
    std::vector<RowCheck> notable;
    std::string_view line;
    while (source.Next(line)) {
        switch (lines.Take(line)) {
        case JournalLines::Taken::Refused:
            return NoJournal(path, lines.Line(), lines.Error());
        case JournalLines::Taken::Head:
            if (lines.HeadTaken())
                bench.emplace(lines.Seed());
            continue;
        case JournalLines::Taken::Row:
            break;
        }
        // The rows: those replayed, this one and one a line after it.
        if (stop != nullptr && stop->load() != 0)
            return Interrupted(stop->load(), replayed, replayed + 1 + (*breaks - lines.Line()));
        const RowCheck check = ReplayRow(lines.Row(), lines.FileCells(), static_cast<int64_t>(replayed) + 1,
            lines.Line(), *bench, lines.Wording());
        ++replayed;
        reproduced += check.Reproduces ? 1 : 0;
        if (!check.Reproduces)
            differing.push_back(Excerpt(lines.FileCells()[column::Number], 12));
        const auto sameKind = [&](const RowCheck& kept) { return kept.Rounded == check.Rounded; };
        if (!check.Reproduces && std::none_of(notable.begin(), notable.end(), sameKind))
            notable.push_back(check);
        report += "row " + lines.FileCells()[column::Number] + " (line " + std::to_string(check.Line)
            + "): " + (check.Reproduces ? "reproduces" : "differs: " + check.Difference) + '\n';
    }
    if (!source.Error().empty())
        return Unreadable(path, source.Error());
    if (!lines.HeadTaken())
        return NoJournal(path, lines.Line() + 1,
            lines.Line() == 0 && source.Tail().empty() ? "the file is empty"
            : source.Tail().empty()                    ? "the file ends before the column headings"
                                                       : "the line has no line break: the file is cut short");
    if (stop != nullptr && stop->load() != 0)
        return Interrupted(stop->load(), replayed, replayed);

    if (const std::optional<std::string> rounded = RoundedResaveError(notable))
        return Refused(path + ": " + *rounded, *rounded);

    Verification verification;
    verification.Seed = lines.Seed();
    verification.Rows = replayed;
    verification.DifferingRows = std::move(differing);
    verification.TornLine = source.Tail().empty() ? 0 : lines.Line() + 1;
    verification.Report = "journal " + path + ": seed " + std::to_string(lines.Seed()) + ", " + RowsText(replayed)
        + ", replayed on a bench of its own\n" + report;
    if (verification.TornLine != 0)
        verification.Report += "line " + std::to_string(verification.TornLine)
            + " is cut short, a row the program was writing when it ended: dropped, not replayed\n";
    verification.Report += reproduced == replayed ? "every row reproduces\n"
                                                  : std::to_string(reproduced) + " of " + std::to_string(replayed)
            + " rows reproduce\n";
    verification.Status = reproduced == replayed ? 0 : 1;
    return verification;
}

} // namespace journal
