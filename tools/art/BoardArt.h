#pragma once

#include <QImage>

// The 500 x 250 picture behind the main window's controls: the title strip,
// the framed green word board and the light status board.
namespace boardart {

constexpr int Width = 500;
constexpr int Height = 250;

QImage board(int scale);

} // namespace boardart
