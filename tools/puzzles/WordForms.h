#pragma once
#include <functional>
#include <string>

// Tells two forms of one word apart from two words: DRIVE and DRIVING,
// BOOK and BOOKS, LIGHT and LIGHTER share a stem, and one chain never holds
// both, as each would give the other away. The stemming is deliberately
// plain (a few English endings, a doubled consonant, a final E): a chance
// match such as CORN and CORNER costs one chain, a missed one a puzzle.
class WordForms {
public:
    // Upper-case word in, upper-case stem out; never shorter than 3 letters.
    static std::string stem(const std::string& word);
    static bool sameWord(const std::string& a, const std::string& b);

    // True when `whole` is `part` joined to another word of 3 letters or
    // more, as DESKTOP holds DESK and BIRTHDAY holds DAY: shown one above
    // the other, the compound gives the part away. `isWord` says which
    // strings are words; DRINK holds INK only by chance, as DR is none.
    static bool holdsWord(const std::string& whole, const std::string& part,
        const std::function<bool(const std::string&)>& isWord);
};
