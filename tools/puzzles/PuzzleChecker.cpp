#include "tools/puzzles/PuzzleChecker.h"

#include <map>
#include <set>

namespace {

std::string linkName(const std::string& a, const std::string& b)
{
    return a + " " + b;
}

std::string puzzleList(const std::vector<int>& puzzles)
{
    std::string text;
    for (int p : puzzles)
        text += (text.empty() ? "" : ", ") + std::to_string(p);
    return text;
}

} // namespace

PuzzleChecker::Report PuzzleChecker::check(const std::vector<uint8_t>& bytes,
    const LinkGraph* lists) const
{
    Report report;
    const std::size_t size = PuzzleCodec::kRecordSize;
    if (bytes.size() % size != 0)
        report.problems.push_back("file length " + std::to_string(bytes.size())
            + " is not a whole number of 77-byte records");
    report.records = static_cast<int>(bytes.size() / size);
    if (m_expectedRecords > 0 && report.records != m_expectedRecords)
        report.problems.push_back("file holds " + std::to_string(report.records)
            + " records, expected " + std::to_string(m_expectedRecords));

    std::map<std::string, std::vector<int>> wordUse;
    std::map<std::string, std::vector<int>> linkUse;
    std::map<PuzzleCodec::Words, int> firstSeen;
    for (int r = 0; r < report.records; ++r) {
        int puzzle = r + 1;
        std::string where = "puzzle " + std::to_string(puzzle) + ": ";
        std::vector<std::string> errors;
        auto words = PuzzleCodec::decode(bytes.data() + r * size, errors);
        for (const auto& e : errors)
            report.problems.push_back(where + e);
        std::set<std::string> inChain;
        for (const auto& w : words)
            if (!inChain.insert(w).second)
                report.problems.push_back(where + "word " + w + " appears twice");
        auto [it, fresh] = firstSeen.try_emplace(words, puzzle);
        if (!fresh)
            report.problems.push_back(where + "same chain as puzzle " + std::to_string(it->second));
        for (const auto& w : inChain)
            wordUse[w].push_back(puzzle);
        for (std::size_t i = 0; i + 1 < words.size(); ++i)
            linkUse[linkName(words[i], words[i + 1])].push_back(puzzle);
        if (lists && errors.empty())
            checkAgainstLists(puzzle, words, *lists, report);
    }

    for (const auto& [link, puzzles] : linkUse) {
        if (static_cast<int>(puzzles.size()) > m_maxLinkUse)
            report.problems.push_back("link " + link + " is in "
                + std::to_string(puzzles.size()) + " chains: " + puzzleList(puzzles));
        if (static_cast<int>(puzzles.size()) > report.topLinkUse) {
            report.topLinkUse = static_cast<int>(puzzles.size());
            report.topLink = link;
        }
    }
    for (const auto& [word, puzzles] : wordUse) {
        if (static_cast<int>(puzzles.size()) > m_maxWordUse)
            report.problems.push_back("word " + word + " is in "
                + std::to_string(puzzles.size()) + " chains");
        if (static_cast<int>(puzzles.size()) > report.topWordUse) {
            report.topWordUse = static_cast<int>(puzzles.size());
            report.topWord = word;
        }
    }
    report.distinctWords = static_cast<int>(wordUse.size());
    report.distinctLinks = static_cast<int>(linkUse.size());
    return report;
}

// Every link must be a known compound, and each hidden word must be the
// only known word that fits between its neighbours: otherwise a player
// could give a right answer and be told it is wrong.
void PuzzleChecker::checkAgainstLists(int puzzle, const PuzzleCodec::Words& words,
    const LinkGraph& lists, Report& report) const
{
    std::string where = "puzzle " + std::to_string(puzzle) + ": ";
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (!lists.hasLink(words[i], words[i + 1]))
            report.problems.push_back(where + "link " + linkName(words[i], words[i + 1])
                + " is not in the link list");
    for (std::size_t i = 1; i + 1 < words.size(); ++i) {
        int above = lists.id(words[i - 1]);
        int below = lists.id(words[i + 1]);
        if (above < 0 || below < 0)
            continue;
        std::string others;
        for (int m : lists.middles(above, below))
            if (lists.word(m) != words[i])
                others += " " + lists.word(m);
        if (!others.empty())
            report.problems.push_back(where + "hidden word " + words[i]
                + " is not the only answer between " + words[i - 1] + " and "
                + words[i + 1] + "; also:" + others);
    }
}
