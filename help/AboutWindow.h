#pragma once
#include <QWidget>

class QLabel;
class QPushButton;

// The about window: title strip, maker line and the game's logo on white.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

private:
    void buildControls();
    void loadLogo();

    QLabel* m_title = nullptr;      // Label1
    QLabel* m_maker = nullptr;      // Label2
    QLabel* m_logo = nullptr;       // Image1
    QPushButton* m_ok = nullptr;    // Command1
};
