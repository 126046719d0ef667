#include "tools/puzzles/SplitGuard.h"

#include <cctype>
#include <set>

namespace {

// Heads that are really word endings: PASSAGE is not PASS+AGE, TENANT is
// not TEN+ANT, whatever the glosses happen to say.
const std::set<std::string> kSuffixLike = {"like", "most", "ways", "hood", "ton",
    "ability", "ibility", "fully", "ably", "age", "ant", "ate", "ion", "ent", "ism",
    "ist", "ess", "ing", "ive", "ous", "ity", "ure", "let", "ling", "ment", "ness",
    "ward", "wards", "wise", "able", "ence", "ance", "tion", "dom", "ery", "ian",
    "ier", "est", "ine", "ite", "ure", "age", "ally", "less", "ful", "some", "ish"};

// Words so common in glosses that finding them there proves nothing.
const std::set<std::string> kGlossNoise = {"not", "one", "out", "off", "all", "any",
    "for", "the", "and", "can", "may", "use", "way", "who", "how", "its", "has", "was",
    "his", "her", "our", "own", "are", "but", "with", "from", "that", "this", "into",
    "over", "under", "part", "used", "make", "made", "having", "being", "such", "some"};

void addTokens(const std::string& text, std::set<std::string>& tokens)
{
    std::string token;
    for (char c : text + " ") {
        if (std::isalpha(static_cast<unsigned char>(c)))
            token += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!token.empty()) {
            tokens.insert(token);
            token.clear();
        }
    }
}

} // namespace

SplitGuard::SplitGuard(const WordNetReader& wordNet) : m_wordNet(wordNet)
{
}

// WETTING, RIBBED, FATTEN and BLACKTOPPING are forms of WET, RIB, FAT and
// BLACKTOP; splitting them gives TING, BED, TEN and PING, which have
// nothing to do with it.
bool SplitGuard::inflected(const std::string& lemma) const
{
    for (const std::string ending : {"ing", "ed", "er", "en", "s"}) {
        if (lemma.size() <= ending.size() + 2 || !lemma.ends_with(ending))
            continue;
        std::string stem = lemma.substr(0, lemma.size() - ending.size());
        std::vector<std::string> stems = {stem, stem + "e"};
        if (stem.size() > 2 && stem[stem.size() - 1] == stem[stem.size() - 2])
            stems.push_back(stem.substr(0, stem.size() - 1));
        for (const auto& s : stems)
            if (s.size() >= 3 && m_wordNet.lemmas().count(s))
                return true;
    }
    return false;
}

// WordNet marks JUSTICE as a form of JUST and LEADERSHIP as a form of
// LEADER: a word made with a suffix, not two words joined.
bool SplitGuard::derivedFrom(const std::string& lemma, const std::string& part) const
{
    for (uint64_t key : m_wordNet.lemmas().at(lemma).senses) {
        const WnSynset* syn = m_wordNet.synset(key);
        if (!syn)
            continue;
        for (uint64_t d : syn->derived)
            if (const WnSynset* form = m_wordNet.synset(d))
                for (const auto& w : form->words)
                    if (w == part)
                        return true;
    }
    return false;
}

// One of the parts must appear in a gloss, a synonym, a hypernym or a
// holonym of the compound. That keeps SNOWBALL ("ball of snow") and drops
// NOTICE, CARPET and SEASON, whose glosses mention neither half.
bool SplitGuard::genuine(const std::string& lemma, const std::string& first,
    const std::string& second) const
{
    if (kSuffixLike.count(second))
        return false;
    std::set<std::string> tokens;
    for (uint64_t key : m_wordNet.lemmas().at(lemma).senses) {
        const WnSynset* syn = m_wordNet.synset(key);
        if (!syn)
            continue;
        addTokens(syn->gloss, tokens);
        for (const auto& w : syn->words)
            if (w != lemma)
                addTokens(w, tokens);
        for (uint64_t up : syn->related)
            if (const WnSynset* parent = m_wordNet.synset(up))
                for (const auto& w : parent->words)
                    addTokens(w, tokens);
    }
    tokens.erase(lemma);
    if (derivedFrom(lemma, first) || derivedFrom(lemma, second))
        return false;
    auto found = [&](const std::string& part) {
        if (kGlossNoise.count(part))
            return false;
        return tokens.count(part) || tokens.count(part + "s") || tokens.count(part + "es");
    };
    if (found(second))
        return true;
    // LEADERSHIP and FRIENDSHIP name no ship: a SHIP head must show itself.
    return second != "ship" && found(first);
}
