#pragma once
#include "game/GameData.h"
#include "game/GameSession.h"
#include "help/AboutWindow.h"
#include "help/HelpWindow.h"
#include "help/SupportWindow.h"
#include "players/ScoreFile.h"
#include "playerwindows/PlayerDialog.h"
#include "playerwindows/ScoresWindow.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QLabel;
class QPushButton;
class Prompter;
class SoundPlayer;
class StatusHints;
class TileImage;

// The game board: the tiles, the status board with its counters and play
// buttons, the status panel and the menus. Every play action goes to the
// game session; present() maps what it says happened onto sounds and
// message boxes, and refresh() redraws the board from the session's state.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kRows = 7;
    static constexpr int kColumns = 10;

    // The prompter answers the message boxes; nullptr means Qt's own boxes.
    explicit MainWindow(Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    TileImage* tile(int row, int column) const
    {
        return m_tiles.at(std::size_t(row * kColumns + column));
    }
    GameSession& game() { return m_game; }
    PlayerDialog* playerDialog() const { return m_playerDialog.data(); }
    ScoresWindow* scoresWindow() const { return m_scoresWindow.data(); }
    SoundPlayer* soundPlayer() const { return m_sound.get(); }
    bool soundOn() const { return m_soundOn; }
    bool hasEnded() const { return m_ended; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildBoard();
    void buildStatusBoard();
    void buildMenus();
    void buildHints();
    void load();

    // Handlers: each passes one command to the game and presents the outcome.
    void takeLetter(Side side);
    void guessWord(Side side);
    void playerAccepted(const QString& name, const PlayerRecord& rec);
    void exitCommand();
    void setSound(bool on);
    void openPlayerDialog();
    void closePlayerDialog();
    void endProgram();

    // Redraws tiles, counters, captions and the PLAY/QUIT button from the game.
    void refresh();
    void showRow(int row, const std::string& shown);
    void playSound(const QString& file);
    void warn(const std::string& error);

    // Shows an outcome; true when the program may end (exit and close).
    bool present(const Outcome& outcome);
    bool on(const outcome::Ignored&);
    bool on(const outcome::ChoosePlayer&);
    bool on(const outcome::ChoiceCancelled&);
    bool on(const outcome::RoundStarted&);
    bool on(const outcome::StartFailed& failed);
    bool on(const outcome::Refused&);
    bool on(const outcome::LetterTaken&);
    bool on(const outcome::GuessCancelled&);
    bool on(const outcome::WrongGuess&);
    bool on(const outcome::WordSolved&);
    bool on(const outcome::RoundFinished& finished);
    bool on(const outcome::AskQuit& ask);
    bool on(const outcome::QuitRecorded& quit);
    bool on(const outcome::MayExit&);

    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter* m_prompter = nullptr;
    ScoreFile m_scoreFile;
    PuzzleFile m_puzzleFile;
    GameSession m_game{m_puzzleFile, m_scoreFile};
    std::unique_ptr<SoundPlayer> m_sound;
    bool m_soundOn = true;

    std::array<TileImage*, kRows * kColumns> m_tiles{}; // Image1, row by row
    QPushButton* m_takeBelow = nullptr;                  // Command1
    QPushButton* m_takeAbove = nullptr;                  // Command2
    QPushButton* m_guessAbove = nullptr;                 // Command3
    QPushButton* m_guessBelow = nullptr;                 // Command4
    QPushButton* m_playQuit = nullptr;                   // Command5
    QPushButton* m_focusRest = nullptr;                  // Command6, where focus goes after a play
    QLabel* m_lettersTakenCaption = nullptr;             // Label2
    QLabel* m_wrongGuessesCaption = nullptr;             // Label3
    QLabel* m_lettersTaken = nullptr;                    // Label4
    QLabel* m_wrongGuesses = nullptr;                    // Label5
    QLabel* m_titleStrip = nullptr;                      // Label6
    QLabel* m_statusPanel = nullptr;                     // SSPanel1
    QAction* m_soundOnItem = nullptr;                    // mnusoundon
    QAction* m_soundOffItem = nullptr;                   // mnusoundoff
    StatusHints* m_hints = nullptr;

    QPointer<PlayerDialog> m_playerDialog;
    QPointer<ScoresWindow> m_scoresWindow;
    QPointer<HelpWindow> m_helpWindow;
    QPointer<SupportWindow> m_supportWindow;
    QPointer<AboutWindow> m_aboutWindow;
    bool m_ending = false;
    bool m_ended = false;
};
