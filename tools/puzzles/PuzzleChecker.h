#pragma once
#include "tools/puzzles/GradedLinks.h"
#include "tools/puzzles/LinkGraph.h"
#include "tools/puzzles/PuzzleCodec.h"
#include "tools/puzzles/SpellingVariants.h"

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

// Holds a game-data file to the rules of a good puzzle set and counts what
// it uses. The rules that need word knowledge are checked only against the
// lists given.
class PuzzleChecker {
public:
    // Each may be missing.
    struct Lists {
        // Every link a player might think of: the WordNet-derived list with
        // the GOOD and WEAK graded links. A hidden word must be the only
        // answer of its length between its neighbours.
        const LinkGraph* answers = nullptr;
        // Links graded GOOD stand in a chain, and up to m_maxWeak links
        // graded WEAK; BAD and ungraded links never do.
        const GradedLinks* graded = nullptr;
        // No word spelt differently in Britain and America.
        const SpellingVariants* spellings = nullptr;
    };

    // The rules a chain can break, as named in the report.
    static constexpr const char* kFormat = "record format";
    static constexpr const char* kRepeatedWord = "word twice in a chain";
    static constexpr const char* kRepeatedChain = "chain twice in the file";
    static constexpr const char* kLinkUse = "link in more than 3 chains";
    static constexpr const char* kWordUse = "word in more than 20 chains";
    static constexpr const char* kTriple = "three words in a row of another chain";
    static constexpr const char* kNotUsable = "link graded BAD or not graded";
    static constexpr const char* kTooWeak = "more WEAK links than allowed";
    static constexpr const char* kSecondAnswer = "second answer of the same length";
    static constexpr const char* kSpelling = "spelling differs in British and American";
    static constexpr const char* kWordForms = "two forms of one word, or a compound and its part";
    static const std::vector<std::string>& rules();

    struct Report {
        std::vector<std::string> problems;
        std::map<std::string, std::set<int>> refused; // rule -> puzzles breaking it
        int records = 0;
        int distinctWords = 0;
        int distinctLinks = 0;
        std::string topLink;
        int topLinkUse = 0;
        std::string topWord;
        int topWordUse = 0;
        // With a graded list: chains by how many WEAK links they hold, and
        // for each quarter of the file its GOOD links and all its links.
        std::map<int, int> chainsByWeakLinks;
        std::array<std::pair<int, int>, 4> goodLinksByQuarter{};
        bool ok() const { return problems.empty(); }
    };

    int m_expectedRecords = 1597; // 0: any number
    int m_maxLinkUse = 3;
    int m_maxWordUse = 20;
    int m_maxWeak = 0; // WEAK links a chain may hold

    Report check(const std::vector<uint8_t>& bytes, const Lists& lists) const;
    Report check(const std::vector<uint8_t>& bytes) const; // no lists

private:
    void checkWords(int puzzle, const PuzzleCodec::Words& words, const Lists& lists,
        Report& report) const;
    void checkCompounds(int puzzle, const PuzzleCodec::Words& words, const LinkGraph& answers,
        Report& report) const;
    void checkGrades(int puzzle, const PuzzleCodec::Words& words, const GradedLinks& graded,
        Report& report) const;
    void checkAnswers(int puzzle, const PuzzleCodec::Words& words, const LinkGraph& answers,
        Report& report) const;
};
