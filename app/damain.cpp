#include "app/damain.h"

#include "app/BoardSurface.h"
#include "app/QtPrompter.h"
#include "app/StatusHints.h"
#include "app/Twips.h"
#include "app/WrapButton.h"
#include "game/TileImage.h"
#include "game/TileRules.h"
#include "help/SingleWindow.h"
#include "app/WindowLook.h"
#include "help/zorvhelp.h"
#include "help/zorvtech.h"
#include "help/zvabout.h"
#include "media/MMControl1.h"
#include "media/PlayEffect.h"
#include "players/getname.h"
#include "players/scores.h"
#include "resources/Pictures.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect place)
{
    auto* button = new WrapButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QRect place)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    return label;
}

} // namespace

damain::damain(Prompter* prompter, QWidget* parent)
    : QMainWindow(parent), m_prompter(prompter), m_media(std::make_unique<MMControl1>())
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

damain::~damain() = default;

void damain::buildBoard()
{
    QWidget* surface = centralWidget();
    for (int index = 0; index < kTileCount; ++index) {
        const int row = index / kTilesPerRow;
        const int column = index % kTilesPerRow;
        auto* tile = new TileImage(index, surface);
        tile->setGeometry(twipsRect(600 + 360 * column, 930 + 330 * row, 300, 270));
        tile->setAttribute(Qt::WA_NoMousePropagation);
        m_tiles[std::size_t(index)] = tile;
    }
    m_label[6] = makeLabel(surface, "Label6", {}, twipsRect(510, 30, 6735, 585));
    m_SSPanel1 = makeLabel(surface, "SSPanel1", {}, twipsRect(30, 3810, 7335, 240));
    m_SSPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_SSPanel1->setAutoFillBackground(true);
    m_SSPanel1->setContentsMargins(3, 0, 3, 0);
    m_SSPanel1->setAttribute(Qt::WA_NoMousePropagation);
    m_command[5] = makeButton(surface, "Command5", QStringLiteral("Command5"),
                              twipsRect(1800, 3390, 1125, 315));
}

void damain::buildStatusBoard()
{
    QWidget* surface = centralWidget();
    m_command[6] = makeButton(surface, "Command6", {}, twipsRect(5220, 2280, 1545, 255));
    m_command[6]->setAttribute(Qt::WA_NoMousePropagation);
    m_command[4] = makeButton(surface, "Command4", QStringLiteral("Guess Word Below 123456789"),
                              twipsRect(5220, 2520, 1545, 405));
    m_command[3] = makeButton(surface, "Command3", QStringLiteral("Guess Word Above 123456789"),
                              twipsRect(5220, 2910, 1545, 405));
    m_command[2] = makeButton(surface, "Command2", QStringLiteral("Take Letter Above 123456789"),
                              twipsRect(5220, 1890, 1545, 405));
    m_command[1] = makeButton(surface, "Command1", QStringLiteral("Take Letter Below 123456789"),
                              twipsRect(5220, 1500, 1545, 405));
    m_label[5] = makeLabel(surface, "Label5", QStringLiteral("99"), twipsRect(6480, 1170, 405, 285));
    m_label[4] = makeLabel(surface, "Label4", QStringLiteral("99"), twipsRect(6480, 870, 405, 285));
    m_label[3] = makeLabel(surface, "Label3", QStringLiteral("Wrong Guesses"),
                           twipsRect(5040, 1170, 1425, 285));
    m_label[2] = makeLabel(surface, "Label2", QStringLiteral("Letters Taken"),
                           twipsRect(5040, 870, 1425, 285));

    connect(m_command[1], &QPushButton::clicked, this, [this] { takeLetter(Side::Below); });
    connect(m_command[2], &QPushButton::clicked, this, [this] { takeLetter(Side::Above); });
    connect(m_command[3], &QPushButton::clicked, this, [this] { guessWord(Side::Above); });
    connect(m_command[4], &QPushButton::clicked, this, [this] { guessWord(Side::Below); });
    connect(m_command[5], &QPushButton::clicked, this, [this] { present(m_game.pressCommand5()); });
}

