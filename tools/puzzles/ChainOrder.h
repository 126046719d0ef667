#pragma once
#include "tools/puzzles/ChainSearch.h"

#include <functional>
#include <vector>

// Puts the chains in playing order: easiest first, but a chain that shares
// a word with one of the last few puzzles waits while a nearly-as-easy
// chain without that word can go first, so that a player does not meet
// SIDE in five puzzles running. Chains may come in groups (by how many WEAK
// links they hold): each group is spread evenly over the whole order,
// easiest first within it, so that every stretch of the bank holds about
// the same share of each group.
class ChainOrder {
public:
    int m_window = 40;    // how far ahead of the easiest chain to look
    int m_memory = 8;     // how many previous puzzles must not share a word

    std::vector<Chain> order(std::vector<Chain> chains,
        const std::function<int(const Chain&)>& difficulty,
        const std::function<int(const Chain&)>& group = {}) const;
};
