#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

// Shared palette and drawing helpers of the art generator. Everything is
// drawn in device pixels with an integer scale (1 or 2) so that both sizes
// are crisp instead of one being resampled from the other.
namespace artkit {

// The felt of the word board; the blank tile has to match it exactly.
inline const QColor BoardGreen{0x17, 0x6b, 0x3a};
inline const QColor BoardGreenDark{0x0c, 0x47, 0x25};
inline const QColor BoardGreenLight{0x3d, 0x8f, 0x5a};

inline const QColor TileFace{0xf3, 0xea, 0xcc};
inline const QColor TileLight{0xff, 0xff, 0xf4};
inline const QColor TileShade{0xb5, 0xa5, 0x78};
inline const QColor TileEdge{0x3a, 0x30, 0x1c};
inline const QColor LetterInk{0x1c, 0x1c, 0x38};

inline const QColor BackFace{0x2c, 0x4c, 0x94};
inline const QColor BackLight{0x7a, 0x9a, 0xdc};
inline const QColor BackShade{0x16, 0x28, 0x58};
inline const QColor BackPattern{0x3d, 0x60, 0xae};

inline const QColor Navy{0x10, 0x1c, 0x5c};
inline const QColor Gold{0xff, 0xd2, 0x30};
inline const QColor GoldDark{0xb0, 0x78, 0x10};

// A blank image of the given size; the format is fixed so that the output
// bytes do not depend on the platform's preferred format.
QImage canvas(int width, int height, QColor fill = Qt::transparent);

// Raised (light top-left, dark bottom-right) or sunken frame `width` pixels
// thick along the inside of `rect`.
void bevel(QPainter& painter, const QRect& rect, int width, QColor topLeft, QColor bottomRight);

// DejaVu Sans Bold loaded from its file, so no font substitution can change
// the pictures.
QFont boldFont(int pixelSize);
QFont condensedBoldFont(int pixelSize);

// Draws `text` so that its inked pixels are centred on `centre`. The glyphs
// are rendered once off-screen to measure the real ink, which centres
// letters like "J" or "Q" by what the eye sees rather than by their metrics.
void drawInkCentred(QPainter& painter, const QString& text, const QFont& font, QColor colour,
                    QPointF centre);

// Writes the image as PNG, creating folders as needed; false on failure.
bool save(const QImage& image, const QString& path);

} // namespace artkit
