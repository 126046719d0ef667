#include "app/WrapButton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

WrapButton::WrapButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

QRect WrapButton::textArea() const { return rect().adjusted(3, 1, -3, -1); }

QFont WrapButton::fittingFont() const
{
    // Two lines of the window font only just fit a 27-pixel button, so a
    // font with taller lines is made a little smaller instead of cutting
    // the caption.
    QFont font = this->font();
    const QRect area = textArea();
    for (int pixels = QFontInfo(font).pixelSize(); pixels > 7; --pixels) {
        font.setPixelSize(pixels);
        const QRect needed = QFontMetrics(font).boundingRect(area, kTextFlags, text());
        if (needed.height() <= area.height() && needed.width() <= area.width())
            break;
    }
    return font;
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = textArea();
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.setFont(fittingFont());
    painter.drawItemText(area, kTextFlags, palette(), isEnabled(), text(), QPalette::ButtonText);
}

void WrapButton::keyPressEvent(QKeyEvent* event)
{
    // The board is no dialog, so Qt would let Enter pass by a focused
    // button; a keyboard player expects it to press the button as Space does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
