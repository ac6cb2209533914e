// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <string>
#include <vector>

// Files written as one set, each whole or not at all. Every regular file is
// written in full into a temporary file beside it before the first target
// is replaced, so a failure on the way leaves every old file as it was.
// A name that stands for something other than a regular file is written
// directly, never replaced: a device, a FIFO, a terminal, or a descriptor of
// this process (/dev/stdout, /dev/fd/3), whose redirection (">>" too) is kept.
// A symbolic link to a regular file is followed and its target replaced.
// The program and the sweep save their files through it.
class OutputFiles {
public:
    // What a FIFO that no one reads does to a set.
    enum class UnreadFifo {
        Wait, // its write waits for a reader, or for `stop`
        Fail, // the set fails at once: a window must not hang on it
    };

    explicit OutputFiles(UnreadFifo unread = UnreadFifo::Wait);

    void Add(const QString& path, QByteArray bytes);

    // Writes them all. Returns an error line, or nothing when every file was
    // written. Once `stop` is non-zero, a wait (a FIFO that no one reads) is
    // given up, and a stop that comes before the first file is replaced
    // fails the set (with no files too).
    std::string Write(const std::atomic<int>* stop = nullptr) const;

private:
    struct File {
        QString Path;
        QByteArray Bytes;
    };
    std::string WriteDirectly(const QString& path, const QByteArray& bytes, const std::atomic<int>* stop) const;

    UnreadFifo unread_;
    std::vector<File> files_;
};
