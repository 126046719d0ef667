#include "tools/puzzles/PuzzleChecker.h"
#include "tools/puzzles/VerbForms.h"
#include "tools/puzzles/WordForms.h"

#include <algorithm>
#include <array>

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

void refuse(PuzzleChecker::Report& report, const char* rule, int puzzle, const std::string& text)
{
    report.problems.push_back(text);
    report.refused[rule].insert(puzzle);
}

} // namespace

const std::vector<std::string>& PuzzleChecker::rules()
{
    static const std::vector<std::string> all = {kFormat, kRepeatedWord, kRepeatedChain,
        kLinkUse, kWordUse, kTriple, kNotUsable, kTooWeak, kSecondAnswer, kSpelling, kWordForms};
    return all;
}

PuzzleChecker::Report PuzzleChecker::check(const std::vector<uint8_t>& bytes) const
{
    return check(bytes, Lists{});
}

PuzzleChecker::Report PuzzleChecker::check(const std::vector<uint8_t>& bytes, const Lists& lists) const
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
    std::map<std::array<std::string, 3>, int> tripleSeen;
    for (int r = 0; r < report.records; ++r) {
        int puzzle = r + 1;
        std::string where = "puzzle " + std::to_string(puzzle) + ": ";
        std::vector<std::string> errors;
        auto words = PuzzleCodec::decode(bytes.data() + r * size, errors);
        for (const auto& e : errors)
            refuse(report, kFormat, puzzle, where + e);
        std::set<std::string> inChain;
        for (const auto& w : words)
            if (!inChain.insert(w).second)
                refuse(report, kRepeatedWord, puzzle, where + "word " + w + " appears twice");
        auto [it, fresh] = firstSeen.try_emplace(words, puzzle);
        if (!fresh)
            refuse(report, kRepeatedChain, puzzle,
                where + "same chain as puzzle " + std::to_string(it->second));
        // Near-copies: two chains never share three words in a row.
        for (std::size_t i = 0; fresh && i + 2 < words.size(); ++i) {
            auto [t, first] = tripleSeen.try_emplace({words[i], words[i + 1], words[i + 2]}, puzzle);
            if (!first && t->second != puzzle)
                refuse(report, kTriple, puzzle, where + words[i] + " " + words[i + 1] + " "
                    + words[i + 2] + " is also in puzzle " + std::to_string(t->second));
        }
        for (const auto& w : inChain)
            wordUse[w].push_back(puzzle);
        for (std::size_t i = 0; i + 1 < words.size(); ++i)
            linkUse[linkName(words[i], words[i + 1])].push_back(puzzle);
        if (errors.empty())
            checkWords(puzzle, words, lists, report);
    }

    for (const auto& [link, puzzles] : linkUse) {
        if (static_cast<int>(puzzles.size()) > m_maxLinkUse) {
            report.problems.push_back("link " + link + " is in "
                + std::to_string(puzzles.size()) + " chains: " + puzzleList(puzzles));
            report.refused[kLinkUse].insert(puzzles.begin() + m_maxLinkUse, puzzles.end());
        }
        if (static_cast<int>(puzzles.size()) > report.topLinkUse) {
            report.topLinkUse = static_cast<int>(puzzles.size());
            report.topLink = link;
        }
    }
    for (const auto& [word, puzzles] : wordUse) {
        if (static_cast<int>(puzzles.size()) > m_maxWordUse) {
            report.problems.push_back("word " + word + " is in "
                + std::to_string(puzzles.size()) + " chains");
            report.refused[kWordUse].insert(puzzles.begin() + m_maxWordUse, puzzles.end());
        }
        if (static_cast<int>(puzzles.size()) > report.topWordUse) {
            report.topWordUse = static_cast<int>(puzzles.size());
            report.topWord = word;
        }
    }
    report.distinctWords = static_cast<int>(wordUse.size());
    report.distinctLinks = static_cast<int>(linkUse.size());
    return report;
}

