// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A file that grows only by appending, written only while it is still the
// file it was made or taken on as: every write opens the name without
// following a symbolic link and compares the device, inode, change time and
// size with those the session's own last write left. A file swapped in
// under the name, a link, or the file changed by another program is never
// written.
// Each write reaches the disk (fdatasync) before it returns; what a write
// that failed halfway left is taken back before the next one, so that the
// file grows by whole lines.
class AppendedFile {
public:
    enum class Outcome {
        Written,
        Exists,   // Create: the name is taken already
        Replaced, // another file, a link or nothing stands under the name now
        Failed,   // the folder or the disk refused
    };

    // Creates the file under a name no file has, with its first bytes.
    Outcome Create(const std::string& path, std::string_view bytes);
    // Takes on an existing regular file, cut back to its first `keptBytes`
    // bytes (a torn last line dropped).
    Outcome Adopt(const std::string& path, uint64_t keptBytes);
    Outcome Append(std::string_view bytes);

    const std::string& Path() const { return path_; }

private:
    // What the file looked like after the session's own last write: another
    // file under the name, even one given the same inode after the
    // session's file was removed, or any change by another program, differs
    // in one of these.
    struct Seen {
        uint64_t Device = 0;
        uint64_t Inode = 0;
        int64_t ChangedSeconds = 0;
        int64_t ChangedNanoseconds = 0;
        uint64_t Size = 0;

        bool operator==(const Seen&) const = default;
    };
    static std::optional<Seen> SeenOf(int descriptor);

    std::string path_;
    std::optional<Seen> seen_;
    // The whole lines the file holds: a failed write is taken back to here.
    uint64_t size_ = 0;
};
