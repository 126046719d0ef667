#pragma once
#include "tools/puzzles/LinkGraph.h"
#include "tools/puzzles/PuzzleCodec.h"

#include <cstdint>
#include <string>
#include <vector>

// Holds a game-data file to the rules of a good puzzle set and counts what
// it uses. Without a link list only the rules that need no word knowledge
// are checked.
class PuzzleChecker {
public:
    struct Report {
        std::vector<std::string> problems;
        int records = 0;
        int distinctWords = 0;
        int distinctLinks = 0;
        std::string topLink;
        int topLinkUse = 0;
        std::string topWord;
        int topWordUse = 0;
        bool ok() const { return problems.empty(); }
    };

    int m_expectedRecords = 1597; // 0: any number
    int m_maxLinkUse = 3;
    int m_maxWordUse = 20;

    Report check(const std::vector<uint8_t>& bytes, const LinkGraph* lists) const;

private:
    void checkAgainstLists(int puzzle, const PuzzleCodec::Words& words,
        const LinkGraph& lists, Report& report) const;
};
