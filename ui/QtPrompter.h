#pragma once
#include "ui/Prompter.h"

// The real boxes: Qt's message box and input dialog, modal to their parent.
class QtPrompter : public Prompter {
public:
    void message(QWidget* parent, const QString& text, const QString& title,
                 Icon icon = Icon::None) override;
    Answer ask(QWidget* parent, const QString& text, const QString& title, Icon icon,
               bool defaultYes) override;
    std::optional<QString> input(QWidget* parent, const QString& prompt, const QString& title,
                                 const QString& initial) override;
};
