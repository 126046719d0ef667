#pragma once
#include "tools/puzzles/CuratedLists.h"
#include "tools/puzzles/LinkGraph.h"
#include "tools/puzzles/SplitGuard.h"
#include "tools/puzzles/WordNetReader.h"

#include <set>
#include <string>
#include <unordered_map>
#include <vector>

// Turns WordNet, a list of common words and the curated lists into the
// link graph. Scores run from 0 (known to WordNet but obscure: kept only so
// that a hidden word is never one of two right answers) through 1 (a real
// but little-used phrase) to 8 (everyday, or vouched for by hand).
class LinkBuilder {
public:
    // `commonWords` decides which words may stand in a chain; `knownWords`, a
    // larger list, vouches for closed compounds the short list lacks.
    LinkBuilder(const WordNetReader& wordNet, const std::set<std::string>& commonWords,
        const std::set<std::string>& knownWords, const CuratedLists& lists);

    LinkGraph build();

    // Closed compounds in the common-words list that the false-split guard
    // turned away, for whoever keeps allow.txt.
    const std::vector<std::string>& rejectedSplits() const { return m_rejected; }

    static constexpr int kAllowedScore = 8;

private:
    bool familiar(const std::string& word) const;
    bool hasLowerCaseForm(const std::string& lemma) const;
    void addClosed(LinkGraph& graph, const std::string& lemma);
    void addOpen(LinkGraph& graph, const std::string& lemma, std::size_t split);
    bool describesHead(const std::string& lemma, const std::string& second) const;
    bool neverInChains(const std::string& lemma, const WnLemma& entry,
        const std::string& second, int phraseUse) const;
    int lexFileBonus(const WnLemma& entry) const;
    int openScore(const std::string& lemma, const std::string& first) const;
    void countPhraseUse();
    void add(LinkGraph& graph, const std::string& first, const std::string& second, int score);

    const WordNetReader& m_wordNet;
    const std::set<std::string>& m_common;
    const std::set<std::string>& m_known;
    const CuratedLists& m_lists;
    SplitGuard m_guard;
    std::unordered_map<std::string, int> m_phraseUse;
    std::vector<std::string> m_rejected;
};
