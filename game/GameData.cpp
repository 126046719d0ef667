#include "game/GameData.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

PuzzleLoad failure(const std::string& path, const std::string& problem)
{
    PuzzleLoad out;
    out.error = "The game data file " + path + " " + problem + ".";
    return out;
}

} // namespace

PuzzleLoad readPuzzle(const std::string& path, int32_t number)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return failure(path, std::string("cannot be opened: ") + std::strerror(errno));
    if (number < 1)
        return failure(path, "has no puzzle " + std::to_string(number));
    in.seekg(std::streamoff(number - 1) * std::streamoff(kPuzzleRecordSize));
    PuzzleBytes bytes{};
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    if (in.gcount() != std::streamsize(bytes.size()))
        return failure(path, "is too short to hold puzzle " + std::to_string(number));
    PuzzleDecode decoded = decodePuzzleRec(bytes);
    if (!decoded.ok())
        return failure(path, "is damaged: in puzzle " + std::to_string(number) + ", " + decoded.error);
    return {decoded.rec, {}};
}
