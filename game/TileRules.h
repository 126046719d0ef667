#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// The tile pictures: holder 2 is the blank tile, 3 the covered tile and
// 4 + k the letter with alphabet position k ("A" is 4, "Z" is 29).
constexpr int kBlankHolder = 2;
constexpr int kCoveredHolder = 3;
constexpr int kFirstLetterHolder = 4;
constexpr int kTileCount = 70;
constexpr int kTilesPerRow = 10;

// The holder whose picture shows this letter, in either case. Anything but
// one letter A-Z yields nothing, so the tile is left as it was.
std::optional<int> letterHolder(std::string_view letter);

inline bool isTileIndex(int index) { return index >= 0 && index < kTileCount; }
