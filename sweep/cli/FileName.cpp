// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileName.h"

#include <QByteArray>
#include <QFile>

#include <cstdio>

namespace sweep {

std::string Escaped(std::string_view text)
{
    std::string shown;
    for (unsigned char c : text) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        shown += c >= 0x20 && c < 0x7f ? std::string(1, static_cast<char>(c)) : hex;
    }
    return shown;
}

std::string NonUtf8NameError(const std::string& path)
{
    const QByteArray bytes = QByteArray::fromStdString(path);
    if (QFile::encodeName(QFile::decodeName(bytes)) == bytes)
        return {};
    return "the file name '" + Escaped(path) + "' is not UTF-8 text; choose a UTF-8 name";
}

} // namespace sweep
