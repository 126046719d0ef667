#include "help/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    setPalette(linkPalette);
    // Tab reaches the links as it reaches buttons; a switched-off link
    // drops out of the tab chain by itself.
    setFocusPolicy(Qt::StrongFocus);
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

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A keyboard player must see which link Enter will open.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect();
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
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
