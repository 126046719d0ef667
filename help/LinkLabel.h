#pragma once
#include <QLabel>

// A label that behaves like a hyperlink: it reports a click when the mouse
// button is released over it, or when Enter or Space is pressed while it
// has the keyboard focus, and stays silent while it is switched off.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateCursor();
};
