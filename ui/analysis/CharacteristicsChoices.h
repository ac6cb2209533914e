// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

// What the window «Характеристики» keeps between runs of the program, from
// the last sweep it built: what it drew, the event, the range and the
// trials. The shapes and K come from the bench each time, and the seed is
// new each time.
struct CharacteristicsChoices {
    int Drawing = 0;  // the index of «Что построить»
    int Event = 0;    // the experiment of «Событие» (theory::Experiment)
    double From = 0.0;
    double To = 0.0;
    double Step = 0.0;
    int32_t Trials = 0;
};

// The choices kept, or nothing when none are (or they cannot be read).
std::optional<CharacteristicsChoices> RememberedCharacteristicsChoices();
void RememberCharacteristicsChoices(const CharacteristicsChoices& choices);
