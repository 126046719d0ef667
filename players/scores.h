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
class scores : public QWidget {
    Q_OBJECT
public:
    scores(ScoreFile& file, Prompter& prompter, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void load();
    void resetClicked();

    ScoreFile& m_file;
    Prompter& m_prompter;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QListView* m_list1 = nullptr;
    QStringListModel* m_lines = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
};
