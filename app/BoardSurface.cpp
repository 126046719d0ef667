#include "app/BoardSurface.h"

#include "resources/Pictures.h"
#include "ui/Twips.h"

#include <QPainter>

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent)
{
    setFixedSize(twipsSize(7485, 4095));
    setAutoFillBackground(true);
}

void BoardSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(QRect(0, 0, 500, 250), pictures::board(devicePixelRatioF()));
}
