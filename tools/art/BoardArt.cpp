#include "BoardArt.h"

#include "ArtKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using namespace artkit;

namespace boardart {

namespace {

// The places below follow the controls of the main window: the tiles fill
// x 40..275, y 62..211; the counters and play buttons x 336..458, y 58..221.
const QRect TitleBanner(30, 1, 458, 43);
const QRect WordFrame(29, 51, 258, 172);
const QRect WordFelt(35, 57, 246, 160);
const QRect StatusPanel(330, 51, 132, 175);

const QColor Silver(0xc0, 0xc0, 0xc0);
const QColor Grey(0x80, 0x80, 0x80);
const QColor Wood(0x86, 0x52, 0x24);
const QColor WoodLight(0xc8, 0x90, 0x52);
const QColor WoodDark(0x42, 0x24, 0x0c);
const QColor PanelFace(0xe6, 0xe2, 0xd2);

void background(QPainter& painter)
{
    painter.fillRect(QRect(0, 0, Width, Height), Silver);
    // A sparse weave, the kind of texture a 256-colour desktop could afford.
    for (int y = 0; y < Height; y += 2)
        for (int x = (y / 2) % 2 * 2; x < Width; x += 4)
            painter.fillRect(QRect(x, y, 1, 1), QColor(0xb4, 0xb4, 0xb4));
}

// Banded rather than smooth, as the palette of the day would have shown it.
void bandedFill(QPainter& painter, const QRect& rect, QColor top, QColor bottom, int bands)
{
    for (int i = 0; i < bands; ++i) {
        const int y0 = rect.top() + rect.height() * i / bands;
        const int y1 = rect.top() + rect.height() * (i + 1) / bands;
        const qreal t = bands > 1 ? qreal(i) / (bands - 1) : 0;
        const QColor c = QColor::fromRgbF(top.redF() + (bottom.redF() - top.redF()) * t,
                                          top.greenF() + (bottom.greenF() - top.greenF()) * t,
                                          top.blueF() + (bottom.blueF() - top.blueF()) * t);
        painter.fillRect(QRect(rect.left(), y0, rect.width(), y1 - y0), c);
    }
}

// One link of a chain seen from the side: alternate links are seen face-on
// (an open oval) and edge-on (a flat bar), which is what makes a row of them
// read as a chain.
void chainLink(QPainter& painter, QPointF centre, qreal angle, bool faceOn, QColor metal,
               qreal length = 14)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.setBrush(Qt::NoBrush);
    const qreal width = faceOn ? length * 0.62 : length * 0.22;
    const QRectF shape(-length / 2, -width / 2, length, width);
    const qreal round = std::min(width, length) / 2;
    painter.setPen(QPen(metal.darker(300), length * 0.24));
    painter.drawRoundedRect(shape, round, round);
    painter.setPen(QPen(metal, length * 0.12));
    painter.drawRoundedRect(shape, round, round);
    // A glint on the upper edge.
    painter.setPen(QPen(metal.lighter(140), length * 0.05));
    painter.drawLine(QPointF(-length * 0.2, -width / 2), QPointF(length * 0.1, -width / 2));
    painter.restore();
}

// A horizontal or vertical run of links, centres `step` apart.
void chain(QPainter& painter, QPointF first, QPointF step, int links, QColor metal, qreal length)
{
    const qreal angle = step.y() != 0 ? 90 : 0;
    // Edge-on links first, so the open links lie over their ends.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = pass == 0 ? 1 : 0; i < links; i += 2)
            chainLink(painter, first + step * i, angle, pass == 1, metal, length);
}

void titleBanner(QPainter& painter)
{
    painter.fillRect(TitleBanner, Qt::black);
    const QRect inner = TitleBanner.adjusted(1, 1, -1, -1);
    bandedFill(painter, inner, QColor(0x24, 0x3c, 0x9c), Navy, 8);
    bevel(painter, inner, 2, QColor(0x9c, 0xb0, 0xf0), QColor(0x08, 0x0c, 0x30));

    painter.setRenderHint(QPainter::Antialiasing);
    chain(painter, QPointF(52, 22.5), QPointF(13, 0), 5, Gold, 16);
    chain(painter, QPointF(414, 22.5), QPointF(13, 0), 5, Gold, 16);

    QFont font = boldFont(30);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 7);
    const QString title = QStringLiteral("LEXILOOP");
    const QFontMetricsF metrics(font);
    const qreal x = inner.center().x() + 0.5 - (metrics.horizontalAdvance(title) - 7) / 2;
    const qreal baseline = inner.center().y() + 0.5 + metrics.capHeight() / 2;
    QPainterPath text;
    text.addText(QPointF(x, baseline), font, title);

    painter.fillPath(text.translated(2.5, 2.5), QColor(0x04, 0x06, 0x18));
    QLinearGradient shine(0, baseline - metrics.capHeight(), 0, baseline);
    shine.setColorAt(0, QColor(0xff, 0xf4, 0xa0));
    shine.setColorAt(0.55, Gold);
    shine.setColorAt(1, GoldDark);
    painter.setPen(QPen(QColor(0x40, 0x24, 0x00), 1.2));
    painter.setBrush(shine);
    painter.drawPath(text);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void wordBoard(QPainter& painter)
{
    painter.fillRect(WordFrame, Wood);
    painter.fillRect(WordFrame.adjusted(0, 0, 0, 0), Wood);
    bevel(painter, WordFrame, 1, WoodLight, Qt::black);
    bevel(painter, WordFrame.adjusted(1, 1, -1, -1), 1, WoodLight.lighter(110), WoodDark);
    // Grain: a few darker streaks along the frame.
    for (int y = WordFrame.top() + 3; y < WordFrame.bottom() - 2; y += 3)
        painter.fillRect(QRect(WordFrame.left() + 2, y, 3, 1), Wood.darker(115));
    bevel(painter, WordFelt.adjusted(-1, -1, 1, 1), 1, WoodDark, WoodLight);
    painter.fillRect(WordFelt, BoardGreen);
    bevel(painter, WordFelt, 1, BoardGreenDark, BoardGreen);
}

void statusBoard(QPainter& painter)
{
    painter.fillRect(StatusPanel, PanelFace);
    bevel(painter, StatusPanel, 1, Qt::white, Qt::black);
    bevel(painter, StatusPanel.adjusted(1, 1, -1, -1), 1, PanelFace.lighter(104), Grey);
    // An etched rule between the counters and the play buttons.
    painter.fillRect(QRect(StatusPanel.left() + 6, 97, StatusPanel.width() - 12, 1), Grey);
    painter.fillRect(QRect(StatusPanel.left() + 6, 98, StatusPanel.width() - 12, 1), Qt::white);
}

// A short chain hanging between the two boards, the game's loop motif.
void linkingChain(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor steel(0xd8, 0xd8, 0xe0);
    chain(painter, QPointF(308, 62), QPointF(0, 12.5), 13, steel, 16);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace

QImage board(int scale)
{
    QImage image = canvas(Width * scale, Height * scale, Qt::black);
    QPainter painter(&image);
    painter.scale(scale, scale);
    background(painter);
    titleBanner(painter);
    wordBoard(painter);
    statusBoard(painter);
    linkingChain(painter);
    return image;
}

} // namespace boardart
