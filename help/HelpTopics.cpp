#include "help/HelpTopics.h"

namespace {

// Paragraphs are separated by one empty line, which the word-wrapping body
// label shows as a gap.
QString paragraphs(const QString& first, const QString& second)
{
    return first + QStringLiteral("\n\n") + second;
}

std::array<HelpTopic, 4> buildTopics()
{
    return {{
        {QStringLiteral("Objective"), QStringLiteral("Objective"),
         QStringLiteral("The objective of Lexiloop is to guess the missing words in the chain. "
                        "Each word in the chain is a clue to the previous and following word. "
                        "You may ask to be shown a letter in the word you are trying to solve. "
                        "Each letter given, and each incorrect answer reduces your score. "
                        "Therefore, your objective is to solve the puzzle using as few clues "
                        "and incorrect guesses as possible.")},
        {QStringLiteral("Starting Game"), QStringLiteral("Starting the Game"),
         QStringLiteral("To begin a game, click on the 'PLAY' button under the word display "
                        "board. Then, using the four command buttons on the status board, "
                        "select which action you wish to do next.")},
        {QStringLiteral("Game Play"), QStringLiteral("Game Play"),
         paragraphs(
             QStringLiteral("Once you start play, you then use the four command buttons to "
                            "select your actions. The top two buttons are used to request the "
                            "next letter in the word to be shown. The bottom two buttons are "
                            "used to guess the word once you feel you know the answer."),
             QStringLiteral("At any time during play, you may quit by clicking the 'QUIT' "
                            "button under the word display board, HOWEVER, please note that "
                            "quiting a game before it is finished will result in a score of "
                            "0, and a reduction of your overall average score."))},
        {QStringLiteral("Tips"), QStringLiteral("A Few Tips"),
         paragraphs(
             QStringLiteral("Your score is based on the number of clues given to you and the "
                            "number of incorrect guesses you make. A tally of these are shown "
                            "at the top of the status board."),
             QStringLiteral("If you are solving the puzzle from the top down and you find "
                            "yourself stumped, start trying to solve the puzzle from the bottom "
                            "up instead of taking excess letters. Often, once you solve the "
                            "lower word, the missing word will become clear."))},
    }};
}

} // namespace

const std::array<HelpTopic, 4>& helpTopics()
{
    static const std::array<HelpTopic, 4> topics = buildTopics();
    return topics;
}
