#pragma once
#include "tools/puzzles/LinkGraph.h"

#include <array>
#include <map>
#include <set>
#include <unordered_map>
#include <vector>

using Chain = std::array<int, 7>;

// Finds chains of seven words in a link graph under the usage limits of the
// game data: a link in at most three chains, a word in at most twenty, and
// every hidden word the only word of its length in the graph that links to
// both of its neighbours. Only links at or above a score floor stand in a
// chain; the others still count as second answers. The search runs at
// falling floors, and within a floor prefers strong links, familiar words
// and links and words not used much yet.
// No two chains share three words in a row, and no chain holds two forms
// of one word.
// There is no randomness; ties are broken by word id.
class ChainSearch {
public:
    struct Limits {
        int maxLinkUse = 3;
        int maxWordUse = 20;
        // 8 is a link graded GOOD by hand, the only kind makepuzzles lets
        // into a chain; lower floors are for graphs scored otherwise.
        std::vector<int> floors = {8};
        int nodeBudget = 5000; // search steps tried from one top word
    };

    // `wordCost`, by word id, ranks rarer words later in the search;
    // it may be empty.
    ChainSearch(const LinkGraph& graph, Limits limits, std::vector<int> wordCost = {});

    std::vector<Chain> run(int wanted);

    // (score floor, chains found once the search at that floor ended)
    const std::vector<std::pair<int, int>>& progress() const { return m_progress; }

    // Lower is easier: longer hidden words with more partners make it
    // harder.
    int difficulty(const Chain& chain) const;

private:
    void prepareFloor(int floor);
    bool searchFrom(int start, Chain& chain);
    bool extend(Chain& chain, int depth, int& budget);
    std::vector<int> candidates(const Chain& chain, int depth) const;
    bool usable(int from, int to) const;
    bool clashes(const Chain& chain, int depth, int word) const;
    void record(const Chain& chain);
    int cost(int word) const;

    const LinkGraph& m_graph;
    Limits m_limits;
    int m_floor = 0;
    // m_reach[k][w]: w can start a path of k more links above the floor.
    std::vector<std::vector<char>> m_reach;
    std::unordered_map<uint64_t, int> m_linkUse; // by LinkGraph::key
    std::vector<int> m_wordUse;
    std::vector<std::string> m_stems; // by word id, see WordForms
    std::vector<int> m_inAbove;       // links above the floor, by word id
    std::vector<int> m_outAbove;
    std::vector<int> m_wordCost;
    std::set<Chain> m_chains;
    std::set<std::array<int, 3>> m_triples;
    std::vector<std::pair<int, int>> m_progress;
};
