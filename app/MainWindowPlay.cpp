// The main window's play handlers and the one place that maps what a play
// action did onto sounds and message boxes.
#include "app/MainWindow.h"

#include "game/Scoring.h"
#include "media/PlayEffect.h"
#include "media/SoundPlayer.h"
#include "ui/Prompter.h"
#include "ui/SingleWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kQuitText = QStringLiteral(
    "If you quit now, you will score 0 for this round and your average score will be reduced."
    "\n\nAre you sure you wish to quit?");

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

} // namespace

void MainWindow::takeLetter(Side side) { present(m_game.take(side)); }

void MainWindow::guessWord(Side side)
{
    const auto ask = m_game.guessPrompt(side);
    if (!ask)
        return;
    const auto answer =
        m_prompter->input(this, fromStd(ask->prompt), fromStd(ask->title), QString());
    present(m_game.guess(side, answer.value_or(QString()).toStdString()));
}

void MainWindow::playerAccepted(const QString& name, const PlayerRecord& rec)
{
    closePlayerDialog();
    m_statusPanel->setText(QStringLiteral("LOADING GAME DATA."));
    repaint();
    present(m_game.startRound(name.toStdString(), rec.NextPuzzle));
}

void MainWindow::exitCommand()
{
    if (present(m_game.requestExit()))
        endProgram();
}

void MainWindow::closeEvent(QCloseEvent* event)
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

void MainWindow::endProgram()
{
    m_ending = true;
    close();
}

void MainWindow::setSound(bool on)
{
    m_soundOnItem->setChecked(on);
    m_soundOffItem->setChecked(!on);
    m_soundOn = on;
}

void MainWindow::openPlayerDialog()
{
    auto* dialog = showSingle(m_playerDialog, m_scoreFile, *m_prompter);
    connect(dialog, &PlayerDialog::playerAccepted, this, &MainWindow::playerAccepted,
            Qt::UniqueConnection);
    connect(dialog, &PlayerDialog::cancelled, this, [this] { present(m_game.cancelChoice()); },
            Qt::SingleShotConnection);
}

void MainWindow::closePlayerDialog()
{
    if (!m_playerDialog)
        return;
    PlayerDialog* dialog = m_playerDialog.data();
    dialog->disconnect(this);
    dialog->close();
}

void MainWindow::playSound(const QString& file) { playEffect(*m_sound, m_soundOn, file); }

void MainWindow::warn(const std::string& error)
{
    if (!error.empty())
        m_prompter->message(this, fromStd(error), QString(), Prompter::Icon::Warning);
}

// Every kind of outcome has its own overload of on(); a new kind without
// one does not compile.
bool MainWindow::present(const Outcome& outcome)
{
    return std::visit([this](const auto& what) { return on(what); }, outcome);
}

bool MainWindow::on(const outcome::Ignored&) { return false; }

bool MainWindow::on(const outcome::ChoosePlayer&)
{
    refresh();
    openPlayerDialog();
    return false;
}

bool MainWindow::on(const outcome::ChoiceCancelled&)
{
    closePlayerDialog();
    refresh();
    return false;
}

bool MainWindow::on(const outcome::RoundStarted&)
{
    refresh();
    return false;
}

bool MainWindow::on(const outcome::StartFailed& failed)
{
    warn(failed.error);
    refresh();
    // The board is idle again, so the busy text gives way to the title.
    m_statusPanel->setText(QStringLiteral("Lexiloop for Windows v1.0"));
    return false;
}

bool MainWindow::on(const outcome::Refused&)
{
    playSound(QStringLiteral("not.wav"));
    m_prompter->message(this,
                        QStringLiteral("Sorry, only one letter remains in this word. "
                                       "You must now solve this word."),
                        QString());
    m_focusRest->setFocus();
    return false;
}

bool MainWindow::on(const outcome::LetterTaken&)
{
    playSound(QStringLiteral("hit.wav"));
    refresh();
    m_focusRest->setFocus();
    return false;
}

bool MainWindow::on(const outcome::GuessCancelled&)
{
    m_focusRest->setFocus();
    return false;
}

bool MainWindow::on(const outcome::WrongGuess&)
{
    playSound(QStringLiteral("not.wav"));
    m_prompter->message(this, QStringLiteral("Sorry that is not correct."),
                        QStringLiteral("WRONG!"));
    refresh();
    m_focusRest->setFocus();
    return false;
}

bool MainWindow::on(const outcome::WordSolved&)
{
    refresh();
    m_focusRest->setFocus();
    return false;
}

bool MainWindow::on(const outcome::RoundFinished& finished)
{
    // The last word stays on the board while the score is shown.
    showRow(finished.row, finished.word);
    playSound(QStringLiteral("wins.wav"));
    warn(finished.error);
    m_prompter->message(this, fromStd(congratulationsText(finished.score, finished.average)),
                        QStringLiteral("Congratulations!"));
    refresh();
    m_focusRest->setFocus();
    return false;
}

bool MainWindow::on(const outcome::AskQuit& ask)
{
    const auto answer = m_prompter->ask(this, kQuitText, QStringLiteral("Quit?"),
                                        Prompter::Icon::None, true);
    if (answer != Prompter::Answer::Yes)
        return false;
    present(m_game.confirmQuit());
    return ask.thenExit;
}

bool MainWindow::on(const outcome::QuitRecorded& quit)
{
    warn(quit.error);
    refresh();
    return false;
}

bool MainWindow::on(const outcome::MayExit&) { return true; }
