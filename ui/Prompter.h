#pragma once
#include <QString>
#include <optional>

class QWidget;

// Every message box and input box of the game goes through this interface,
// so that tests can read what was shown and answer it.
class Prompter {
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { Yes, No };

    virtual ~Prompter() = default;

    // A box with an OK button only.
    virtual void message(QWidget* parent, const QString& text, const QString& title,
                         Icon icon = Icon::None) = 0;
    // A Yes/No question; defaultYes chooses the default button.
    virtual Answer ask(QWidget* parent, const QString& text, const QString& title, Icon icon,
                       bool defaultYes) = 0;
    // A text entry box; returns nothing when the player cancels.
    virtual std::optional<QString> input(QWidget* parent, const QString& prompt,
                                         const QString& title, const QString& initial) = 0;
};

// The application title a box shows when it has no title of its own.
inline const QString kAppTitle = QStringLiteral("Lexiloop");
