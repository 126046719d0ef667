#pragma once
#include <QFont>

class QLabel;
class QPushButton;
class QRect;
class QWidget;

// Look and placement shared by every window of the game.
namespace windowlook {

// "MS Sans Serif" at the given size, the system sans where it is missing.
QFont sansFont(qreal pointSize, bool bold = false);
// "Courier" where there is one, else the system's fixed-pitch font, so
// columns built of blanks line up.
QFont fixedFont(qreal pointSize);
// The font made just small enough for the text to fit the width, since the
// faces standing in for the designed ones run wider.
QFont fitToWidth(QFont font, const QString& text, int width);

// Every window of the game is designed around "MS Sans Serif" at 8 points;
// where that face is missing the system sans takes its place.
void applyClassicFont(QWidget* window);

// Puts the window in the middle of the primary screen's free area.
void centreOnScreen(QWidget* window);
// Centres the window when it is first shown; bringing an open window
// forward later must not move it from where the player put it.
void centreOnFirstShow(QWidget* window);
// Escape closes the window, as it closes any dialog of the desktop.
void closeOnEscape(QWidget* window);

// A button or label with its design name, caption and place.
QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption, QRect place);
QLabel* namedLabel(QWidget* parent, const char* name, const QString& caption, QRect place);

// A bold title strip on a pale background, as used across the top of the
// about and support windows.
void styleTitleStrip(QLabel* label);

} // namespace windowlook
