#include "tools/puzzles/PuzzleCodec.h"

void PuzzleCodec::append(const Words& words, std::vector<uint8_t>& out)
{
    for (const auto& word : words) {
        for (std::size_t i = 0; i < kFieldSize; ++i)
            out.push_back(i < word.size() ? static_cast<uint8_t>(word[i]) : uint8_t(' '));
    }
}

std::string PuzzleCodec::wordProblem(const std::string& word)
{
    for (char c : word)
        if (c < 'A' || c > 'Z')
            return "has a character that is not A-Z";
    if (word.size() < kMinLetters)
        return "is shorter than 3 letters";
    if (word.size() > kMaxLetters)
        return "is longer than 10 letters";
    return {};
}

PuzzleCodec::Words PuzzleCodec::decode(const uint8_t* bytes, std::vector<std::string>& errors)
{
    Words words;
    for (std::size_t w = 0; w < kWords; ++w) {
        const uint8_t* field = bytes + w * kFieldSize;
        std::size_t end = kFieldSize;
        while (end > 0 && field[end - 1] == ' ')
            --end;
        std::string word(field, field + end);
        std::string where = "word " + std::to_string(w + 1);
        std::string problem = wordProblem(word);
        if (word.find(' ') != std::string::npos)
            problem = "has a blank inside or before it";
        if (!problem.empty())
            errors.push_back(where + " \"" + word + "\" " + problem);
        words[w] = word;
    }
    return words;
}
