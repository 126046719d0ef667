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
// every hidden word the only word of the graph that links to both of its
// neighbours. Best-known links are used first: the search runs at falling
// score floors, and within a floor prefers strong links, familiar words and
// links and words not used much yet.
// No two chains share three words in a row.
// There is no randomness; ties are broken by word id.
class ChainSearch {
public:
    struct Limits {
        int maxLinkUse = 3;
        int maxWordUse = 20;
        // 8 is the hand-vouched top score: the first chains are made of
        // nothing else. There is no pass at 2: it would spend the free
        // words on links hardly better than 1, and the last chains would
        // then not be found at all.
        std::vector<int> floors = {8, 7, 6, 5, 4, 3, 1};
        int nodeBudget = 5000; // search steps tried from one top word
    };

    // `wordCost`, by word id, adds to a chain's difficulty for rarer words;
    // it may be empty.
    ChainSearch(const LinkGraph& graph, Limits limits, std::vector<int> wordCost = {});

    std::vector<Chain> run(int wanted);

    // (score floor, chains found once the search at that floor ended)
    const std::vector<std::pair<int, int>>& progress() const { return m_progress; }

    // Lower is easier: what the chain's links fall short of the best score,
    // plus the cost of its words.
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
    std::vector<int> m_wordCost;
    std::set<Chain> m_chains;
    std::set<std::array<int, 3>> m_triples;
    std::vector<std::pair<int, int>> m_progress;
};
