#include "tools/puzzles/SpellingVariants.h"
#include "tools/puzzles/ListFile.h"

#include <array>
#include <cctype>
#include <sstream>

namespace {

// British spelling on the left, American on the right.
struct Respelling {
    const char* british;
    const char* american;
};
constexpr std::array<Respelling, 21> kRespellings = {{{"our", "or"}, {"re", "er"},
    {"ise", "ize"}, {"isa", "iza"}, {"ys", "yz"}, {"ence", "ense"}, {"ce", "se"},
    {"yre", "ire"}, {"y", "i"}, {"ll", "l"}, {"ae", "e"}, {"oe", "e"}, {"ogue", "og"},
    {"mme", "m"}, {"que", "ck"}, {"kerb", "curb"}, {"ough", "ow"}, {"ou", "o"},
    {"ey", "ay"}, {"ium", "um"}, {"augh", "af"}}};

// Endings that differ on their own (LICENCE/LICENSE, PROGRAMME/PROGRAM):
// both spellings may be in both lists, so a pair is known by its ending
// alone. Only words of six letters or more, so FOUR and FOR stay apart.
constexpr std::array<Respelling, 10> kEndings = {{{"our", "or"}, {"tre", "ter"}, {"ise", "ize"},
    {"ised", "ized"}, {"ising", "izing"}, {"isation", "ization"}, {"yse", "yze"},
    {"ence", "ense"}, {"mme", "m"}, {"ogue", "og"}}};
constexpr std::size_t kShortestEnding = 6;

// Every word made by applying one respelling at one place in `word`.
std::set<std::string> respelt(const std::string& word, bool toAmerican)
{
    std::set<std::string> out;
    for (const auto& r : kRespellings) {
        std::string from = toAmerican ? r.british : r.american;
        std::string to = toAmerican ? r.american : r.british;
        for (auto at = word.find(from); at != std::string::npos; at = word.find(from, at + 1))
            out.insert(word.substr(0, at) + to + word.substr(at + from.size()));
    }
    return out;
}

std::string upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

void SpellingVariants::build(const std::set<std::string>& british, const std::set<std::string>& american)
{
    m_words.clear();
    auto oneSided = [&](const std::set<std::string>& mine, const std::set<std::string>& other,
                        bool mineIsBritish) {
        for (const auto& w : mine) {
            if (other.count(w))
                continue;
            m_words.insert(upper(w));
            for (const auto& v : respelt(w, mineIsBritish))
                if (other.count(v))
                    m_words.insert(upper(v));
        }
    };
    oneSided(british, american, true);
    oneSided(american, british, false);
    auto known = [&](const std::string& w) { return british.count(w) || american.count(w); };
    auto pairUp = [&](const std::set<std::string>& words) {
        for (const auto& w : words)
            for (const auto& e : kEndings) {
                std::string end = e.british;
                if (w.size() < kShortestEnding || w.size() < end.size()
                    || w.compare(w.size() - end.size(), end.size(), end) != 0)
                    continue;
                std::string other = w.substr(0, w.size() - end.size()) + e.american;
                if (known(other)) {
                    m_words.insert(upper(w));
                    m_words.insert(upper(other));
                }
            }
    };
    pairUp(british);
    pairUp(american);
}

bool SpellingVariants::load(const std::string& path, std::string& error)
{
    return ListFile::read(path, [&](const std::string& line, int) {
        std::istringstream fields(line);
        std::string word;
        if (fields >> word)
            m_words.insert(upper(word));
        return true;
    }, error);
}

bool SpellingVariants::save(const std::string& path, const std::string& header,
    const std::set<std::string>& only) const
{
    std::ofstream out = ListFile::create(path, header);
    for (const auto& w : m_words)
        if (only.count(w))
            out << w << '\n';
    return static_cast<bool>(out);
}
