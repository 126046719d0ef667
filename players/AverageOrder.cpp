#include "players/AverageOrder.h"

#include <algorithm>
#include <numeric>

std::vector<std::size_t> averageOrder(const std::vector<PlayerRecord>& records)
{
    std::vector<float> key(records.size());
    std::transform(records.begin(), records.end(), key.begin(), playerAverageSingle);
    std::vector<std::size_t> order(records.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // No average is ever NaN (no rounds counts as 0), so ">" is a strict weak
    // order and a stable sort matches the swap-only-when-lower bubble sort.
    std::stable_sort(order.begin(), order.end(),
                     [&key](std::size_t a, std::size_t b) { return key[a] > key[b]; });
    return order;
}

std::vector<PlayerRecord> sortedByAverage(const std::vector<PlayerRecord>& records)
{
    std::vector<PlayerRecord> out;
    out.reserve(records.size());
    for (std::size_t i : averageOrder(records))
        out.push_back(records[i]);
    return out;
}
