#pragma once
#include <cstdint>
#include <string>
#include <variant>

// What one operation of the game did. Each kind carries only its own data;
// the board, counters and captions are drawn from the round state, so an
// outcome says only what the window cannot read there: which sound, which
// message, which word to show before the board is cleared.
namespace outcome {

struct Ignored {};           // no round, or not allowed now
struct ChoosePlayer {};      // PLAY: the player dialog opens
struct ChoiceCancelled {};   // the player dialog goes without a round
struct RoundStarted {};
struct StartFailed {         // the puzzle or the score file could not be used
    std::string error;
};
struct Refused {};           // only one letter of the word is left hidden
struct LetterTaken {
    int row = 0;
    int column = 0;
    char letter = 0;
};
struct GuessCancelled {};    // an empty answer counts for nothing
struct WrongGuess {};
struct WordSolved {
    int row = 0;
    std::string word;
};
struct RoundFinished {       // the fifth word was solved and the round counted
    int row = 0;             // the last word solved, shown while the score is
    std::string word;
    int16_t score = 0;
    double average = 0;      // 0 when the round could not be counted
    std::string error;       // why it could not be counted, if it could not
};
struct AskQuit {             // a round runs: the player must confirm
    bool thenExit = false;   // the program ends once the quit is confirmed
};
struct QuitRecorded {        // the round was counted as a 0
    std::string error;
};
struct MayExit {};           // no round runs: the program may end now

} // namespace outcome

using Outcome = std::variant<outcome::Ignored, outcome::ChoosePlayer, outcome::ChoiceCancelled,
                             outcome::RoundStarted, outcome::StartFailed, outcome::Refused,
                             outcome::LetterTaken, outcome::GuessCancelled, outcome::WrongGuess,
                             outcome::WordSolved, outcome::RoundFinished, outcome::AskQuit,
                             outcome::QuitRecorded, outcome::MayExit>;
