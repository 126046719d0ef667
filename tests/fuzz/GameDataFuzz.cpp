#include "tests/fuzz/FuzzBodies.h"
#include "tests/fuzz/FuzzScratch.h"

#include "game/GameData.h"
#include "game/PuzzleRec.h"
#include "tests/faults/ScoreModel.h"

#include <climits>
#include <filesystem>

namespace {

const std::string& scratchFile()
{
    static const std::string path = fuzzScratchPath("zorvwin.dat");
    return path;
}

// A playable field, told from scratch: 1 to 10 letters, then blanks only.
bool letter(uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool playable(const uint8_t* field, std::string& word)
{
    std::size_t len = 0;
    while (len < kWordFieldSize && letter(field[len])) {
        word.push_back(char(field[len] >= 'a' ? field[len] - 'a' + 'A' : field[len]));
        ++len;
    }
    for (std::size_t i = len; i < kWordFieldSize; ++i)
        if (field[i] != ' ')
            return false;
    return len >= 1 && len <= kMaxWordLength;
}

bool playable(const uint8_t* record, PuzzleRec& rec)
{
    for (std::size_t w = 0; w < kChainLength; ++w)
        if (!playable(record + w * kWordFieldSize, rec.Word[w]))
            return false;
    return true;
}

std::string checkDecode(const uint8_t* record)
{
    PuzzleRec want;
    const bool valid = playable(record, want);
    const PuzzleDecode got = decodePuzzleRec(std::span<const uint8_t, kPuzzleRecordSize>(record, kPuzzleRecordSize));
    if (got.ok() != valid)
        return valid ? "a playable record was refused: " + got.error : "an unplayable record was accepted";
    if (!valid)
        return got.error.empty() ? "a refusal gave no reason" : "";
    if (got.rec.Word != want.Word)
        return "the decoded words differ from the record";
    const PuzzleDecode again = decodePuzzleRec(encodePuzzleRec(got.rec));
    if (!again.ok() || again.rec.Word != want.Word)
        return "encoding and decoding again changed the words";
    return {};
}

std::string checkRead(const std::string& path, const uint8_t* data, std::size_t size, int32_t number)
{
    const PuzzleLoad got = readPuzzle(path, number);
    const int64_t end = int64_t(number) * int64_t(kPuzzleRecordSize);
    PuzzleRec want;
    const bool valid = number >= 1 && end <= int64_t(size)
                       && playable(data + (end - int64_t(kPuzzleRecordSize)), want);
    const std::string what = "puzzle " + std::to_string(number) + " of " + std::to_string(size) + " bytes: ";
    if (got.ok() != valid)
        return what + (valid ? "refused: " + got.error : "accepted");
    if (valid && got.rec.Word != want.Word)
        return what + "wrong words";
    if (!valid && got.error.find(path) == std::string::npos)
        return what + "the message does not name the file: " + got.error;
    return {};
}

} // namespace

std::string fuzzGameData(const uint8_t* data, std::size_t size)
{
    if (size >= kPuzzleRecordSize)
        if (auto problem = checkDecode(data); !problem.empty())
            return problem;
    const std::string& path = scratchFile();
    scoremodel::writeBytes(path, scoremodel::Bytes(data, data + size));
    const int32_t last = int32_t(size / kPuzzleRecordSize);
    int32_t fromInput = 0;
    for (std::size_t i = 0; i < 4 && i < size; ++i)
        fromInput = int32_t(uint32_t(fromInput) | uint32_t(data[i]) << (8 * i));
    for (int32_t number : {1, last, last + 1, 0, -1, 1597, INT32_MAX, INT32_MIN, fromInput})
        if (auto problem = checkRead(path, data, size, number); !problem.empty())
            return problem;
    std::filesystem::remove(path);
    if (readPuzzle(path, 1).ok())
        return "a missing file yielded a puzzle";
    return {};
}
