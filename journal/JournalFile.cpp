// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalFile.h"
#include "OwnedDescriptor.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace journal {

std::optional<std::string> ReadJournalFile(const std::string& path, std::string& error)
{
    // Non-blocking: a FIFO opens at once, and is refused below.
    const OwnedDescriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.Number < 0) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(file.Number, &status) != 0) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    if (S_ISDIR(status.st_mode)) {
        error = "'" + path + "' is a folder, not a journal";
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        error = "'" + path + "' is not a regular file (a FIFO, a device or a socket), not a journal";
        return std::nullopt;
    }
    std::string text;
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(file.Number, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = "cannot read " + path + ": " + std::strerror(errno);
            return std::nullopt;
        }
        if (got == 0)
            return text;
        text.append(block, static_cast<size_t>(got));
        if (text.size() > MaxJournalBytes) {
            error = path + " is larger than " + std::to_string(MaxJournalBytes >> 20) + " MiB, more than a journal holds";
            return std::nullopt;
        }
    }
}

} // namespace journal
