#include "TileArt.h"

#include "ArtKit.h"
#include "PixelLetters.h"

#include <QPainter>

using namespace artkit;

namespace tileart {

namespace {

// Pixel size of the smooth letters of the @2x tiles.
constexpr int LargeLetterSize = 28;

// Every tile file names what it shows in a text chunk, so a check can tell
// that the 1x and @2x files of a holder were not swapped for another's.
QImage emptyTile(int scale, const QString& shows)
{
    QImage image = canvas(Width * scale, Height * scale, BoardGreen);
    image.setText(QStringLiteral("Tile"), shows);
    return image;
}

// The raised body shared by the covered and the letter tiles: a dark outer
// edge on the lower right, then a highlight and a shade ring.
void raisedBody(QPainter& painter, int scale, QColor face, QColor light, QColor shade, QColor edge)
{
    const QRect whole(0, 0, Width * scale, Height * scale);
    painter.fillRect(whole, face);
    bevel(painter, whole, scale, light, edge);
    bevel(painter, whole.adjusted(scale, scale, -scale, -scale), scale, face.lighter(106), shade);
}

} // namespace

QImage blank(int scale)
{
    QImage image = emptyTile(scale, QStringLiteral("blank"));
    QPainter painter(&image);
    // Only the outer ring is shaded, so an empty row reads as slots without
    // competing with the tiles around it.
    bevel(painter, image.rect(), scale, BoardGreenDark, BoardGreenLight);
    return image;
}

QImage covered(int scale)
{
    QImage image = emptyTile(scale, QStringLiteral("covered"));
    QPainter painter(&image);
    raisedBody(painter, scale, BackFace, BackLight, BackShade, QColor(0x08, 0x0c, 0x20));
    // A small lattice of dots, like the back of a playing card.
    const QRect face = image.rect().adjusted(3 * scale, 3 * scale, -3 * scale, -3 * scale);
    for (int y = face.top(); y <= face.bottom(); y += 2 * scale) {
        const int shift = ((y - face.top()) / (2 * scale)) % 2 ? scale : 0;
        for (int x = face.left() + shift; x <= face.right(); x += 2 * scale)
            painter.fillRect(QRect(x, y, scale, scale), BackPattern);
    }
    return image;
}

QImage letter(QChar letter, int scale)
{
    QImage image = emptyTile(scale, QString(letter));
    QPainter painter(&image);
    raisedBody(painter, scale, TileFace, TileLight, TileShade, TileEdge);
    if (scale == 1) {
        // Centred on the face; odd widths lean left, towards the highlight.
        const int left = (Width - pixelletters::width(letter)) / 2;
        const int top = (Height - pixelletters::Height) / 2;
        pixelletters::draw(painter, letter, QPoint(left, top), LetterInk);
    } else {
        // The large "M" and "W" are too wide for the tile in the regular cut.
        const int pixelSize = LargeLetterSize * scale / 2;
        const bool wide = letter == QLatin1Char('M') || letter == QLatin1Char('W');
        const QFont font = wide ? condensedBoldFont(pixelSize) : boldFont(pixelSize);
        drawInkCentred(painter, QString(letter), font, LetterInk,
                       QPointF(Width * scale / 2.0, Height * scale / 2.0));
    }
    return image;
}

} // namespace tileart
