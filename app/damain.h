#pragma once
#include "game/GameSession.h"
#include "help/zorvhelp.h"
#include "help/zorvtech.h"
#include "help/zvabout.h"
#include "players/ScoreFile.h"
#include "players/getname.h"
#include "players/scores.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QLabel;
class QPushButton;
class MMControl1;
class Prompter;
class StatusHints;
class TileImage;

// The game board: the tiles, the status board with its counters and play
// buttons, the status panel and the menus. Every play action goes to the
// game session; present() turns what it says happened into tiles,
// captions, sounds and message boxes.
class damain : public QMainWindow {
    Q_OBJECT
public:
    // The prompter answers the message boxes; nullptr means Qt's own boxes.
    explicit damain(Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~damain() override;

    TileImage* tile(int index) const { return m_tiles.at(std::size_t(index)); }
    GameSession& game() { return m_game; }
    getname* playerDialog() const { return m_getname.data(); }
    scores* scoresWindow() const { return m_scores.data(); }
    MMControl1* mediaControl() const { return m_media.get(); }
    bool hasEnded() const { return m_ended; }

    void ResetBoard();
    void DrawTile(const QString& TileLetter, int16_t TileIndex);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildBoard();
    void buildStatusBoard();
    void buildMenus();
    void buildHints();
    void load();

    void takeLetter(Side side);
    void guessWord(Side side);
    void accepted(const QString& name, const PlayerRecord& rec);
    void exitCommand();
    void setSound(bool on);
    void openPlayerDialog();
    void closePlayerDialog();

    bool present(const Outcome& outcome);
    void presentPlay(const Outcome& outcome);
    void presentFinish(const Outcome& outcome);
    bool confirmQuit(const Outcome& outcome);
    void playEffect(const QString& file);
    void refreshCaptions();
    void endProgram();

    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter* m_prompter = nullptr;
    ScoreFile m_scoreFile;
    GameSession m_game{m_scoreFile};
    std::unique_ptr<MMControl1> m_media;
    std::array<TileImage*, 70> m_tiles{};
    std::array<QPushButton*, 7> m_command{}; // Command1..Command6 at 1..6
    QLabel* m_label[7] = {};                 // Label2..Label6 at 2..6
    QLabel* m_SSPanel1 = nullptr;
    QAction* m_mnusoundon = nullptr;
    QAction* m_mnusoundoff = nullptr;
    StatusHints* m_hints = nullptr;
    QPointer<getname> m_getname;
    QPointer<scores> m_scores;
    QPointer<zorvhelp> m_help;
    QPointer<zorvtech> m_tech;
    QPointer<zvabout> m_about;
    bool m_ending = false;
    bool m_ended = false;
};
