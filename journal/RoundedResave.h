// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JournalReplay.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace journal {

// How a number in a journal's file (with a decimal point) stands to the
// value the bench gives: the same (as the program writes it, at full
// precision, or with trailing zeros dropped), that value rounded to the
// file's decimals as a spreadsheet saves it (a plain decimal of at most 15
// significant digits), or another number. `written` is the text the
// program's own file holds for `exact`.
enum class NumberMatch { Same, Rounded, Different };
NumberMatch MatchNumber(std::string_view file, double exact, std::string_view written);

// Why a journal is refused when its rows differ from the bench only where a
// spreadsheet rounded their numbers: one line naming the first such place
// and where the laboratory program keeps the original. Nothing when no row
// was rounded, or when a row differs otherwise too (the report tells that).
std::optional<std::string> RoundedResaveError(const std::vector<RowCheck>& checks);

} // namespace journal
