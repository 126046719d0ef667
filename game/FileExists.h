#pragma once
#include <cstdint>
#include <string>

// True (-1) when the named file can be opened for reading, False (0)
// otherwise; it never reports an error of its own.
constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

int16_t FileExists(const std::string& name);
