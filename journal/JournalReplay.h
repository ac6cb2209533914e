// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JournalCsv.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

class DetectorBench;

namespace journal {

// What replaying one row of a journal found.
struct RowCheck {
    size_t Line = 0;         // the row's line in the file
    bool Reproduces = false;
    std::string Difference;  // what the bench gives instead; empty when it reproduces
    // The row differs only where its numbers are the bench's rounded, as a
    // spreadsheet saves them (Difference says where).
    bool Rounded = false;
};

// Replays a journal on a bench of its own, built with the journal's seed:
// every row in the file's order, refused ones too, with its settings. A row
// reproduces when it stands at its number's place, the bench publishes its
// reading (to the bit), trials and counter, and the exercise, frequency,
// interval, theory and verdict read as the bench's result gives them (in
// the file's own form and language, at full precision or with trailing
// zeros dropped). A
// row
// whose K or H is not finite (the fields refuse such values) does not
// reproduce, and is not run. Once `stop` is non-zero the replay ends after
// the row in hand, with the checks of the rows replayed.
std::vector<RowCheck> ReplayJournal(const ReadJournal& journal, const std::atomic<int>* stop = nullptr);

// Replays one row, the `place`-th of its journal, standing on `line` of its
// file with `fileCells` (worded in `wording`), on the bench the rows before
// it have left.
RowCheck ReplayRow(const JournalRow& row, const Cells& fileCells, int64_t place, size_t line, DetectorBench& bench,
    Language wording = Language::Russian);

// Where a replay on a bench of the caller's ends.
enum class ReplayEnd { AfterTheLastRow, AtTheFirstDifference };

// The same on `bench`, which the caller has built with the journal's seed:
// it is left as the rows replayed leave it, so that a session taken on goes
// on from there.
std::vector<RowCheck> ReplayJournal(const ReadJournal& journal, DetectorBench& bench, ReplayEnd end,
    const std::atomic<int>* stop = nullptr);

} // namespace journal
