// Writes the game's three sound effects, hit.wav, not.wav and wins.wav,
// into the folder given as the only argument (the current folder without one).
#include "tools/waves/Effects.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    const std::string dir = argc > 1 ? std::string(argv[1]) + "/" : std::string();
    constexpr int rate = 22050;
    const struct {
        const char* name;
        WavFile wav;
    } files[] = {
        {"hit.wav", Effects::tick(rate)},
        {"not.wav", Effects::buzz(rate)},
        {"wins.wav", Effects::flourish(rate)},
    };
    for (const auto& f : files) {
        if (!f.wav.write(dir + f.name)) {
            std::fprintf(stderr, "makewaves: cannot write %s%s\n", dir.c_str(), f.name);
            return 1;
        }
    }
    return 0;
}
