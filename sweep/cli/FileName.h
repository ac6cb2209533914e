// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sweep {

// The bytes of a name as a message shows them: \xff for any but printable ASCII.
std::string Escaped(std::string_view text);

// Why a file name cannot be used, or nothing: its name must survive the way
// to Qt and back unchanged (UTF-8). '\xff.png' would otherwise become
// '\xef\xbf\xbd.png', another file.
std::string NonUtf8NameError(const std::string& path);

} // namespace sweep
