#pragma once
#include <QWidget>

class QLabel;
class QPushButton;

// Where to turn for help with the game: a heading and the support contacts.
class zorvtech : public QWidget {
    Q_OBJECT
public:
    explicit zorvtech(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();

    QLabel* m_heading = nullptr;    // Label1
    QLabel* m_contacts = nullptr;   // Label2
    QPushButton* m_ok = nullptr;    // Command1
    bool m_centred = false;
};
