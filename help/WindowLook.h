#pragma once

class QLabel;
class QWidget;

// Look and placement shared by the small information windows.
namespace windowlook {

// Every window of the game is designed around "MS Sans Serif" at 8 points;
// where that face is missing the system sans takes its place.
void applyClassicFont(QWidget* window);

// Puts the window in the middle of the primary screen's free area.
void centreOnScreen(QWidget* window);

// A bold title strip on a pale background, as used across the top of the
// about and support windows.
void styleTitleStrip(QLabel* label);

} // namespace windowlook
