// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures that the program carries inside itself: schematics of the bench,
// test-signal plots, the splash picture, menu glyphs and the program icon.

#include "common/language/Language.h"

#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

// Resource paths of the embedded pictures (Qt resource system). The
// schematics and the splash carry words, and are drawn in each language the
// program speaks; the signal pictures carry only axes and units, one set.
// 1-based positions: K1 1..3, K2 1..2, K3 1..2; an empty QString outside.
QString SchemePicturePath(int k1, int k2, int k3, Language language = Language::Russian);
QString SignalPicturePath(int group, int shape);  // group 1 or 2, shape 1..4; empty outside
QString SplashPicturePath(Language language = Language::Russian);

enum class MenuGlyph { Copy, Save, Exit, Switches, Signals, Measure };
// The glyph with its field (the colour of its lower-left pixel) transparent,
// decoded the first time it is drawn. Icons need the application object to exist.
QIcon MenuGlyphIcon(MenuGlyph glyph);
QString MenuGlyphPath(MenuGlyph glyph);

// The window's icon at every size it carries (ApplicationIconPngPaths).
QIcon ApplicationIcon();
QString ApplicationIconPath();       // the 32 x 32 ICO
QString ApplicationIconPngPath();    // the 48 x 48 PNG (also installed for the desktop)
QString ApplicationIconPng32Path();  // the ICO's pixels as a PNG (also installed for the desktop)
// The PNGs of 16, 24, 32, 48, 64 and 128 pixels: a panel, a task switcher
// and a window's title each take the size they draw at.
QStringList ApplicationIconPngPaths();

// Decodes an embedded picture: JPEG through libjpeg, a 24-bit BMP by
// DecodeBmp24, the rest through Qt.
// A null QImage when the resource is missing or corrupt.
QImage LoadPicture(const QString& path);

// Finds the JPEGs and 24-bit BMPs among `paths` now, on the calling thread
// (others are left alone), and returns the work of decoding them, which
// touches nothing of Qt: it may run on any thread, also while the
// application object is being built. LoadPicture then hands each of them out
// once, on the thread that uses Qt.
std::function<void()> DecodingAhead(const QStringList& paths);
