#include "help/AboutWindow.h"

#include "ui/Twips.h"
#include "ui/WindowLook.h"
#include "resources/Pictures.h"

#include <QLabel>
#include <QPushButton>

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("zvabout"));
    setWindowTitle(QStringLiteral("About Lexiloop"));
    windowlook::centreOnFirstShow(this);
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
    m_title = new QLabel(QStringLiteral("LEXILOOP for Windows 95"), this);
    m_title->setObjectName(QStringLiteral("Label1"));
    m_title->setGeometry(twipsRect(0, 0, 4065, 315));
    windowlook::styleTitleStrip(m_title);

    m_maker = new QLabel(QStringLiteral("Lexiloop team, 1995-2026"), this);
    m_maker->setObjectName(QStringLiteral("Label2"));
    m_maker->setGeometry(twipsRect(90, 300, 3930, 225));
    m_maker->setAlignment(Qt::AlignCenter);

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("Image1"));
    m_logo->setGeometry(twipsRect(900, 570, 2250, 1050));
    m_logo->setAlignment(Qt::AlignCenter);
    loadLogo();

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setGeometry(twipsRect(1290, 3120, 1410, 375));
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
