#pragma once
#include "players/PlayerRecord.h"

#include <QDialog>

class Prompter;
class QComboBox;
class QLabel;
class QPushButton;
class ScoreFile;

// Asks who is about to play: a known name from the list or a new one.
// Shown modeless; the main window starts the round on playerAccepted and
// goes back to idle on cancelled.
class PlayerDialog : public QDialog {
    Q_OBJECT
public:
    PlayerDialog(ScoreFile& file, Prompter& prompter, QWidget* parent = nullptr);

signals:
    void playerAccepted(const QString& name, const PlayerRecord& rec);
    void cancelled();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void load();
    void acceptClicked();

    ScoreFile& m_file;
    Prompter& m_prompter;
    QLabel* m_prompt = nullptr;             // Label1
    QComboBox* m_nameField = nullptr;       // Combo1
    QPushButton* m_acceptButton = nullptr;  // Command1
    QPushButton* m_cancelButton = nullptr;  // Command2
    bool m_accepted = false;
};
