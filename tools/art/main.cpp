// makeart: draws the game's pictures and writes them as PNG files.
//
// The pictures are checked in, so the game builds without this tool. After
// changing the artwork, regenerate them from the repository root with
//
//   cmake --build build --target makeart
//   QT_QPA_PLATFORM=offscreen build/tools/art/makeart resources
//
// The output depends only on this code and the DejaVu fonts, so running it
// twice gives the same files.

#include "ArtKit.h"
#include "BoardArt.h"
#include "EmblemArt.h"
#include "TileArt.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

bool writePair(const QString& base, QImage (*draw)(int))
{
    return artkit::save(draw(1), base + QStringLiteral(".png"))
        && artkit::save(draw(2), base + QStringLiteral("@2x.png"));
}

bool writeTiles(const QString& folder)
{
    bool ok = writePair(folder + QStringLiteral("/blank"), tileart::blank)
        && writePair(folder + QStringLiteral("/covered"), tileart::covered);
    for (char c = 'A'; c <= 'Z'; ++c) {
        const QString base = folder + QLatin1Char('/') + QLatin1Char(c);
        ok = ok && artkit::save(tileart::letter(QLatin1Char(c), 1), base + QStringLiteral(".png"))
            && artkit::save(tileart::letter(QLatin1Char(c), 2), base + QStringLiteral("@2x.png"));
    }
    return ok;
}

bool writePictures(const QString& folder)
{
    return writePair(folder + QStringLiteral("/board"), boardart::board)
        && writePair(folder + QStringLiteral("/logo"), emblemart::logo)
        && artkit::save(emblemart::icon(16), folder + QStringLiteral("/icon16.png"))
        && artkit::save(emblemart::icon(32), folder + QStringLiteral("/icon.png"))
        && artkit::save(emblemart::icon(64), folder + QStringLiteral("/icon64.png"));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: makeart <resources folder>\n");
        return 2;
    }
    const QString root = args.at(1);
    if (!writeTiles(root + QStringLiteral("/tiles")) || !writePictures(root + QStringLiteral("/pictures"))) {
        std::fprintf(stderr, "makeart: could not write the pictures under %s\n", qPrintable(root));
        return 1;
    }
    return 0;
}
