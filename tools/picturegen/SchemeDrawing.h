// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The schematic of the bench, black on white, with the blades of K1, K2 and K3
// in the given 1-based positions, its blocks named in the language given.

#include "common/language/Language.h"

#include <QImage>

namespace picturegen {

QImage DrawScheme(int k1, int k2, int k3, Language language);

} // namespace picturegen
