// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A field of a CSV line: as it is, or, when it holds the separator, a quote
// or a line break, between quotes with its quotes doubled.
std::string CsvField(const std::string& field, char separator);
