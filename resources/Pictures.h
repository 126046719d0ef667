#pragma once

#include <QIcon>
#include <QPixmap>

// The game's artwork, compiled into the program as Qt resources
// (":/tiles/...", ":/pictures/..."). Every picture has a hand-drawn 1x and
// @2x version; asking for a device pixel ratio above 1 returns the @2x one
// so that tiles stay crisp on scaled screens.
namespace pictures {

// Holders of the tile pictures: 2 is the blank slot, 3 the covered tile and
// 4..29 the letters "A".."Z".
constexpr int BlankHolder = 2;
constexpr int CoveredHolder = 3;
constexpr int FirstLetterHolder = 4;
constexpr int LastLetterHolder = 29;

// Registers the compiled-in resources. The pictures live in a static
// library, so the linker drops them unless somebody asks for them; every
// function below calls this itself, and calling it again does nothing.
void ensureLoaded();

// Holder number of a letter "A".."Z" (either case), or -1 for anything else.
int holderForLetter(QChar letter);

// A 20 x 18 (logical pixels) tile picture; a null pixmap for holders
// outside 2..29.
QPixmap tile(int holder, qreal devicePixelRatio = 1.0);

// The 500 x 250 main-window background.
QPixmap board(qreal devicePixelRatio = 1.0);

// The 150 x 70 logo of the about window.
QPixmap logo(qreal devicePixelRatio = 1.0);

// The window icon, 16, 32 and 64 pixels.
QIcon appIcon();

} // namespace pictures
