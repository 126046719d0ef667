#include "game/PuzzleRec.h"

namespace {

bool isLetter(uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char upper(uint8_t c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : char(c); }

// Checks one field and yields its word, or the reason it cannot be played.
std::string decodeWord(std::span<const uint8_t> field, std::string& word)
{
    std::size_t len = 0;
    while (len < field.size() && isLetter(field[len])) {
        word.push_back(upper(field[len]));
        ++len;
    }
    for (std::size_t i = len; i < field.size(); ++i)
        if (field[i] != ' ')
            return "holds a character that is not a letter";
    if (len == 0)
        return "is empty";
    if (len > kMaxWordLength)
        return "is longer than 10 letters";
    return {};
}

} // namespace

PuzzleDecode decodePuzzleRec(std::span<const uint8_t, kPuzzleRecordSize> bytes)
{
    PuzzleDecode out;
    for (std::size_t w = 0; w < kChainLength; ++w) {
        const auto field = bytes.subspan(w * kWordFieldSize, kWordFieldSize);
        const std::string problem = decodeWord(field, out.rec.Word[w]);
        if (!problem.empty()) {
            out.error = "word " + std::to_string(w + 1) + " " + problem;
            return out;
        }
    }
    return out;
}

PuzzleBytes encodePuzzleRec(const PuzzleRec& rec)
{
    PuzzleBytes bytes;
    bytes.fill(' ');
    for (std::size_t w = 0; w < kChainLength; ++w) {
        const std::string& word = rec.Word[w];
        for (std::size_t i = 0; i < word.size() && i < kMaxWordLength; ++i)
            bytes[w * kWordFieldSize + i] = uint8_t(upper(uint8_t(word[i])));
    }
    return bytes;
}
