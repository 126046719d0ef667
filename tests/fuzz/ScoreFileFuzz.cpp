#include "tests/fuzz/FuzzBodies.h"
#include "tests/fuzz/FuzzScratch.h"

#include "players/Cp1252.h"
#include "tests/faults/ScoreModel.h"

#include <array>
#include <filesystem>

namespace {

const std::string& scratchFile()
{
    static const std::string path = fuzzScratchPath("zorvsco.dat");
    return path;
}

// Mostly a name taken from the file itself, so that the operations find
// their player; otherwise one of the names that must be refused or missed.
std::string chooseName(uint8_t choice, const scoremodel::Bytes& file)
{
    const std::size_t n = file.size() / 32;
    if (choice < 0x80 && n > 0) {
        const std::size_t at = (choice % n) * 32;
        std::size_t len = 20;
        while (len > 0 && file[at + len - 1] == ' ')
            --len;
        return cp1252::toUtf8(std::string(file.begin() + long(at), file.begin() + long(at + len)));
    }
    static const std::array<const char*, 8> others = {
        "Ann", "Zo\xc3\xab", "", "abcdefghijklmnopqrst", "abcdefghijklmnopqrstu", "Ann ",
        "\xe6\x97\xa5\xe6\x9c\xac", "\xff"};
    if (choice % 9 == 8 && n > 0) // the whole field, padding and all
        return cp1252::toUtf8(std::string(file.begin(), file.begin() + 20));
    return others[choice % 9 % others.size()];
}

} // namespace

std::string fuzzScoreFile(const uint8_t* data, std::size_t size)
{
    if (size < 4)
        return {};
    scoremodel::Call call;
    call.op = scoremodel::Op(data[0] % scoremodel::kOpCount);
    const scoremodel::Bytes file(data + 4, data + size);
    call.name = chooseName(data[1], file);
    call.score = int16_t(uint16_t(data[2] | (data[3] << 8)));
    const std::string& path = scratchFile();
    scoremodel::writeBytes(path, file);
    return scoremodel::runAndCheck(path, file, call);
}
