// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The field's messages, UTF-8.
namespace EditFloatMessages {

inline constexpr const char* kMaxBelowMin = "TEditInt: Максимальное значение должно быть больше минимального.";
inline constexpr const char* kMinAboveMax = "TEditInt: Минимальное значение должно быть меньше максимального.";
inline constexpr const char* kBelowMinCorrected =
    "Введённое значение параметра меньше минимально-допустимого.\n Произведена коррекция.";
inline constexpr const char* kBelowMinRestored =
    "Введённое значение параметра меньше минимально-допустимого.\n Прежнее значение параметра восстановлено.";
inline constexpr const char* kAboveMaxCorrected =
    "Введённое значение параметра больше максимально-допустимого.\n Произведена коррекция.";
inline constexpr const char* kAboveMaxRestored =
    "Введённое значение параметра больше максимально-допустимого.\n Прежнее значение параметра восстановлено.";
inline constexpr const char* kNoNumberCorrected =
    "Строка ввода имеет некорректный формат или пуста. \n Произведена коррекция.";
inline constexpr const char* kNoNumberRestored =
    "Строка ввода имеет некорректный формат или пуста. \n Значение параметра восстановлено.";

}  // namespace EditFloatMessages