// The rules of one chain's words: every link graded GOOD or WEAK, no more
// WEAK ones than allowed, no word spelt two ways, no word beside another
// form of itself, one answer per hidden word.
void PuzzleChecker::checkWords(int puzzle, const PuzzleCodec::Words& words, const Lists& lists,
    Report& report) const
{
    std::string where = "puzzle " + std::to_string(puzzle) + ": ";
    if (lists.graded)
        checkGrades(puzzle, words, *lists.graded, report);
    for (const auto& w : words)
        if (lists.spellings && lists.spellings->differs(w))
            refuse(report, kSpelling, puzzle, where + "word " + w
                + " is spelt differently in British and American English");
    for (std::size_t i = 0; i < words.size(); ++i)
        for (std::size_t j = i + 1; j < words.size(); ++j)
            if (words[i] != words[j] && WordForms::sameWord(words[i], words[j]))
                refuse(report, kWordForms, puzzle,
                    where + words[i] + " and " + words[j] + " are forms of one word");
    if (lists.answers)
        checkCompounds(puzzle, words, *lists.answers, report);
    if (lists.answers)
        checkAnswers(puzzle, words, *lists.answers, report);
}

// DESKTOP above or below DESK gives the hidden one away.
void PuzzleChecker::checkCompounds(int puzzle, const PuzzleCodec::Words& words,
    const LinkGraph& answers, Report& report) const
{
    auto isWord = [&](const std::string& w) { return answers.id(w) >= 0; };
    for (const auto& whole : words)
        for (const auto& part : words)
            if (WordForms::holdsWord(whole, part, isWord))
                refuse(report, kWordForms, puzzle, "puzzle " + std::to_string(puzzle) + ": " + whole
                    + " holds " + part);
}

void PuzzleChecker::checkGrades(int puzzle, const PuzzleCodec::Words& words,
    const GradedLinks& graded, Report& report) const
{
    std::string where = "puzzle " + std::to_string(puzzle) + ": ";
    int weak = 0;
    int good = 0;
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        std::string link = linkName(words[i], words[i + 1]);
        auto verdict = graded.verdict(words[i], words[i + 1]);
        if (!verdict)
            refuse(report, kNotUsable, puzzle, where + "link " + link + " is not graded");
        else if (*verdict == GradedLinks::Verdict::Bad)
            refuse(report, kNotUsable, puzzle, where + "link " + link + " is graded BAD");
        weak += verdict == GradedLinks::Verdict::Weak;
        good += verdict == GradedLinks::Verdict::Good;
    }
    if (weak > m_maxWeak)
        refuse(report, kTooWeak, puzzle, where + std::to_string(weak)
            + (weak == 1 ? " link" : " links") + " graded WEAK, at most "
            + std::to_string(m_maxWeak) + " allowed");
    ++report.chainsByWeakLinks[weak];
    auto& quarter = report.goodLinksByQuarter[std::size_t((puzzle - 1) * 4 / std::max(report.records, 1))];
    quarter.first += good;
    quarter.second += static_cast<int>(words.size()) - 1;
}

// Each hidden word must be the only word of its length that links to both
// its neighbours, the other forms of an irregular verb included: otherwise a player could give a right answer and be told
// it is wrong.
void PuzzleChecker::checkAnswers(int puzzle, const PuzzleCodec::Words& words,
    const LinkGraph& answers, Report& report) const
{
    for (std::size_t i = 1; i + 1 < words.size(); ++i) {
        int above = answers.id(words[i - 1]);
        int below = answers.id(words[i + 1]);
        if (above < 0 || below < 0)
            continue;
        std::string others;
        for (int m : answers.middles(above, below))
            if (answers.word(m) != words[i] && answers.word(m).size() == words[i].size())
                others += " " + answers.word(m);
        auto hasLink = [&](const std::string& a, const std::string& b) { return answers.hasLink(a, b); };
        for (const auto& form : VerbForms::secondAnswers(words[i - 1], words[i], words[i + 1], hasLink))
            others += " " + form;
        if (!others.empty())
            refuse(report, kSecondAnswer, puzzle, "puzzle " + std::to_string(puzzle)
                + ": hidden word " + words[i] + " is not the only answer between "
                + words[i - 1] + " and " + words[i + 1] + "; also:" + others);
    }
}
