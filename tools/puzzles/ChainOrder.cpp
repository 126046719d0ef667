#include "tools/puzzles/ChainOrder.h"

#include <algorithm>
#include <deque>
#include <list>
#include <map>
#include <tuple>

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
    const std::function<int(const Chain&)>& difficulty,
    const std::function<int(const Chain&)>& group) const
{
    // Ties fall back to the chains' own order, so the result never depends
    // on how the sort treats equal keys.
    std::map<int, std::vector<std::pair<int, Chain>>> groups;
    for (const Chain& c : chains)
        groups[group ? group(c) : 0].emplace_back(difficulty(c), c);
    // The k-th easiest of a group of n takes the place (k + 1/2) / n of the
    // way through the bank; compared as fractions, exactly.
    std::vector<std::tuple<long long, long long, int, int, Chain>> keyed;
    for (auto& [g, members] : groups) {
        std::sort(members.begin(), members.end());
        long long n = static_cast<long long>(members.size());
        for (long long k = 0; k < n; ++k)
            keyed.emplace_back(2 * k + 1, 2 * n, g, members[k].first, members[k].second);
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        long long left = std::get<0>(a) * std::get<1>(b);
        long long right = std::get<0>(b) * std::get<1>(a);
        if (left != right)
            return left < right;
        return std::tie(std::get<2>(a), std::get<3>(a), std::get<4>(a))
            < std::tie(std::get<2>(b), std::get<3>(b), std::get<4>(b));
    });
    std::list<Chain> waiting;
    for (const auto& k : keyed)
        waiting.push_back(std::get<4>(k));

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
