#include "EmblemArt.h"

#include "ArtKit.h"
#include "PixelLetters.h"

#include <QPainter>
#include <QPainterPath>

#include <QLineF>
#include <QList>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace artkit;

namespace emblemart {

namespace {

const QColor LoopGreen(0x1e, 0x8a, 0x48);
const QColor LoopDark(0x0a, 0x3c, 0x1e);

// A letter tile of any size, drawn with the same bevel as the board's tiles.
void miniTile(QPainter& painter, const QRectF& rect, QChar letter, int pixelSize, int edge = 1)
{
    const QRect r = rect.toRect();
    painter.fillRect(r, TileFace);
    bevel(painter, r, edge, TileLight, TileEdge);
    bevel(painter, r.adjusted(edge, edge, -edge, -edge), edge, TileFace, TileShade);
    // Small tiles take the hand-set letters of the board, which stay sharp.
    if (pixelSize < 16) {
        const QPoint corner(r.left() + (r.width() - pixelletters::width(letter)) / 2,
                            r.top() + (r.height() - pixelletters::Height) / 2);
        pixelletters::draw(painter, letter, corner, LetterInk);
        return;
    }
    drawInkCentred(painter, QString(letter), boldFont(pixelSize), LetterInk,
                   QPointF(r.left() + r.width() / 2.0, r.top() + r.height() / 2.0));
}

// Points spaced evenly by arc length around an ellipse, with the direction
// of travel at each, so links of one size close up all the way round.
QList<QPair<QPointF, qreal>> evenlyAround(QPointF centre, qreal rx, qreal ry, int count)
{
    constexpr int Steps = 2000;
    QList<QPointF> path;
    QList<qreal> lengthSoFar{0};
    for (int i = 0; i <= Steps; ++i) {
        const qreal t = 2 * std::numbers::pi * i / Steps;
        path.append(QPointF(centre.x() + rx * std::cos(t), centre.y() + ry * std::sin(t)));
        if (i > 0)
            lengthSoFar.append(lengthSoFar.last() + QLineF(path[i - 1], path[i]).length());
    }
    QList<QPair<QPointF, qreal>> points;
    int at = 0;
    for (int k = 0; k < count; ++k) {
        const qreal wanted = lengthSoFar.last() * k / count;
        while (lengthSoFar[at] < wanted)
            ++at;
        const QPointF next = path[std::min(at + 1, Steps)];
        const qreal angle = std::atan2(next.y() - path[at].y(), next.x() - path[at].x());
        points.append({path[at], angle * 180 / std::numbers::pi});
    }
    return points;
}

// Links set along an ellipse, alternately seen from the face and the edge,
// so the loop reads as a chain closing on itself. `links` must be even.
void chainLoop(QPainter& painter, QPointF centre, qreal rx, qreal ry, int links, qreal size)
{
    const auto points = evenlyAround(centre, rx, ry, links);
    painter.setBrush(Qt::NoBrush);
    for (int pass = 0; pass < 4; ++pass) {
        // Edge-on links first, then the open links over their ends; each
        // in a dark outline and then a lighter core.
        const bool faceOn = pass >= 2;
        const bool core = pass % 2 == 1;
        for (int i = faceOn ? 0 : 1; i < links; i += 2) {
            const QRectF shape = faceOn ? QRectF(-size, -size * 0.6, 2 * size, 1.2 * size)
                                        : QRectF(-size, -size * 0.15, 2 * size, 0.3 * size);
            painter.save();
            painter.translate(points[i].first);
            painter.rotate(points[i].second);
            painter.setPen(core ? QPen(LoopGreen.lighter(faceOn ? 125 : 105), size * 0.28)
                                : QPen(LoopDark, size * 0.6));
            painter.drawRoundedRect(shape, size * 0.5, size * 0.5);
            painter.restore();
        }
    }
}

} // namespace

QImage logo(int scale)
{
    QImage image = canvas(LogoWidth * scale, LogoHeight * scale, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    chainLoop(painter, QPointF(75, 35), 66, 27, 30, 4.2);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.resetTransform();

    const QString word = QStringLiteral("LEXILOOP");
    const int tileW = 15 * scale, tileH = 17 * scale, gap = 1 * scale;
    const int rowWidth = word.size() * tileW + (word.size() - 1) * gap;
    const int left = (image.width() - rowWidth) / 2;
    const int top = (image.height() - tileH) / 2;
    for (int i = 0; i < word.size(); ++i)
        miniTile(painter, QRectF(left + i * (tileW + gap), top, tileW, tileH), word.at(i), 11 * scale);
    return image;
}

QImage icon(int size)
{
    QImage image = canvas(size, size);
    QPainter painter(&image);
    if (size >= 32) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.save();
        painter.scale(size / 32.0, size / 32.0);
        chainLoop(painter, QPointF(16, 16), 12, 12, 8, 4.2);
        painter.restore();
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    // The tile keeps to whole pixels at every size so its bevel stays sharp.
    const int tile = size >= 32 ? size / 2 : size - 2;
    const int offset = (size - tile) / 2;
    miniTile(painter, QRectF(offset, offset, tile, tile + (size >= 32 ? 0 : 1)), QLatin1Char('L'),
             tile * 3 / 4, std::max(1, size / 32));
    return image;
}

} // namespace emblemart
