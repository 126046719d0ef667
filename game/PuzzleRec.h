#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>

// One chain of the game-data file: seven words, top word first, each an
// 11-byte field holding the word left-aligned and blank-padded.
constexpr std::size_t kPuzzleRecordSize = 77;
constexpr std::size_t kWordFieldSize = 11;
constexpr std::size_t kChainLength = 7;
constexpr std::size_t kMaxWordLength = 10;

using PuzzleBytes = std::array<uint8_t, kPuzzleRecordSize>;

struct PuzzleRec {
    // Word[0] is the top word, Word[6] the bottom one; trailing blanks removed.
    std::array<std::string, kChainLength> Word;
};

// Decoding checks every field: 1 to 10 letters A-Z (lower case is accepted
// and turned to upper case), then blanks only. On failure `error` says which
// word is wrong and why.
struct PuzzleDecode {
    PuzzleRec rec;
    std::string error;
    bool ok() const { return error.empty(); }
};

PuzzleDecode decodePuzzleRec(std::span<const uint8_t, kPuzzleRecordSize> bytes);
// The words must already be valid; each is written upper-case and padded.
PuzzleBytes encodePuzzleRec(const PuzzleRec& rec);
