#include "tests/fuzz/FuzzScratch.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

const std::string& scratchFolder()
{
    static const std::string folder = [] {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "lexiloop-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        return pattern;
    }();
    static const bool cleanedAtExit = [] {
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(), ignored);
        });
        return true;
    }();
    (void)cleanedAtExit;
    return folder;
}

} // namespace

std::string fuzzScratchPath(const std::string& fileName) { return scratchFolder() + "/" + fileName; }
