#include "app/TileImage.h"

#include "resources/Pictures.h"

#include <QPainter>

namespace {

QString describe(int holder)
{
    if (holder == pictures::CoveredHolder)
        return QStringLiteral("covered");
    if (holder >= pictures::FirstLetterHolder && holder <= pictures::LastLetterHolder)
        return QString(QChar('A' + holder - pictures::FirstLetterHolder));
    return QStringLiteral("blank");
}

} // namespace

TileImage::TileImage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setAccessibleName(describe(m_holder));
}

void TileImage::setHolder(int holder)
{
    if (holder == m_holder)
        return;
    m_holder = holder;
    setAccessibleName(describe(holder));
    update();
}

QSize TileImage::sizeHint() const { return QSize(20, 18); }

void TileImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), pictures::tile(m_holder, devicePixelRatioF()));
}
