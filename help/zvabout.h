#pragma once
#include <QWidget>

class QLabel;
class QPushButton;

// The about window: title strip, maker line and the game's logo on white.
class zvabout : public QWidget {
    Q_OBJECT
public:
    explicit zvabout(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void loadLogo();

    QLabel* m_title = nullptr;      // Label1
    QLabel* m_maker = nullptr;      // Label2
    QLabel* m_logo = nullptr;       // Image1
    QPushButton* m_ok = nullptr;    // Command1
    bool m_centred = false;
};
