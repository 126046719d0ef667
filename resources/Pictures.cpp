#include "resources/Pictures.h"

#include <QString>

// Q_INIT_RESOURCE declares a function, so it has to be used outside any
// namespace.
static void initPictureResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace pictures {

namespace {

const char* const TileNames[] = {"blank", "covered"};

// Loads ":/<folder>/<name>.png" or its @2x sibling; the ratio is set by hand
// so that the logical size is the same whichever file was taken.
QPixmap loadScaled(const QString& folder, const QString& name, qreal devicePixelRatio)
{
    ensureLoaded();
    const bool doubled = devicePixelRatio > 1.0;
    const QString path = QStringLiteral(":/%1/%2%3.png")
                             .arg(folder, name, doubled ? QStringLiteral("@2x") : QString());
    QPixmap pixmap(path);
    pixmap.setDevicePixelRatio(doubled ? 2.0 : 1.0);
    return pixmap;
}

} // namespace

void ensureLoaded()
{
    static const bool loaded = [] {
        initPictureResources();
        return true;
    }();
    (void)loaded;
}

int holderForLetter(QChar letter)
{
    const QChar upper = letter.toUpper();
    if (upper < QLatin1Char('A') || upper > QLatin1Char('Z'))
        return -1;
    return FirstLetterHolder + (upper.unicode() - 'A');
}

QPixmap tile(int holder, qreal devicePixelRatio)
{
    QString name;
    if (holder == BlankHolder || holder == CoveredHolder)
        name = QString::fromLatin1(TileNames[holder - BlankHolder]);
    else if (holder >= FirstLetterHolder && holder <= LastLetterHolder)
        name = QChar(u'A' + (holder - FirstLetterHolder));
    else
        return {};
    return loadScaled(QStringLiteral("tiles"), name, devicePixelRatio);
}

QPixmap board(qreal devicePixelRatio)
{
    return loadScaled(QStringLiteral("pictures"), QStringLiteral("board"), devicePixelRatio);
}

QPixmap logo(qreal devicePixelRatio)
{
    return loadScaled(QStringLiteral("pictures"), QStringLiteral("logo"), devicePixelRatio);
}

QIcon appIcon()
{
    ensureLoaded();
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/icon16.png"));
    icon.addFile(QStringLiteral(":/pictures/icon.png"));
    icon.addFile(QStringLiteral(":/pictures/icon64.png"));
    return icon;
}

} // namespace pictures
