#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The record layout of the game-data file, strict form: seven 11-byte
// fields, each 3 to 10 upper-case letters then blanks. The game itself is
// more forgiving on reading; the tools hold the file to the rule.
class PuzzleCodec {
public:
    static constexpr std::size_t kFieldSize = 11;
    static constexpr std::size_t kWords = 7;
    static constexpr std::size_t kRecordSize = kFieldSize * kWords;
    static constexpr std::size_t kMinLetters = 3;
    static constexpr std::size_t kMaxLetters = 10;

    using Words = std::array<std::string, kWords>;

    // Appends one record; the words must already be valid.
    static void append(const Words& words, std::vector<uint8_t>& out);

    // Reads the record at `bytes` (kRecordSize bytes). Words come back with
    // trailing blanks removed; each broken field adds a message to `errors`.
    static Words decode(const uint8_t* bytes, std::vector<std::string>& errors);

    // Empty when `word` may stand in a field, else why not.
    static std::string wordProblem(const std::string& word);
};
