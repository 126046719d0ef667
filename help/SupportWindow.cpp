#include "help/SupportWindow.h"

#include "ui/Twips.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

SupportWindow::SupportWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("zorvtech"));
    setWindowTitle(QStringLiteral("Technical Support"));
    windowlook::centreOnFirstShow(this);
    windowlook::closeOnEscape(this);
    windowlook::applyClassicFont(this);
    setFixedSize(twipsSize(4080, 3315));
    buildControls();
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);
}

void SupportWindow::buildControls()
{
    m_heading = windowlook::namedLabel(this, "Label1", QStringLiteral("Lexiloop Product Support"),
                                       twipsRect(0, 0, 4110, 345));
    windowlook::styleTitleStrip(m_heading);

    // The web address stands on its own line without a label in front.
    const QStringList contacts = {
        QStringLiteral("Email: support@example.com"),
        QStringLiteral("BBS: (555) 555-0142"),
        QStringLiteral("http://www.example.com/lexiloop"),
        QStringLiteral("Mail: Lexiloop Support, 123 Example Street, Springfield"),
    };
    m_contacts = windowlook::namedLabel(this, "Label2", contacts.join(QLatin1Char('\n')),
                                        twipsRect(225, 450, 3660, 2385));
    m_contacts->setTextFormat(Qt::PlainText);
    m_contacts->setWordWrap(true);
    m_contacts->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_contacts->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_ok = windowlook::namedButton(this, "Command1", QStringLiteral("OK"),
                                   twipsRect(1620, 2910, 960, 315));
    m_ok->setDefault(true);
}
