#include "help/WindowLook.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace windowlook {

void applyClassicFont(QWidget* window)
{
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    window->setFont(font);
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame counts once the window system has put one around the
    // window; before that the client area is all there is to go by.
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    window->move(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 2);
}

void styleTitleStrip(QLabel* label)
{
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette pale = label->palette();
    pale.setColor(QPalette::Window, QColor(255, 255, 204));
    pale.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pale);
}

} // namespace windowlook
