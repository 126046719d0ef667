#include "ui/WindowLook.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace windowlook {

namespace {

// Watches one window for its first Show event, centres it before it is
// painted, and then removes itself.
class CentreOnce : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            centreOnScreen(static_cast<QWidget*>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

// Closes the window it watches when Escape reaches it: pressed on the
// window itself, or on a control that has no use for the key.
class CloseOnEscape : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress
            || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        static_cast<QWidget*>(watched)->close();
        return true;
    }
};

} // namespace

QFont sansFont(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont fixedFont(qreal pointSize)
{
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    if (QFontInfo(font).fixedPitch())
        return font;
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fallback.setPointSizeF(pointSize);
    return fallback;
}

QFont fitToWidth(QFont font, const QString& text, int width)
{
    for (int pixels = QFontInfo(font).pixelSize(); pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

void applyClassicFont(QWidget* window) { window->setFont(sansFont(8)); }

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame counts once the window system has put one around the
    // window; before that the client area is all there is to go by.
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    window->move(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 2);
}

void centreOnFirstShow(QWidget* window) { window->installEventFilter(new CentreOnce(window)); }

void closeOnEscape(QWidget* window) { window->installEventFilter(new CloseOnEscape(window)); }

QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption, QRect place)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}

QLabel* namedLabel(QWidget* parent, const char* name, const QString& caption, QRect place)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    return label;
}

void styleTitleStrip(QLabel* label)
{
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette pale = label->palette();
    pale.setColor(QPalette::Window, QColor(255, 255, 204));
    pale.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pale);
}

} // namespace windowlook
