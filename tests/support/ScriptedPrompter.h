#pragma once
#include "ui/Prompter.h"

#include <QStringList>
#include <deque>
#include <vector>

// Records every box the game shows and answers from a script, so widget
// tests can play whole rounds without a person at the keyboard.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString kind; // "message", "ask" or "input"
        QString text;
        QString title;
        Icon icon = Icon::None;
        bool defaultYes = false;
    };

    std::vector<Shown> shown;
    std::deque<Answer> answers;                 // for ask(); No when empty
    std::deque<std::optional<QString>> inputs;  // for input(); cancel when empty

    void message(QWidget*, const QString& text, const QString& title, Icon icon) override
    {
        shown.push_back({"message", text, title, icon, false});
    }
    Answer ask(QWidget*, const QString& text, const QString& title, Icon icon,
               bool defaultYes) override
    {
        shown.push_back({"ask", text, title, icon, defaultYes});
        if (answers.empty())
            return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> input(QWidget*, const QString& prompt, const QString& title,
                                 const QString&) override
    {
        shown.push_back({"input", prompt, title, Icon::None, false});
        if (inputs.empty())
            return std::nullopt;
        auto a = inputs.front();
        inputs.pop_front();
        return a;
    }
};