void damain::buildMenus()
{
    auto item = [this](QMenu* menu, const char* name, const QString& text) {
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
            [this] { present(m_game.chooseMenuPlay()); });
    connect(item(game, "mnunormsco", QStringLiteral("&View Scores")), &QAction::triggered, this,
            [this] { showSingle(m_scores, m_scoreFile, *m_prompter); });
    separator(game, "mnusep3");
    connect(item(game, "mnuexit", QStringLiteral("&Exit")), &QAction::triggered, this,
            &damain::exitCommand);

    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Settings"));
    settings->setObjectName(QStringLiteral("mnusetting"));
    QMenu* sound = settings->addMenu(QStringLiteral("&Sound Effects"));
    sound->setObjectName(QStringLiteral("mnusound"));
    m_mnusoundon = item(sound, "mnusoundon", QStringLiteral("&On"));
    m_mnusoundoff = item(sound, "mnusoundoff", QStringLiteral("&Off"));
    m_mnusoundon->setCheckable(true);
    m_mnusoundoff->setCheckable(true);
    m_mnusoundon->setChecked(true);
    connect(m_mnusoundon, &QAction::triggered, this, [this] { setSound(true); });
    connect(m_mnusoundoff, &QAction::triggered, this, [this] { setSound(false); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuhelp"));
    connect(item(help, "mnunorhelp", QStringLiteral("&Lexiloop Help")), &QAction::triggered,
            this, [this] { showSingle(m_help); });
    separator(help, "mnusep");
    connect(item(help, "mnutech", QStringLiteral("&Obtaining Technical Support")),
            &QAction::triggered, this, [this] { showSingle(m_tech); });
    separator(help, "mnusep2");
    connect(item(help, "mnuabout", QStringLiteral("&About Lexiloop")), &QAction::triggered, this,
            [this] { showSingle(m_about); });
}

void damain::buildHints()
{
    m_hints = new StatusHints(m_SSPanel1, this);
    const QString clues = QStringLiteral("Displays clues given so far.");
    const QString wrong = QStringLiteral("Displays number of wrong guesses so far.");
    const QString next = QStringLiteral("Click here to be shown next letter.");
    m_hints->add(m_label[2], clues);
    m_hints->add(m_label[4], clues);
    m_hints->add(m_label[3], wrong);
    m_hints->add(m_label[5], wrong);
    m_hints->add(m_command[1], next);
    m_hints->add(m_command[2], next);
    for (QPushButton* guess : {m_command[3], m_command[4]})
        m_hints->add(guess, [guess] { return QStringLiteral("Click here to ") + guess->text(); });
    QPushButton* play = m_command[5];
    m_hints->add(play, [play] {
        return play->text() == QLatin1String("PLAY") ? QStringLiteral("Click here to begin play.")
                                                     : QStringLiteral("Click here to quit now.");
    });
    m_hints->add(centralWidget(),
                 QStringLiteral("Lexiloop for Windows v1.0 - solve the chain from both ends."));
    m_hints->add(m_label[6],
                 QStringLiteral("Lexiloop was made by the Lexiloop team for word-chain fans."));
}

void damain::load()
{
    ResetBoard();
    adjustSize();
    windowlook::centreOnScreen(this);
    m_game.setSoundOn(m_mnusoundon->isChecked());
    // Opening the sound device talks to the sound server; it happens as
    // soon as the board is on screen, so the window does not wait for it.
    if (m_game.state().SoundOn == 1)
        QTimer::singleShot(0, this, [this] { prepareMedia(*m_media); });
    m_SSPanel1->setText(QStringLiteral("Lexiloop for Windows v1.0"));
}

void damain::ResetBoard()
{
    for (TileImage* tile : m_tiles)
        tile->setHolder(kBlankHolder);
    m_label[4]->setText(QStringLiteral(" 0"));
    m_label[5]->setText(QStringLiteral(" 0"));
    refreshCaptions();
    m_command[5]->setText(QStringLiteral("PLAY"));
}

void damain::DrawTile(const QString& TileLetter, int16_t TileIndex)
{
    const auto holder = letterHolder(TileLetter.toStdString());
    if (holder && isTileIndex(TileIndex))
        m_tiles[std::size_t(TileIndex)]->setHolder(*holder);
}

void damain::refreshCaptions()
{
    for (int command = 1; command <= 4; ++command)
        m_command[std::size_t(command)]->setText(QString::fromStdString(m_game.caption(command)));
}
