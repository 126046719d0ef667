#pragma once
#include <QObject>
#include <QStringList>
#include <QTimer>

class QPushButton;

// Plays one whole round in the real, installed program, the way a player
// would: PLAY, a name in the player dialog, then every hidden word guessed
// from below, answering each box as it comes. It is loaded into the program
// by Qt itself as a generic plugin, so the shipped game carries no test
// hook. What it saw goes to standard error; it ends the program with exit
// code 0 after the congratulations box, or 3 when the round goes wrong.
class RoundDriver : public QObject {
    Q_OBJECT
public:
    explicit RoundDriver(QObject* parent = nullptr);

private:
    enum class Stage { Idle, Choosing, Playing, Done };

    void tick();
    bool answerBox();
    void step();
    void fail(const QString& why);
    QPushButton* mainButton(const char* name) const;
    QStringList loadChain() const;

    QTimer m_timer;
    Stage m_stage = Stage::Idle;
    QStringList m_chain;
    bool m_congratulated = false;
    int m_ticks = 0;
    int m_lastClick = 0;
};
