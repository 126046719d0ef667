#include "help/HelpWindow.h"

#include "help/HelpTopics.h"
#include "help/LinkLabel.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kEntryTops[] = {990, 1320, 1650, 2010};

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("zorvhelp"));
    setWindowTitle(QStringLiteral("Lexiloop Help"));
    windowlook::centreOnFirstShow(this);
    windowlook::closeOnEscape(this);
    windowlook::applyClassicFont(this);
    setFixedSize(twipsSize(4785, 4815));
    buildControls();
    connectControls();
    showTopicList();
}

void HelpWindow::buildControls()
{
    m_exitButton = windowlook::namedButton(this, "SSCommand1", QStringLiteral("Exit Help"),
                                           twipsRect(0, 0, 1815, 345));

    m_topicsButton = windowlook::namedButton(this, "SSCommand2", QStringLiteral("Topics"),
                                             twipsRect(1800, 0, 1815, 345));

    m_heading = windowlook::namedLabel(this, "Label1", QString(), twipsRect(180, 390, 4455, 465));
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    headingFont.setPointSize(10);
    m_heading->setFont(headingFont);

    // The body is created before the entries so that the entries stay on
    // top of it where the two overlap.
    m_body = windowlook::namedLabel(this, "Label2", QString(), twipsRect(270, 900, 4245, 3735));
    m_body->setWordWrap(true);
    m_body->setTextFormat(Qt::PlainText);
    m_body->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (size_t i = 0; i < m_entries.size(); ++i) {
        auto* entry = new LinkLabel(this);
        entry->setObjectName(QStringLiteral("Label%1").arg(i + 3));
        entry->setGeometry(twipsRect(360, kEntryTops[i], 2655, 255));
        m_entries[i] = entry;
    }
}

void HelpWindow::connectControls()
{
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_topicsButton, &QPushButton::clicked, this, &HelpWindow::showTopicList);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        connect(m_entries[i], &LinkLabel::clicked, this,
                [this, i] { showTopic(static_cast<int>(i)); });
    }
}

void HelpWindow::showTopicList()
{
    m_heading->setText(QStringLiteral("TOPICS"));
    const auto& topics = helpTopics();
    for (size_t i = 0; i < m_entries.size(); ++i) {
        m_entries[i]->setEnabled(true);
        m_entries[i]->setText(topics[i].entry);
    }
    m_body->clear();
}

void HelpWindow::showTopic(int index)
{
    const auto& topics = helpTopics();
    if (index < 0 || index >= static_cast<int>(topics.size()))
        return;
    const HelpTopic& topic = topics[static_cast<size_t>(index)];
    m_heading->setText(topic.heading);
    for (LinkLabel* entry : m_entries) {
        entry->clear();
        entry->setEnabled(false);
    }
    m_body->setText(topic.body);
}
