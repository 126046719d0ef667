#include "help/AboutWindow.h"

#include "resources/Pictures.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QPushButton>

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("zvabout"));
    setWindowTitle(QStringLiteral("About Lexiloop"));
    windowlook::centreOnFirstShow(this);
    windowlook::closeOnEscape(this);
    setWindowIcon(pictures::appIcon());
    windowlook::applyClassicFont(this);
    setFixedSize(twipsSize(4050, 3615));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    buildControls();
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);
}

void AboutWindow::buildControls()
{
    m_title = windowlook::namedLabel(this, "Label1", QStringLiteral("LEXILOOP for Windows 95"),
                                     twipsRect(0, 0, 4065, 315));
    windowlook::styleTitleStrip(m_title);

    m_maker = windowlook::namedLabel(this, "Label2", QStringLiteral("Lexiloop team, 1995-2026"),
                                     twipsRect(90, 300, 3930, 225));
    m_maker->setAlignment(Qt::AlignCenter);

    m_logo = windowlook::namedLabel(this, "Image1", QString(), twipsRect(900, 570, 2250, 1050));
    m_logo->setAlignment(Qt::AlignCenter);
    loadLogo();

    m_ok = windowlook::namedButton(this, "Command1", QStringLiteral("OK"),
                                   twipsRect(1290, 3120, 1410, 375));
    m_ok->setDefault(true);
}

void AboutWindow::loadLogo()
{
    // A missing picture leaves the frame empty rather than stopping the
    // window from opening.
    const QPixmap logo = pictures::logo(devicePixelRatioF());
    if (!logo.isNull())
        m_logo->setPixmap(logo);
}
