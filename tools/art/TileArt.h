#pragma once

#include <QChar>
#include <QImage>

// The 20 x 18 pixel pictures of the word board, drawn at an integer scale
// (1 for the normal pictures, 2 for the @2x ones).
namespace tileart {

constexpr int Width = 20;
constexpr int Height = 18;

// An empty place on the board: a faint hollow in the green felt.
QImage blank(int scale);

// A face-down tile hiding a letter not yet revealed.
QImage covered(int scale);

// A raised light tile carrying one of the letters "A".."Z".
QImage letter(QChar letter, int scale);

} // namespace tileart
