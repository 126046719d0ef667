#pragma once
#include <QWidget>

// One letter tile of the board. It shows the picture of one holder (blank,
// covered, or a letter) and tells assistive technology what that is.
class TileImage : public QWidget {
    Q_OBJECT
public:
    explicit TileImage(QWidget* parent = nullptr);

    int holder() const { return m_holder; }
    void setHolder(int holder);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_holder = 2;
};
