#pragma once
#include "game/PuzzleRec.h"

#include <string>
#include <vector>

// Hand-made game-data files for tests.
inline std::vector<uint8_t> chainBytes(const std::vector<std::string>& words)
{
    PuzzleBytes bytes;
    bytes.fill(' ');
    for (std::size_t w = 0; w < words.size() && w < kChainLength; ++w)
        for (std::size_t i = 0; i < words[w].size() && i < kWordFieldSize; ++i)
            bytes[w * kWordFieldSize + i] = uint8_t(words[w][i]);
    return {bytes.begin(), bytes.end()};
}

inline std::vector<uint8_t> chainFile(const std::vector<std::vector<std::string>>& chains)
{
    std::vector<uint8_t> file;
    for (const auto& chain : chains) {
        const auto bytes = chainBytes(chain);
        file.insert(file.end(), bytes.begin(), bytes.end());
    }
    return file;
}

// SNOW BALL ROOM MATE SHIP YARD STICK: 4 + 4 + 4 + 4 + 4 = 20 hidden letters.
inline const std::vector<std::string> kSnowChain = {"SNOW", "BALL", "ROOM", "MATE",
                                                    "SHIP", "YARD", "STICK"};
