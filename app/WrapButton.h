#pragma once
#include <QPushButton>

// A command button whose caption wraps onto a second line when it is too
// wide, as the buttons of the game's era did. text() stays the caption, so
// assistive technology reads it whole.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrapButton(const QString& text = {}, QWidget* parent = nullptr);

    // Where the caption is drawn, and the font that lets all of it fit there.
    QRect textArea() const;
    QFont fittingFont() const;

    static constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
