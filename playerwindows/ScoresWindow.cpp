#include "playerwindows/ScoresWindow.h"

#include "players/AverageOrder.h"
#include "players/ScoreFile.h"
#include "players/ScoreLine.h"
#include "ui/Prompter.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QStringListModel>

ScoresWindow::ScoresWindow(ScoreFile& file, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window), m_file(file), m_prompter(prompter)
{
    setObjectName(QStringLiteral("scores"));
    setWindowTitle(QStringLiteral("Lexiloop Scores"));
    windowlook::closeOnEscape(this);
    setFont(windowlook::sansFont(8.25, false));
    setFixedSize(twipsSize(4695, 3255));
    buildControls();
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_resetButton, &QPushButton::clicked, this, &ScoresWindow::resetClicked);
}

void ScoresWindow::buildControls()
{
    m_heading = windowlook::namedLabel(this, "Label1", QStringLiteral("AVERAGE SCORES"),
                                       twipsRect(90, 30, 4515, 375));
    m_heading->setFont(windowlook::sansFont(13.5, true));

    m_columnHeads = windowlook::namedLabel(this, "Label2",
                                           QStringLiteral("Player Name") + QString(29, u' ') +
                                               QStringLiteral("Times Played") + QString(8, u' ') +
                                               QStringLiteral("Average"),
                                           twipsRect(90, 510, 4515, 315));
    m_columnHeads->setFont(
        windowlook::fitToWidth(font(), m_columnHeads->text(), m_columnHeads->width() - 4));

    m_lines = new QStringListModel(this);
    m_table = new QListView(this);
    m_table->setObjectName(QStringLiteral("List1"));
    m_table->setGeometry(twipsRect(90, 810, 4515, 1500));
    // A line runs to 34 characters for a player with a full name and a
    // six-figure round count; the whole of it must show, never an elided end.
    m_table->setFont(windowlook::fitToWidth(windowlook::fixedFont(12), QString(34, u'0'),
                                            m_table->width() - 8));
    m_table->setTextElideMode(Qt::ElideNone);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Equal rows let the view skip measuring every line, which keeps a
    // table of a hundred thousand players quick to open.
    m_table->setUniformItemSizes(true);
    m_table->setModel(m_lines);

    m_exitButton = windowlook::namedButton(this, "Command1", QStringLiteral("Exit Scores"),
                                           twipsRect(690, 2400, 1485, 345));

    m_resetButton = windowlook::namedButton(this, "Command2", QStringLiteral("Reset Scores"),
                                            twipsRect(2550, 2400, 1455, 345));
}

void ScoresWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        load();
}

void ScoresWindow::load()
{
    windowlook::centreOnScreen(this);
    // A file that cannot be rewritten (a read-only folder, say) is still
    // shown best first; only the order on disk stays as it was.
    const bool sortedOnDisk = m_file.sortByAverage().ok();
    auto records = m_file.listRecords();
    if (!records.ok()) {
        m_lines->setStringList({});
        m_prompter.message(this, QString::fromStdString(records.error), windowTitle(),
                           Prompter::Icon::Warning);
        return;
    }
    const auto& ordered = sortedOnDisk ? *records.value : sortedByAverage(*records.value);
    QStringList lines;
    lines.reserve(qsizetype(ordered.size()));
    for (const auto& rec : ordered)
        lines.append(QString::fromStdString(scoreLine(rec)));
    m_lines->setStringList(lines);
}

void ScoresWindow::resetClicked()
{
    const auto answer = m_prompter.ask(
        this, QStringLiteral("Are you sure you want to DELETE all scores and player data.?"),
        QStringLiteral("DELETE SCORES?"), Prompter::Icon::Critical, false);
    if (answer != Prompter::Answer::Yes)
        return;
    // The lines stay on screen until the window is opened again.
    const auto removed = m_file.remove();
    if (!removed.ok())
        m_prompter.message(this, QString::fromStdString(removed.error), windowTitle(),
                           Prompter::Icon::Warning);
}
