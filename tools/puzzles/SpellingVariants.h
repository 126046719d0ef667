#pragma once
#include <set>
#include <string>

// Words spelt one way in Britain and another in America (COLOUR and COLOR,
// TYRE and TIRE). A player who types the other spelling would be told
// WRONG, so no chain uses such a word anywhere. Words are upper case.
class SpellingVariants {
public:
    // From the two lower-case word lists: every word in one list and not
    // the other, and every word of the other list that is such a word
    // respelt by a known British/American rule (TIRE for TYRE, LICENSE for
    // LICENCE), as a word in both lists can still be one side's spelling;
    // and both words of a pair that differ only in a British or American
    // ending (PROGRAMME and PROGRAM), even when both lists have both.
    void build(const std::set<std::string>& british, const std::set<std::string>& american);

    // spelling.txt: one upper-case word a line, '#' starts a comment.
    bool load(const std::string& path, std::string& error);
    // Saves the words that are also in `only`, to keep the file to the
    // words the puzzles could meet.
    bool save(const std::string& path, const std::string& header,
        const std::set<std::string>& only) const;

    bool differs(const std::string& word) const { return m_words.count(word) > 0; }
    const std::set<std::string>& words() const { return m_words; }

private:
    std::set<std::string> m_words;
};
