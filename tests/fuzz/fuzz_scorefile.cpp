// libFuzzer entry point; the checks live in ScoreFileFuzz.cpp.
#include "tests/fuzz/FuzzBodies.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string problem = fuzzScoreFile(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "broken rule: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
