// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

#include <functional>

// An icon made the first time it is drawn, measured or asked whether it is
// empty: menus are built at start-up, but their icons are seen only when a
// menu opens. Until then it costs no decoding. Copies share what is made.
QIcon DeferredIcon(std::function<QIcon()> make);
