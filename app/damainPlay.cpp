// The main window's play handlers and the one place that shows what a play
// action did.
#include "app/damain.h"

#include "app/Prompter.h"
#include "game/Scoring.h"
#include "game/TileImage.h"
#include "game/TileRules.h"
#include "help/SingleWindow.h"
#include "media/MMControl1.h"
#include "media/PlayEffect.h"
#include "players/getname.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kQuitText = QStringLiteral(
    "If you quit now, you will score 0 for this round and your average score will be reduced."
    "\n\nAre you sure you wish to quit?");

} // namespace

void damain::takeLetter(Side side) { present(m_game.take(side)); }

void damain::guessWord(Side side)
{
    const auto ask = m_game.guessPrompt(side);
    if (!ask)
        return;
    const auto answer = m_prompter->input(this, QString::fromStdString(ask->prompt),
                                          QString::fromStdString(ask->title), QString());
    present(m_game.guess(side, answer.value_or(QString()).toStdString()));
}

void damain::accepted(const QString& name, const PlayerRecord& rec)
{
    closePlayerDialog();
    m_SSPanel1->setText(QStringLiteral("LOADING GAME DATA."));
    repaint();
    present(m_game.startRound(name.toStdString(), rec));
}

void damain::exitCommand()
{
    if (present(m_game.requestExit()))
        endProgram();
}

void damain::closeEvent(QCloseEvent* event)
{
    if (m_ending || present(m_game.requestExit())) {
        m_ended = true;
        event->accept();
        // The program ends with its main window, even while the help or
        // scores windows are still open.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return;
    }
    event->ignore();
}

void damain::endProgram()
{
    m_ending = true;
    close();
}

void damain::setSound(bool on)
{
    m_mnusoundon->setChecked(on);
    m_mnusoundoff->setChecked(!on);
    m_game.setSoundOn(on);
}

void damain::openPlayerDialog()
{
    auto* dialog = showSingle(m_getname, m_scoreFile, *m_prompter);
    connect(dialog, &getname::playerAccepted, this, &damain::accepted, Qt::UniqueConnection);
    connect(dialog, &getname::cancelled, this, [this] { present(m_game.cancelChoice()); },
            Qt::SingleShotConnection);
}

void damain::closePlayerDialog()
{
    if (!m_getname)
        return;
    getname* dialog = m_getname.data();
    dialog->disconnect(this);
    dialog->close();
}

void damain::playEffect(const QString& file)
{
    ::playEffect(*m_media, m_game.state().SoundOn == 1, file);
}

// Returns whether the program may end (for the exit and close commands).
bool damain::present(const Outcome& outcome)
{
    switch (outcome.kind) {
    case OutcomeKind::Ignored: return false;
    case OutcomeKind::ChoosePlayer:
        m_command[5]->setText(QStringLiteral("QUIT"));
        openPlayerDialog();
        return false;
    case OutcomeKind::CancelChoice:
        closePlayerDialog();
        m_command[5]->setText(QStringLiteral("PLAY"));
        return false;
    case OutcomeKind::StartFailed:
        m_prompter->message(this, QString::fromStdString(outcome.error), QString(),
                            Prompter::Icon::Warning);
        ResetBoard();
        // The board is idle again, so the busy text gives way to the title.
        m_SSPanel1->setText(QStringLiteral("Lexiloop for Windows v1.0"));
        return false;
    case OutcomeKind::AskQuit: return confirmQuit(outcome);
    case OutcomeKind::Exit: return true;
    case OutcomeKind::RoundFinished: presentFinish(outcome); return false;
    default: presentPlay(outcome); return false;
    }
}

void damain::presentPlay(const Outcome& outcome)
{
    for (const TileDraw& draw : outcome.draws)
        DrawTile(QString::fromStdString(draw.TileLetter), draw.TileIndex);
    const QString count = QString::fromStdString(formatCount(outcome.count));
    switch (outcome.kind) {
    case OutcomeKind::RoundStarted:
        for (int16_t index : outcome.covered)
            m_tiles[std::size_t(index)]->setHolder(kCoveredHolder);
        refreshCaptions();
        return;
    case OutcomeKind::Refused:
        playEffect(QStringLiteral("not.wav"));
        m_prompter->message(this, QStringLiteral("Sorry, only one letter remains in this word. "
                                                 "You must now solve this word."),
                            QString());
        break;
    case OutcomeKind::LetterTaken:
        playEffect(QStringLiteral("hit.wav"));
        m_label[4]->setText(count);
        break;
    case OutcomeKind::WrongGuess:
        playEffect(QStringLiteral("not.wav"));
        m_prompter->message(this, QStringLiteral("Sorry that is not correct."),
                            QStringLiteral("WRONG!"));
        m_label[5]->setText(count);
        break;
    case OutcomeKind::WordSolved: refreshCaptions(); break;
    case OutcomeKind::QuitRecorded:
        if (!outcome.error.empty())
            m_prompter->message(this, QString::fromStdString(outcome.error), QString(),
                                Prompter::Icon::Warning);
        ResetBoard();
        return;
    default: break;
    }
    m_command[6]->setFocus();
}

void damain::presentFinish(const Outcome& outcome)
{
    for (const TileDraw& draw : outcome.draws)
        DrawTile(QString::fromStdString(draw.TileLetter), draw.TileIndex);
    playEffect(QStringLiteral("wins.wav"));
    if (!outcome.error.empty())
        m_prompter->message(this, QString::fromStdString(outcome.error), QString(),
                            Prompter::Icon::Warning);
    m_prompter->message(this,
                        QString::fromStdString(congratulationsText(outcome.RoundScore, outcome.average)),
                        QStringLiteral("Congratulations!"));
    ResetBoard();
    m_command[6]->setFocus();
}

bool damain::confirmQuit(const Outcome& outcome)
{
    const auto answer = m_prompter->ask(this, kQuitText, QStringLiteral("Quit?"),
                                        Prompter::Icon::None, true);
    if (answer != Prompter::Answer::Yes)
        return false;
    present(m_game.confirmQuit());
    return outcome.exitAfter;
}
