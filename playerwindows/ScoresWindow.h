#pragma once
#include <QWidget>

class Prompter;
class QLabel;
class QListView;
class QPushButton;
class QStringListModel;
class ScoreFile;

// The table of players, best average first, with a way to delete them all.
// Every opening sorts the players file and lists it afresh.
class ScoresWindow : public QWidget {
    Q_OBJECT
public:
    ScoresWindow(ScoreFile& file, Prompter& prompter, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void load();
    void resetClicked();

    ScoreFile& m_file;
    Prompter& m_prompter;
    QLabel* m_heading = nullptr;           // Label1
    QLabel* m_columnHeads = nullptr;       // Label2
    QListView* m_table = nullptr;          // List1
    QStringListModel* m_lines = nullptr;
    QPushButton* m_exitButton = nullptr;   // Command1
    QPushButton* m_resetButton = nullptr;  // Command2
};
