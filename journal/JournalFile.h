// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace journal {

// Larger files are refused unread: a journal of the most rows is far smaller.
inline constexpr std::size_t MaxJournalBytes = 64u << 20;

// The whole text of a journal file, or why it cannot be read (in English, as
// detector-lab-sweep speaks): a folder, a FIFO, a device or anything else
// that is not a regular file is refused at once, without waiting on it.
std::optional<std::string> ReadJournalFile(const std::string& path, std::string& error);

} // namespace journal
