#include "tools/puzzles/WordForms.h"

#include <array>

namespace {

constexpr std::size_t kShortest = 3;

bool endsWith(const std::string& s, const std::string& end)
{
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

bool vowel(char c)
{
    return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U';
}

// Removes the first ending that fits and leaves a long enough stem. Plural
// ES only follows the letters that need it (BOXES, DISHES), so HORSES
// loses just its S and meets HORSE once the final E goes too.
bool stripEnding(std::string& s)
{
    struct Ending {
        const char* text;
        const char* replacement;
    };
    // ABLE too: WASHABLE gives WASHING away as surely as WASHED does.
    static const std::array<Ending, 10> endings = {{{"IES", "Y"}, {"INGS", ""}, {"ERS", ""},
        {"ING", ""}, {"ABLE", ""}, {"EST", ""}, {"ED", ""}, {"ER", ""}, {"LY", ""}, {"ES", ""}}};
    for (const auto& e : endings) {
        std::string end = e.text;
        if (!endsWith(s, end) || s.size() - end.size() + std::string(e.replacement).size() < kShortest)
            continue;
        std::string rest = s.substr(0, s.size() - end.size());
        if (end == "ES" && !(endsWith(rest, "S") || endsWith(rest, "X") || endsWith(rest, "Z")
                || endsWith(rest, "CH") || endsWith(rest, "SH")))
            continue;
        s = rest + e.replacement;
        return true;
    }
    if (endsWith(s, "S") && !endsWith(s, "SS") && !endsWith(s, "US") && !endsWith(s, "IS")
        && s.size() > kShortest) {
        s.pop_back();
        return true;
    }
    return false;
}

} // namespace

std::string WordForms::stem(const std::string& word)
{
    std::string s = word;
    // RUNNING and RUN, but FALLING and FALL, PASSING and PASS keep theirs.
    if (stripEnding(s) && s.size() > kShortest && s.back() == s[s.size() - 2] && !vowel(s.back())
        && s.back() != 'L' && s.back() != 'S' && s.back() != 'Z' && s.back() != 'F')
        s.pop_back();
    // DRIVE and DRIV(ING) meet once the silent E goes.
    if (s.size() > kShortest && s.back() == 'E')
        s.pop_back();
    return s;
}

bool WordForms::sameWord(const std::string& a, const std::string& b)
{
    return a == b || stem(a) == stem(b);
}

bool WordForms::holdsWord(const std::string& whole, const std::string& part,
    const std::function<bool(const std::string&)>& isWord)
{
    if (part.size() < kShortest || whole.size() < part.size() + kShortest)
        return false;
    std::size_t rest = whole.size() - part.size();
    return (whole.compare(0, part.size(), part) == 0 && isWord(whole.substr(part.size())))
        || (whole.compare(rest, part.size(), part) == 0 && isWord(whole.substr(0, rest)));
}
