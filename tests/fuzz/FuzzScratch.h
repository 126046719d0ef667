#pragma once
#include <string>

// A path in a scratch folder that lives as long as the process and is
// removed at exit. The folder is in memory where the system offers one, so
// that sorting's fsync does not slow the fuzzing down to the disk's pace.
std::string fuzzScratchPath(const std::string& fileName);
