#pragma once
#include <QWidget>

// The main window's client area: the board picture painted behind every
// control, exactly the size of the window's design.
class BoardSurface : public QWidget {
    Q_OBJECT
public:
    explicit BoardSurface(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
