#include "game/Scoring.h"

#include <cmath>
#include <limits>

int16_t roundScore(int32_t penalties, int32_t hiddenLetters)
{
    if (hiddenLetters <= 0)
        return 0;
    const float ratio = float(penalties) / float(hiddenLetters);
    const float raw = (1.0f - ratio) * 1000.0f;
    const float rounded = std::nearbyint(raw); // the default mode rounds half to even
    if (rounded < 0.0f)
        return 1;
    return int16_t(rounded);
}

std::string formatCount(int64_t value)
{
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string congratulationsText(int16_t score, double average)
{
    const auto whole = int64_t(std::trunc(average));
    return "Congratulations! You have finished.\n\nYour score this round is " + formatCount(score)
        + "\n\nYour average score to date is " + formatCount(whole);
}

int16_t bumpCounter(int16_t value)
{
    return value == std::numeric_limits<int16_t>::max() ? value : int16_t(value + 1);
}
