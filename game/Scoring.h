#pragma once
#include <cstdint>
#include <string>

// (1 - penalties / hidden letters) x 1000 in single precision, rounded half
// to even; a negative result is stored as 1 however far below zero it is.
int16_t roundScore(int32_t penalties, int32_t hiddenLetters);

// A number as the board and the messages show it: a blank before a
// non-negative value (" 0", " 938"), a minus sign otherwise.
std::string formatCount(int64_t value);

std::string congratulationsText(int16_t score, double average);

// Counters stop at the 16-bit limit instead of wrapping.
int16_t bumpCounter(int16_t value);
