#pragma once
#include "tests/faults/ScoreModel.h"

#include <random>
#include <string>

// Random but reproducible score files: players "P1".."Pn" with assorted
// numbers, now and then a second record under one name and a few stray
// bytes of a partial record at the end.
inline scoremodel::Bytes randomScoreImage(std::mt19937& rng, int players, bool duplicate, int tailBytes)
{
    scoremodel::Bytes image;
    auto add = [&](const std::string& name) {
        const auto rec = scoremodel::record(name, int32_t(rng() % 200000), int32_t(rng() % 300),
                                            int32_t(rng() % 1700));
        image.insert(image.end(), rec.begin(), rec.end());
    };
    for (int i = 1; i <= players; ++i)
        add("P" + std::to_string(i));
    if (duplicate)
        add("P" + std::to_string(1 + rng() % unsigned(players)));
    for (int i = 0; i < tailBytes; ++i)
        image.push_back(uint8_t(rng()));
    return image;
}
