#pragma once

#include <QChar>
#include <QColor>
#include <QPoint>

class QPainter;

// Hand-set capitals for the 1x tiles. At ten pixels high no outline font
// keeps even two-pixel strokes, so these are drawn pixel by pixel.
namespace pixelletters {

constexpr int Height = 10;

// Width of the letter's grid (7..10), or 0 for anything but "A".."Z".
int width(QChar letter);

// Draws the letter with its grid's top-left corner at `topLeft`.
void draw(QPainter& painter, QChar letter, QPoint topLeft, QColor ink);

} // namespace pixelletters
