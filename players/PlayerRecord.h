#pragma once
#include "game/PuzzleNumber.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

// One player of the score file: 32 bytes on disk, no padding.
//   0-19  Name         Windows-1252 text, blank-padded on the right
//   20-23 TotalScore   little-endian signed 32-bit
//   24-27 TimesPlayed  little-endian signed 32-bit
//   28-31 NextPuzzle   little-endian signed 32-bit
// In memory the name is kept as UTF-8 with its trailing blanks removed.
struct PlayerRecord {
    std::string Name;
    int32_t TotalScore = 0;
    int32_t TimesPlayed = 0;
    int32_t NextPuzzle = 1;
};

constexpr std::size_t kPlayerRecordSize = 32;
constexpr std::size_t kPlayerNameSize = 20;

using PlayerBytes = std::array<uint8_t, kPlayerRecordSize>;

// The name must already be known to fit (see Cp1252.h); longer names are cut.
PlayerBytes encodePlayerRecord(const PlayerRecord& rec);
PlayerRecord decodePlayerRecord(std::span<const uint8_t, kPlayerRecordSize> bytes);

// Average for display and ordering; a player with no rounds counts as 0.
double playerAverage(const PlayerRecord& rec);
float playerAverageSingle(const PlayerRecord& rec);
