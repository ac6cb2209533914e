// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvField.h"

std::string CsvField(const std::string& field, char separator)
{
    if (field.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}
