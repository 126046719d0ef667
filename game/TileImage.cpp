#include "game/TileImage.h"

#include "game/TileRules.h"
#include "resources/Pictures.h"

#include <QPainter>

namespace {

QString describe(int holder)
{
    if (holder == kCoveredHolder)
        return QStringLiteral("covered");
    if (holder >= kFirstLetterHolder && holder < kFirstLetterHolder + 26)
        return QString(QChar('A' + holder - kFirstLetterHolder));
    return QStringLiteral("blank");
}

} // namespace

TileImage::TileImage(int index, QWidget* parent) : QWidget(parent), m_index(index)
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
