#include "resources/Pictures.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>


namespace {

using namespace pictures;

QImage rgb(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

void expectLogicalSize(const QPixmap& pixmap, QSize logical, qreal ratio)
{
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.size(), logical * ratio);
    EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), ratio);
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), logical);
}

TEST(Pictures, everyHolderHasBothSizes)
{
    for (int holder = BlankHolder; holder <= LastLetterHolder; ++holder) {
        SCOPED_TRACE(holder);
        expectLogicalSize(tile(holder, 1.0), QSize(20, 18), 1.0);
        expectLogicalSize(tile(holder, 2.0), QSize(20, 18), 2.0);
    }
}

TEST(Pictures, fractionalScalesTakeTheSharperPicture)
{
    expectLogicalSize(tile(FirstLetterHolder, 1.5), QSize(20, 18), 2.0);
    expectLogicalSize(tile(FirstLetterHolder, 0.5), QSize(20, 18), 1.0);
}

TEST(Pictures, holdersOutsideTheTableGiveNothing)
{
    EXPECT_TRUE(tile(0, 1.0).isNull());
    EXPECT_TRUE(tile(1, 1.0).isNull());
    EXPECT_TRUE(tile(30, 1.0).isNull());
    EXPECT_TRUE(tile(-4, 2.0).isNull());
}

TEST(Pictures, allTwentyEightTilesAreDifferent)
{
    for (qreal ratio : {1.0, 2.0}) {
        QList<QImage> images;
        for (int holder = BlankHolder; holder <= LastLetterHolder; ++holder)
            images.append(rgb(tile(holder, ratio)));
        for (int i = 0; i < images.size(); ++i)
            for (int j = i + 1; j < images.size(); ++j)
                EXPECT_NE(images[i], images[j]) << "holders " << i + 2 << " and " << j + 2;
    }
}

// A mixed-up alias would show, say, "B" at 200% where "A" is shown at 100%.
// Each file names its picture in a text chunk written when it was drawn.
TEST(Pictures, bothSizesOfAHolderShowTheSamePicture)
{
    const QStringList names = {QStringLiteral("blank"), QStringLiteral("covered")};
    for (int holder = BlankHolder; holder <= LastLetterHolder; ++holder) {
        const QString shows = holder < FirstLetterHolder
            ? names.at(holder - BlankHolder)
            : QString(QChar(u'A' + holder - FirstLetterHolder));
        const QString base = QStringLiteral(":/tiles/") + shows;
        const QImage single(base + QStringLiteral(".png"));
        const QImage doubled(base + QStringLiteral("@2x.png"));
        EXPECT_EQ(single.text(QStringLiteral("Tile")), shows);
        EXPECT_EQ(doubled.text(QStringLiteral("Tile")), shows);
        EXPECT_EQ(rgb(tile(holder, 1.0)), single.convertToFormat(QImage::Format_RGB32)) << holder;
        EXPECT_EQ(rgb(tile(holder, 2.0)), doubled.convertToFormat(QImage::Format_RGB32)) << holder;
    }
}

TEST(Pictures, lettersMapToTheirHolders)
{
    EXPECT_EQ(holderForLetter(QLatin1Char('A')), 4);
    EXPECT_EQ(holderForLetter(QLatin1Char('a')), 4);
    EXPECT_EQ(holderForLetter(QLatin1Char('M')), 16);
    EXPECT_EQ(holderForLetter(QLatin1Char('q')), 20);
    EXPECT_EQ(holderForLetter(QLatin1Char('Z')), 29);
    for (char16_t other : {u' ', u'?', u'0', u'@', u'[', u'`', u'{', u'\u00c9'})
        EXPECT_EQ(holderForLetter(QChar(other)), -1) << int(other);
}

TEST(Pictures, windowPicturesHaveTheirDesignSizes)
{
    for (qreal ratio : {1.0, 2.0}) {
        expectLogicalSize(board(ratio), QSize(500, 250), ratio);
        expectLogicalSize(logo(ratio), QSize(150, 70), ratio);
    }
    const QIcon icon = appIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(64, 64)));
}

// Empty places must sit on the board's felt without a visible seam, at
// every tile place and at both sizes.
TEST(Pictures, blankTilesBlendWithTheBoard)
{
    for (qreal ratio : {1.0, 2.0}) {
        const QImage background = rgb(board(ratio));
        const QImage blank = rgb(tile(BlankHolder, ratio));
        const QPoint middle(blank.width() / 2, blank.height() / 2);
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 10; ++c) {
                const QPoint place = QPoint(40 + 24 * c, 62 + 22 * r) * ratio + middle;
                EXPECT_EQ(background.pixel(place), blank.pixel(middle)) << r << "," << c;
            }
    }
}

TEST(Pictures, loadingTwiceIsHarmless)
{
    ensureLoaded();
    ensureLoaded();
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/tiles/A@2x.png")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/pictures/icon.png")));
}

} // namespace
