#pragma once
#include <QFont>

class QWidget;

// Fonts and placement shared by the player dialog and the scores window.
namespace playerslook {

// "MS Sans Serif" at the given size, the system sans where it is missing.
QFont sansFont(qreal pointSize, bool bold);
// "Courier" where there is one, else the system's fixed-pitch font, so the
// space-built columns of the scores table line up.
QFont fixedFont(qreal pointSize);
// Puts the window in the middle of the primary screen's free area.
void centreOnScreen(QWidget* window);

} // namespace playerslook
