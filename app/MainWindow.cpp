#include "app/MainWindow.h"

#include "app/BoardSurface.h"
#include "app/StatusHints.h"
#include "app/TileImage.h"
#include "app/WrapButton.h"
#include "game/Scoring.h"
#include "media/PlayEffect.h"
#include "media/SoundPlayer.h"
#include "resources/Pictures.h"
#include "ui/QtPrompter.h"
#include "ui/SingleWindow.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QMenuBar>
#include <QTimer>

namespace {

const QString kTitle = QStringLiteral("Lexiloop for Windows v1.0");

// The play buttons get their captions from the game at load.
QPushButton* makeButton(QWidget* parent, const char* name, QRect place)
{
    auto* button = new WrapButton(QString(), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

} // namespace

MainWindow::MainWindow(Prompter* prompter, QWidget* parent)
    : QMainWindow(parent), m_prompter(prompter), m_sound(std::make_unique<SoundPlayer>())
{
    if (!m_prompter) {
        m_ownPrompter = std::make_unique<QtPrompter>();
        m_prompter = m_ownPrompter.get();
    }
    setObjectName(QStringLiteral("damain"));
    setWindowTitle(QStringLiteral("Lexiloop for Windows 95"));
    setWindowIcon(pictures::appIcon());
    windowlook::applyClassicFont(this);
    setCentralWidget(new BoardSurface(this));
    buildBoard();
    buildStatusBoard();
    buildMenus();
    buildHints();
    load();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildBoard()
{
    QWidget* surface = centralWidget();
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto* tile = new TileImage(surface);
            tile->setGeometry(twipsRect(600 + 360 * column, 930 + 330 * row, 300, 270));
            tile->setAttribute(Qt::WA_NoMousePropagation);
            m_tiles[std::size_t(row * kColumns + column)] = tile;
        }
    }
    m_titleStrip = windowlook::namedLabel(surface, "Label6", {}, twipsRect(510, 30, 6735, 585));
    m_statusPanel = windowlook::namedLabel(surface, "SSPanel1", {}, twipsRect(30, 3810, 7335, 240));
    m_statusPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_statusPanel->setAutoFillBackground(true);
    m_statusPanel->setContentsMargins(3, 0, 3, 0);
    m_statusPanel->setAttribute(Qt::WA_NoMousePropagation);
    m_playQuit = makeButton(surface, "Command5", twipsRect(1800, 3390, 1125, 315));
}

void MainWindow::buildStatusBoard()
{
    QWidget* surface = centralWidget();
    // Created in the design's order, bottom first.
    m_focusRest = makeButton(surface, "Command6", twipsRect(5220, 2280, 1545, 255));
    m_focusRest->setAttribute(Qt::WA_NoMousePropagation);
    m_guessBelow = makeButton(surface, "Command4", twipsRect(5220, 2520, 1545, 405));
    m_guessAbove = makeButton(surface, "Command3", twipsRect(5220, 2910, 1545, 405));
    m_takeAbove = makeButton(surface, "Command2", twipsRect(5220, 1890, 1545, 405));
    m_takeBelow = makeButton(surface, "Command1", twipsRect(5220, 1500, 1545, 405));
    // Made bottom first, the buttons would have Tab climb the board; it runs
    // down it instead, as the buttons stand (the focus rest included, since
    // every play leaves the focus there), and ends on PLAY.
    QWidget* const downTheBoard[] = {m_takeBelow, m_takeAbove,  m_focusRest,
                                     m_guessBelow, m_guessAbove, m_playQuit};
    for (std::size_t i = 1; i < std::size(downTheBoard); ++i)
        QWidget::setTabOrder(downTheBoard[i - 1], downTheBoard[i]);
    m_wrongGuesses = windowlook::namedLabel(surface, "Label5", {}, twipsRect(6480, 1170, 405, 285));
    m_lettersTaken = windowlook::namedLabel(surface, "Label4", {}, twipsRect(6480, 870, 405, 285));
    m_wrongGuessesCaption = windowlook::namedLabel(
        surface, "Label3", QStringLiteral("Wrong Guesses"), twipsRect(5040, 1170, 1425, 285));
    m_lettersTakenCaption = windowlook::namedLabel(
        surface, "Label2", QStringLiteral("Letters Taken"), twipsRect(5040, 870, 1425, 285));

    connect(m_takeBelow, &QPushButton::clicked, this, [this] { takeLetter(Side::Below); });
    connect(m_takeAbove, &QPushButton::clicked, this, [this] { takeLetter(Side::Above); });
    connect(m_guessAbove, &QPushButton::clicked, this, [this] { guessWord(Side::Above); });
    connect(m_guessBelow, &QPushButton::clicked, this, [this] { guessWord(Side::Below); });
    connect(m_playQuit, &QPushButton::clicked, this, [this] { present(m_game.playOrQuit()); });
}

void MainWindow::buildMenus()
{
    auto item = [](QMenu* menu, const char* name, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
    game->setObjectName(QStringLiteral("mnugame"));
    connect(item(game, "mnunormpl", QStringLiteral("&Play Game")), &QAction::triggered, this,
            [this] { present(m_game.choosePlay()); });
    connect(item(game, "mnunormsco", QStringLiteral("&View Scores")), &QAction::triggered, this,
            [this] { showSingle(m_scoresWindow, m_scoreFile, *m_prompter); });
    separator(game, "mnusep3");
    connect(item(game, "mnuexit", QStringLiteral("&Exit")), &QAction::triggered, this,
            &MainWindow::exitCommand);

    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Settings"));
    settings->setObjectName(QStringLiteral("mnusetting"));
    QMenu* sound = settings->addMenu(QStringLiteral("&Sound Effects"));
    sound->setObjectName(QStringLiteral("mnusound"));
    m_soundOnItem = item(sound, "mnusoundon", QStringLiteral("&On"));
    m_soundOffItem = item(sound, "mnusoundoff", QStringLiteral("&Off"));
    m_soundOnItem->setCheckable(true);
    m_soundOffItem->setCheckable(true);
    m_soundOnItem->setChecked(true);
    connect(m_soundOnItem, &QAction::triggered, this, [this] { setSound(true); });
    connect(m_soundOffItem, &QAction::triggered, this, [this] { setSound(false); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuhelp"));
    connect(item(help, "mnunorhelp", QStringLiteral("&Lexiloop Help")), &QAction::triggered,
            this, [this] { showSingle(m_helpWindow); });
    separator(help, "mnusep");
    connect(item(help, "mnutech", QStringLiteral("&Obtaining Technical Support")),
            &QAction::triggered, this, [this] { showSingle(m_supportWindow); });
    separator(help, "mnusep2");
    connect(item(help, "mnuabout", QStringLiteral("&About Lexiloop")), &QAction::triggered, this,
            [this] { showSingle(m_aboutWindow); });
}

void MainWindow::buildHints()
{
    m_hints = new StatusHints(m_statusPanel, this);
    const QString clues = QStringLiteral("Displays clues given so far.");
    const QString wrong = QStringLiteral("Displays number of wrong guesses so far.");
    const QString next = QStringLiteral("Click here to be shown next letter.");
    m_hints->add(m_lettersTakenCaption, clues);
    m_hints->add(m_lettersTaken, clues);
    m_hints->add(m_wrongGuessesCaption, wrong);
    m_hints->add(m_wrongGuesses, wrong);
    m_hints->add(m_takeBelow, next);
    m_hints->add(m_takeAbove, next);
    for (QPushButton* guess : {m_guessAbove, m_guessBelow})
        m_hints->add(guess, [guess] { return QStringLiteral("Click here to ") + guess->text(); });
    m_hints->add(m_playQuit, [this] {
        return m_game.phase() == GameSession::Phase::Idle
                   ? QStringLiteral("Click here to begin play.")
                   : QStringLiteral("Click here to quit now.");
    });
    m_hints->add(centralWidget(), kTitle + QStringLiteral(" - solve the chain from both ends."));
    m_hints->add(m_titleStrip,
                 QStringLiteral("Lexiloop was made by the Lexiloop team for word-chain fans."));
}

void MainWindow::load()
{
    refresh();
    adjustSize();
    windowlook::centreOnScreen(this);
    // Opening the sound device talks to the sound server; it happens as
    // soon as the board is on screen, so the window does not wait for it.
    if (m_soundOn)
        QTimer::singleShot(0, this, [this] { prepareMedia(*m_sound); });
    m_statusPanel->setText(kTitle);
}

void MainWindow::refresh()
{
    for (int row = 0; row < kRows; ++row)
        showRow(row, m_game.shownRow(row));
    const RoundState& state = m_game.state();
    m_lettersTaken->setText(fromStd(formatCount(state.lettersTaken)));
    m_wrongGuesses->setText(fromStd(formatCount(state.wrongGuesses)));
    m_takeBelow->setText(fromStd(m_game.caption(Action::TakeBelow)));
    m_takeAbove->setText(fromStd(m_game.caption(Action::TakeAbove)));
    m_guessAbove->setText(fromStd(m_game.caption(Action::GuessAbove)));
    m_guessBelow->setText(fromStd(m_game.caption(Action::GuessBelow)));
    const bool idle = m_game.phase() == GameSession::Phase::Idle;
    m_playQuit->setText(idle ? QStringLiteral("PLAY") : QStringLiteral("QUIT"));
}

// A row as the game shows it: letters, '-' for a covered tile, and blank
// tiles past the end of the word.
void MainWindow::showRow(int row, const std::string& shown)
{
    for (int column = 0; column < kColumns; ++column) {
        int holder = pictures::BlankHolder;
        if (std::size_t(column) < shown.size()) {
            const char letter = shown[std::size_t(column)];
            holder = letter == '-' ? pictures::CoveredHolder
                                   : pictures::holderForLetter(QLatin1Char(letter));
        }
        tile(row, column)->setHolder(holder);
    }
}
