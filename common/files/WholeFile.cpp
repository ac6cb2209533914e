// SPDX-License-Identifier: GPL-3.0-or-later
#include "WholeFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Stopped(const std::atomic<int>* stop)
{
    return stop != nullptr && stop->load() != 0;
}

// The descriptor of this process that a name such as /dev/stdout, /dev/fd/3
// or /proc/self/fd/1 stands for, following symbolic links to it.
std::optional<int> OwnDescriptor(const QString& name)
{
    namespace fs = std::filesystem;
    const fs::path descriptors = "/proc/" + std::to_string(::getpid()) + "/fd";
    std::error_code error;
    fs::path path = fs::absolute(QFile::encodeName(name).toStdString(), error);
    for (int link = 0; link < 40 && !error; ++link) {
        if (fs::weakly_canonical(path.parent_path(), error) == descriptors) {
            const std::string number = path.filename().string();
            int descriptor = -1;
            const auto [end, failure] = std::from_chars(number.data(), number.data() + number.size(), descriptor);
            if (failure != std::errc() || end != number.data() + number.size())
                return std::nullopt;
            return descriptor;
        }
        if (!fs::is_symlink(path, error))
            return std::nullopt;
        const fs::path target = fs::read_symlink(path, error);
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

// A device, a FIFO or a terminal: anything that exists and is not a regular
// file (a symbolic link counts as what it points to).
bool IsSpecial(const QString& name)
{
    struct stat status {};
    return ::stat(QFile::encodeName(name).constData(), &status) == 0 && !S_ISREG(status.st_mode);
}

bool IsFifo(const QByteArray& name)
{
    struct stat status {};
    return ::stat(name.constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

// How often a FIFO that no one reads yet is tried again.
constexpr std::chrono::milliseconds ReaderPoll{10};

// Returns 0, or the errno of the failure.
int WriteAll(int descriptor, const QByteArray& bytes, const std::atomic<int>* stop)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0 && (errno != EINTR || Stopped(stop)))
            return errno;
        done += std::max<ssize_t>(written, 0);
    }
    return 0;
}

std::string Failure(const char* what, const QString& path, const std::string& reason)
{
    return std::string(what) + " " + path.toStdString() + ": " + reason;
}

} // namespace

OutputFiles::OutputFiles(UnreadFifo unread)
    : unread_(unread)
{
}

// Opens the existing target and writes into it, as a shell's redirection would.
std::string OutputFiles::WriteDirectly(const QString& path, const QByteArray& bytes, const std::atomic<int>* stop) const
{
    if (const std::optional<int> descriptor = OwnDescriptor(path)) {
        const int error = WriteAll(*descriptor, bytes, stop);
        return error == 0 ? std::string() : Failure("cannot write", path, std::strerror(error));
    }
    // Without a reader, a FIFO opened with O_NONBLOCK fails with ENXIO
    // instead of waiting; once open, it is written blocking. A wait for a
    // reader tries again every few milliseconds: a blocking open would not
    // see a stop that came just before it, and would wait for good.
    const QByteArray name = QFile::encodeName(path);
    const bool waitForReader = unread_ == UnreadFifo::Wait && IsFifo(name);
    int descriptor = -1;
    for (;;) {
        descriptor = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        if (descriptor >= 0 || Stopped(stop))
            break;
        if (errno == ENXIO && waitForReader)
            std::this_thread::sleep_for(ReaderPoll);
        else if (errno != EINTR)
            break;
    }
    if (descriptor < 0 || ::fcntl(descriptor, F_SETFL, 0) != 0) {
        const int error = errno;
        if (descriptor >= 0)
            ::close(descriptor);
        return Failure("cannot open", path, std::strerror(error));
    }
    int error = WriteAll(descriptor, bytes, stop);
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    return error == 0 ? std::string() : Failure("cannot write", path, std::strerror(error));
}

void OutputFiles::Add(const QString& path, QByteArray bytes)
{
    files_.push_back({path, std::move(bytes)});
}

std::string OutputFiles::Write(const std::atomic<int>* stop) const
{
    std::vector<std::unique_ptr<QSaveFile>> staged;
    std::vector<const File*> direct;
    for (const File& file : files_) {
        if (OwnDescriptor(file.Path) || IsSpecial(file.Path)) {
            direct.push_back(&file);
            continue;
        }
        auto saved = std::make_unique<QSaveFile>(file.Path);
        if (!saved->open(QIODevice::WriteOnly))
            return Failure("cannot create", file.Path, saved->errorString().toStdString());
        // Qt 6.4 commits even after a failed write, so ask the file first. A
        // write cut short (a full disk, a size limit) leaves Qt no reason:
        // errno has it.
        errno = 0;
        if (saved->write(file.Bytes) != file.Bytes.size() || !saved->flush() || saved->error() != QFileDevice::NoError)
            return Failure("cannot write", file.Path, errno != 0 ? std::strerror(errno) : "not every byte could be written");
        staged.push_back(std::move(saved));
    }
    for (const File* file : direct)
        if (std::string failure = WriteDirectly(file->Path, file->Bytes, stop); !failure.empty())
            return failure;
    if (Stopped(stop))
        return "stopped before any file was replaced";
    for (const std::unique_ptr<QSaveFile>& saved : staged)
        if (!saved->commit())
            return Failure("cannot write", saved->fileName(), saved->errorString().toStdString());
    return {};
}
