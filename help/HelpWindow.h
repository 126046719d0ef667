#pragma once
#include <QWidget>
#include <array>

class LinkLabel;
class QLabel;
class QPushButton;

// The built-in manual: a list of four topics, each opening a page of text.
// It is modeless and leaves the game alone, so a round can go on behind it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The list of topic entries with an empty body.
    void showTopicList();
    // One topic's heading and body; the entries go blank and dead so that
    // the body can cover the place where they were.
    void showTopic(int index);

private:
    void buildControls();
    void connectControls();

    QPushButton* m_exitButton = nullptr;   // SSCommand1
    QPushButton* m_topicsButton = nullptr; // SSCommand2
    QLabel* m_heading = nullptr;           // Label1
    QLabel* m_body = nullptr;              // Label2
    std::array<LinkLabel*, 4> m_entries{}; // Label3 .. Label6
};
