#pragma once
#include "players/PlayerRecord.h"

#include <cstddef>
#include <vector>

// The order of the scores table: positions into records, highest average
// first, averages compared in single precision, equal averages in their
// stored order. This is exactly where a pass-by-pass bubble sort that swaps
// neighbours only when the first is strictly lower ends up.
std::vector<std::size_t> averageOrder(const std::vector<PlayerRecord>& records);

// The same order applied to a copy of the records.
std::vector<PlayerRecord> sortedByAverage(const std::vector<PlayerRecord>& records);
