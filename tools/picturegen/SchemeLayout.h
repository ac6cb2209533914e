// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Places of the switches on the 687 x 300 schematic of the bench. The drawing
// and the tests that check its blades share them.

#include <array>

namespace picturegen {

struct PixelPoint {
    int x;
    int y;
};

struct SwitchLayout {
    PixelPoint pivot;
    std::array<PixelPoint, 3> contacts;  // by position; unused ones are {0, 0}
    int positions;
};

inline constexpr int kSchemeWidth = 687;
inline constexpr int kSchemeHeight = 300;

inline constexpr SwitchLayout kSwitchK1{{130, 91}, {{{111, 79}, {104, 90}, {112, 103}}}, 3};
inline constexpr SwitchLayout kSwitchK2{{389, 154}, {{{362, 142}, {362, 168}, {0, 0}}}, 2};
inline constexpr SwitchLayout kSwitchK3{{452, 90}, {{{478, 78}, {479, 101}, {0, 0}}}, 2};

inline constexpr double kContactRadius = 3.5;
inline constexpr double kPivotRadius = 3.0;

} // namespace picturegen
