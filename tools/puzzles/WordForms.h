#pragma once
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
};
