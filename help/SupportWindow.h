#pragma once
#include <QWidget>

class QLabel;
class QPushButton;

// Where to turn for help with the game: a heading and the support contacts.
class SupportWindow : public QWidget {
    Q_OBJECT
public:
    explicit SupportWindow(QWidget* parent = nullptr);

private:
    void buildControls();

    QLabel* m_heading = nullptr;    // Label1
    QLabel* m_contacts = nullptr;   // Label2
    QPushButton* m_ok = nullptr;    // Command1
};
