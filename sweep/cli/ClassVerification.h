// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "VerifyCommand.h"

#include <atomic>
#include <iosfwd>

namespace sweep {

// --verify over a class: every journal of the files and folders named (a
// folder's *.csv files, in the order of their names), one line each: its
// seed, its rows and whether every row reproduces, which rows do not, or
// why it is no journal; with a class list, whether it used the seed
// assigned to it. Then a summary, with the class list's students that have
// no journal here. --csv writes the same as a table (to standard output in
// place of the lines for "-"). Returns 0 when every journal reproduces and
// has its assigned seed, 1 otherwise, 2 for a class list or folder that
// cannot be read or no journal at all, 128 + the signal's number when
// interrupted (no file written then).
int VerifyClass(const VerifyRequest& request, std::ostream& out, std::ostream& err, const std::atomic<int>* stop);

} // namespace sweep
