// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/language/Translatable.h"

// The field's messages, UTF-8, Russian; the field shows them translated.
namespace EditFloatMessages {

inline constexpr const char* kMaxBelowMin =
    DL_TRANSLATABLE("EditFloatMessages", "TEditInt: Максимальное значение должно быть больше минимального.");
inline constexpr const char* kMinAboveMax =
    DL_TRANSLATABLE("EditFloatMessages", "TEditInt: Минимальное значение должно быть меньше максимального.");
inline constexpr const char* kBelowMinCorrected = DL_TRANSLATABLE("EditFloatMessages",
    "Введённое значение параметра меньше минимально-допустимого.\n Произведена коррекция.");
inline constexpr const char* kBelowMinRestored = DL_TRANSLATABLE("EditFloatMessages",
    "Введённое значение параметра меньше минимально-допустимого.\n Прежнее значение параметра восстановлено.");
inline constexpr const char* kAboveMaxCorrected = DL_TRANSLATABLE("EditFloatMessages",
    "Введённое значение параметра больше максимально-допустимого.\n Произведена коррекция.");
inline constexpr const char* kAboveMaxRestored = DL_TRANSLATABLE("EditFloatMessages",
    "Введённое значение параметра больше максимально-допустимого.\n Прежнее значение параметра восстановлено.");
inline constexpr const char* kNoNumberCorrected = DL_TRANSLATABLE("EditFloatMessages",
    "Строка ввода имеет некорректный формат или пуста. \n Произведена коррекция.");
inline constexpr const char* kNoNumberRestored = DL_TRANSLATABLE("EditFloatMessages",
    "Строка ввода имеет некорректный формат или пуста. \n Значение параметра восстановлено.");

}  // namespace EditFloatMessages
