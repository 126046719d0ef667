// libFuzzer entry point; the checks live in GameDataFuzz.cpp.
#include "tests/fuzz/FuzzBodies.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string problem = fuzzGameData(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "broken rule: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
