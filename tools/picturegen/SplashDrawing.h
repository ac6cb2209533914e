// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 400 x 300 splash picture: yellow on steel blue, its words in the
// language given.

#include "common/language/Language.h"

#include <QColor>
#include <QImage>

namespace picturegen {

inline constexpr int kSplashWidth = 400;
inline constexpr int kSplashHeight = 300;
inline const QColor kSplashField(58, 110, 165);
inline const QColor kSplashInk(255, 255, 0);

QImage DrawSplash(Language language);

} // namespace picturegen
