#include "tools/puzzles/ChainOrder.h"

#include <algorithm>
#include <deque>
#include <list>

namespace {

bool sharesWord(const Chain& a, const Chain& b)
{
    for (int x : a)
        for (int y : b)
            if (x == y)
                return true;
    return false;
}

} // namespace

std::vector<Chain> ChainOrder::order(std::vector<Chain> chains,
    const std::function<int(const Chain&)>& difficulty) const
{
    std::vector<std::pair<int, Chain>> keyed;
    for (const Chain& c : chains)
        keyed.emplace_back(difficulty(c), c);
    // Ties fall back to the chains' own order, so the result never depends
    // on how the sort treats equal keys.
    std::sort(keyed.begin(), keyed.end());
    std::list<Chain> waiting;
    for (const auto& [d, c] : keyed)
        waiting.push_back(c);

    std::vector<Chain> placed;
    std::deque<Chain> recent;
    while (!waiting.empty()) {
        auto pick = waiting.begin();
        int looked = 0;
        for (auto it = waiting.begin(); it != waiting.end() && looked < m_window; ++it, ++looked) {
            bool clear = std::none_of(recent.begin(), recent.end(),
                [&](const Chain& r) { return sharesWord(*it, r); });
            if (clear) {
                pick = it;
                break;
            }
        }
        placed.push_back(*pick);
        recent.push_back(*pick);
        if (static_cast<int>(recent.size()) > m_memory)
            recent.pop_front();
        waiting.erase(pick);
    }
    return placed;
}
