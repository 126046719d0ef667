#include "tools/puzzles/GradedLinks.h"
#include "tools/puzzles/ListFile.h"

#include <cctype>
#include <initializer_list>
#include <sstream>

bool GradedLinks::load(const std::string& path, std::string& error)
{
    const std::map<std::string, Verdict> verdicts = {
        {"GOOD", Verdict::Good}, {"WEAK", Verdict::Weak}, {"BAD", Verdict::Bad}};
    return ListFile::read(path, [&](const std::string& line, int lineNumber) {
        std::string where = path + ":" + std::to_string(lineNumber) + ": ";
        std::istringstream fields(line);
        std::string first, second, word, reason;
        fields >> first >> second >> word;
        std::getline(fields >> std::ws, reason);
        auto it = verdicts.find(word);
        if (second.empty() || it == verdicts.end()) {
            error = where + "expected FIRST SECOND GOOD|WEAK|BAD [reason]";
            return false;
        }
        // A WEAK or BAD verdict is only worth keeping with its reason: the
        // next editor must be able to see why a link was turned away.
        if (it->second != Verdict::Good && reason.empty()) {
            error = where + word + " without a reason";
            return false;
        }
        if (!m_links.emplace(Link{first, second}, it->second).second) {
            error = where + first + " " + second + " is graded twice";
            return false;
        }
        if (it->second == Verdict::Bad && namesAForm(reason))
            m_formsOfWords.insert({first, second});
        if (it->second == Verdict::Bad && (namesADescription(reason) || namesAnUnfitPhrase(reason)))
            m_knownPhrases.insert({first, second});
        return true;
    }, error);
}

bool GradedLinks::loadFair(const std::string& path, std::string& error)
{
    return ListFile::read(path, [&](const std::string& line, int lineNumber) {
        std::string where = path + ":" + std::to_string(lineNumber) + ": ";
        std::istringstream fields(line);
        std::string first, second, rest;
        fields >> first >> second >> rest;
        if (second.empty() || !rest.empty()) {
            error = where + "expected FIRST SECOND";
            return false;
        }
        if (verdict(first, second) != Verdict::Weak) {
            error = where + first + " " + second + " is not graded WEAK";
            return false;
        }
        m_fair.insert({first, second});
        return true;
    }, error);
}

bool GradedLinks::fair(const std::string& first, const std::string& second) const
{
    return m_fair.count({first, second}) > 0;
}

namespace {

// Whether a grader's reason, in any case, names one of the marks.
bool mentions(std::string reason, std::initializer_list<const char*> marks)
{
    for (char& c : reason)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* mark : marks)
        if (reason.find(mark) != std::string::npos)
            return true;
    return false;
}

} // namespace

// "inflected form of BACKPACK", "plural of BLACKBERRY", "past tense form":
// the reasons graders give for a real word turned away only for its ending.
bool GradedLinks::namesAForm(const std::string& reason)
{
    return mentions(reason, {"inflected", "plural", "tense", "participle", "suffixed form"});
}

// "description, not a phrase", "colour blend": what anyone might say,
// though it is no set phrase; but not a closed word with a suffix
// ("suffix -like, description") or a textbook's wording ("taxonomic").
bool GradedLinks::namesADescription(const std::string& reason)
{
    return mentions(reason, {"description", "colour"}) && !mentions(reason, {"suffix", "taxonomic"});
}

// "unsuitable for a family game", "trademark", "toilet euphemism": a phrase
// every player knows, kept out of the game for what it says or who owns
// it. A player reading NUMBER ____ SIDED still types TWO. A split of one
// word ("prefix split, unsuitable word") is still no phrase.
bool GradedLinks::namesAnUnfitPhrase(const std::string& reason)
{
    return mentions(reason, {"unsuitable", "unfit", "trademark", "brand", "euphemism", "crude", "sexual",
               "vulgar", "drug", "rude", "offensive"})
        && !mentions(reason, {"prefix", "suffix", "split"});
}

bool GradedLinks::formOfAWord(const std::string& first, const std::string& second) const
{
    return m_formsOfWords.count({first, second}) > 0;
}

bool GradedLinks::answer(const std::string& first, const std::string& second) const
{
    auto v = verdict(first, second);
    return v && (*v != Verdict::Bad || formOfAWord(first, second) || m_knownPhrases.count({first, second}));
}

void GradedLinks::add(const std::string& first, const std::string& second, Verdict verdict)
{
    m_links[{first, second}] = verdict;
}

std::optional<GradedLinks::Verdict> GradedLinks::verdict(const std::string& first,
    const std::string& second) const
{
    auto it = m_links.find({first, second});
    if (it == m_links.end())
        return std::nullopt;
    return it->second;
}

bool GradedLinks::good(const std::string& first, const std::string& second) const
{
    return verdict(first, second) == Verdict::Good;
}

int GradedLinks::count(Verdict verdict) const
{
    int n = 0;
    for (const auto& [link, v] : m_links)
        n += v == verdict;
    return n;
}

const char* GradedLinks::name(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Good:
        return "GOOD";
    case Verdict::Weak:
        return "WEAK";
    case Verdict::Bad:
        break;
    }
    return "BAD";
}
