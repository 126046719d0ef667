#include "game/PuzzleNumber.h"

int32_t effectiveNextPuzzle(int32_t stored)
{
    return (stored < 1 || stored > kPuzzleCount) ? 1 : stored;
}

int32_t advancedPuzzle(int32_t stored)
{
    const int32_t current = effectiveNextPuzzle(stored);
    return current == kPuzzleCount ? 1 : current + 1;
}
