// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppendedFile.h"
#include "OwnedDescriptor.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return ::fdatasync(descriptor) == 0;
}

bool CutBackTo(int descriptor, uint64_t size)
{
    return ::ftruncate(descriptor, static_cast<off_t>(size)) == 0 && ::fdatasync(descriptor) == 0;
}

} // namespace

std::optional<AppendedFile::Seen> AppendedFile::SeenOf(int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return std::nullopt;
    return Seen{status.st_dev, status.st_ino, status.st_ctim.tv_sec, status.st_ctim.tv_nsec,
        static_cast<uint64_t>(status.st_size)};
}

AppendedFile::Outcome AppendedFile::Create(const std::string& path, std::string_view bytes)
{
    const journal::OwnedDescriptor file{::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644)};
    if (file.Number < 0)
        return errno == EEXIST ? Outcome::Exists : Outcome::Failed;
    if (!WriteAll(file.Number, bytes)) {
        // Nothing of a file that could not be made whole is left behind.
        ::unlink(path.c_str());
        return Outcome::Failed;
    }
    seen_ = SeenOf(file.Number);
    if (!seen_)
        return Outcome::Failed;
    path_ = path;
    size_ = bytes.size();
    return Outcome::Written;
}

AppendedFile::Outcome AppendedFile::Adopt(const std::string& path, uint64_t keptBytes)
{
    const journal::OwnedDescriptor file{::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
    if (file.Number < 0)
        return errno == ELOOP ? Outcome::Replaced : Outcome::Failed;
    struct stat status {};
    if (::fstat(file.Number, &status) != 0 || !S_ISREG(status.st_mode))
        return Outcome::Failed;
    if (static_cast<uint64_t>(status.st_size) != keptBytes && !CutBackTo(file.Number, keptBytes))
        return Outcome::Failed;
    seen_ = SeenOf(file.Number);
    if (!seen_)
        return Outcome::Failed;
    path_ = path;
    size_ = keptBytes;
    return Outcome::Written;
}

AppendedFile::Outcome AppendedFile::Append(std::string_view bytes)
{
    const journal::OwnedDescriptor file{::open(path_.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
    if (file.Number < 0)
        return errno == ELOOP || errno == ENOENT || errno == ENXIO ? Outcome::Replaced : Outcome::Failed;
    const std::optional<Seen> now = SeenOf(file.Number);
    if (!now)
        return Outcome::Failed;
    if (!seen_ || *now != *seen_)
        return Outcome::Replaced;
    // A line written in part by a write that failed would join the next
    // one: it is taken back at once, or else before the next write.
    const bool whole = now->Size == size_ || CutBackTo(file.Number, size_);
    const bool written = whole && WriteAll(file.Number, bytes);
    if (written)
        size_ += bytes.size();
    else
        CutBackTo(file.Number, size_);
    seen_ = SeenOf(file.Number);
    return written ? Outcome::Written : Outcome::Failed;
}
