#include "help/LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    setPalette(linkPalette);
    updateCursor();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Releasing outside the label means the player changed their mind.
    const bool inside = rect().contains(event->position().toPoint());
    if (isEnabled() && inside && event->button() == Qt::LeftButton) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        updateCursor();
    QLabel::changeEvent(event);
}

void LinkLabel::updateCursor()
{
    // A hand over a dead link would promise a click that does nothing.
    if (isEnabled())
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}
