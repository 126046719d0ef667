#pragma once
#include "tools/puzzles/LinkGraph.h"

#include <array>
#include <map>
#include <random>
#include <set>
#include <unordered_map>
#include <vector>

using Chain = std::array<int, 7>;

// Finds chains of seven words in a link graph under the usage limits of the
// game data: a link in at most three chains, a word in at most twenty, and
// every hidden word the only word of its length in the graph that links to
// both of its neighbours, counting the other forms of an irregular verb.
// Only links at or above a score floor stand in a chain; the others still
// count as second answers. The search runs in
// tiers: first chains of good links only, then, while chains are still
// wanted, chains with at most one link below `good`, then two, and so on;
// within a tier it prefers good links, familiar words and links and words
// not used much yet.
// No two chains share three words in a row, and no chain holds two forms
// of one word.
// Ties are broken by word id, and the one random choice (which chains
// improving takes out) comes from a generator with a fixed seed, so the
// same graph always gives the same chains.
class ChainSearch {
public:
    struct Limits {
        int maxLinkUse = 3;
        int maxWordUse = 20;
        // 8 is a link graded GOOD by hand; makepuzzles scores WEAK links
        // below it and above the floor where a tier may use them.
        int good = 8;
        int floor = 8; // no link below it ever stands in a chain
        // The most links below `good` a chain may hold, tier by tier.
        std::vector<int> tiers = {0};
        int nodeBudget = 5000; // search steps tried from one top word
        // What one earlier shortage of a word or link adds to its cost.
        int historyWeight = 5;
        // Words with at least this many links the tier may use, in and out
        // together, are first kept off the two rows at each end of a chain
        // (0: never).
        int hubPartners = 25;
        // Once a tier's search ends short, this many times a few chains
        // (`improveRemove`) are taken out at random and the search run
        // again; the new chains stay when the bank is no worse (0: never).
        int improveSteps = 0;
        int improveRemove = 8;
    };

    // `wordCost`, by word id, ranks rarer words later in the search;
    // it may be empty.
    ChainSearch(const LinkGraph& graph, Limits limits, std::vector<int> wordCost = {});

    std::vector<Chain> run(int wanted);

    // Words and links that ran out in an earlier run cost more in this
    // one: spent early on chains that could have done without them, they
    // were missing later.
    struct History {
        std::vector<int> words; // by word id
        std::unordered_map<uint64_t, int> links; // by LinkGraph::key
    };
    void setHistory(History history) { m_history = std::move(history); }
    // The history after this run: one more for every word and link that
    // ran out.
    History nextHistory() const;

    // (tier, chains found once the search of that tier ended)
    const std::vector<std::pair<int, int>>& progress() const { return m_progress; }

    // Lower is easier: longer hidden words with more partners make it
    // harder.
    int difficulty(const Chain& chain) const;

private:
    void prepareFloor();
    void prepareTier(int tier);
    void searchTier(int tier, int wanted, std::vector<Chain>& found);
    bool isHubOnAnEnd(int depth, int word) const;
    bool searchFrom(int start, Chain& chain);
    bool extend(Chain& chain, int depth, int below, int& budget);
    std::vector<int> candidates(const Chain& chain, int depth, int below) const;
    bool belowGood(int from, int to) const { return m_graph.score(from, to) < m_limits.good; }
    bool usable(int from, int to) const;
    bool verbFormFits(int above, int hidden, int below) const;
    bool clashes(const Chain& chain, int depth, int word) const;
    void improve(int tier, int wanted, std::vector<Chain>& found);
    int linksBelowGood(const std::vector<Chain>& chains) const;
    void record(const Chain& chain);
    void forget(const Chain& chain);
    int cost(int word) const;
    int historyCost(int from, int word) const;

    const LinkGraph& m_graph;
    Limits m_limits;
    int m_tier = 0;
    bool m_keepHubsInside = false;
    // m_fewest[k][w]: the fewest links below `good` on a path of k links
    // above the floor from w (kNone: no such path).
    std::vector<std::vector<int>> m_fewest;
    std::unordered_map<uint64_t, int> m_linkUse; // by LinkGraph::key
    std::vector<int> m_wordUse;
    std::vector<std::string> m_stems; // by word id, see WordForms
    std::vector<char> m_hasVerbForms; // by word id, see VerbForms
    std::vector<int> m_inAbove;       // links the tier may use, by word id
    std::vector<int> m_outAbove;
    std::vector<int> m_wordCost;
    History m_history;
    std::set<Chain> m_chains;
    std::set<std::array<int, 3>> m_triples;
    std::vector<std::pair<int, int>> m_progress;
    std::mt19937 m_random; // default seed: the same chains every run
};
