#include "ArtKit.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>

#include <cmath>

namespace artkit {

namespace {

QString loadFamily(const QString& file)
{
    const int id = QFontDatabase::addApplicationFont(file);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        qFatal("makeart: cannot load font %s", qPrintable(file));
    return families.first();
}

QFont makeFont(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QRect inkBounds(const QImage& image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 64)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool isOpaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}

} // namespace

QImage canvas(int width, int height, QColor fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void bevel(QPainter& painter, const QRect& rect, int width, QColor topLeft, QColor bottomRight)
{
    for (int i = 0; i < width; ++i) {
        const QRect r = rect.adjusted(i, i, -i, -i);
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
        painter.fillRect(QRect(r.left() + 1, r.bottom(), r.width() - 1, 1), bottomRight);
        painter.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 1), bottomRight);
    }
}

QFont boldFont(int pixelSize)
{
    static const QString family =
        loadFamily(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
    return makeFont(family, pixelSize);
}

QFont condensedBoldFont(int pixelSize)
{
    static const QString family = loadFamily(
        QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"));
    return makeFont(family, pixelSize);
}

namespace {

QImage renderText(const QString& text, const QFont& font, QColor colour)
{
    const QFontMetrics metrics(font);
    const int pad = metrics.height();
    QImage glyphs = canvas(metrics.horizontalAdvance(text) + 2 * pad, 3 * pad);
    QPainter p(&glyphs);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPoint(pad, pad + metrics.ascent()), text);
    return glyphs;
}

QPoint centredCorner(QPointF centre, QSize size)
{
    // Whole-pixel offsets keep the glyph edges on the pixel grid.
    return QPoint(int(std::floor(centre.x() - size.width() / 2.0 + 0.5)),
                  int(std::floor(centre.y() - size.height() / 2.0 + 0.5)));
}

} // namespace

void drawInkCentred(QPainter& painter, const QString& text, const QFont& font, QColor colour,
                    QPointF centre)
{
    const QImage glyphs = renderText(text, font, colour);
    const QRect ink = inkBounds(glyphs);
    if (!ink.isNull())
        painter.drawImage(centredCorner(centre, ink.size()), glyphs, ink);
}

bool save(const QImage& image, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Opaque pictures are stored without an alpha channel, which keeps the
    // files small and lets them load as plain RGB pixmaps.
    const QImage out = isOpaque(image) ? image.convertToFormat(QImage::Format_RGB32)
                                       : image.convertToFormat(QImage::Format_ARGB32);
    return out.save(path, "PNG");
}

} // namespace artkit
