#include "tools/puzzles/LinkBuilder.h"

#include <algorithm>
#include <cctype>

namespace {

// Lexicographer files whose collocations are mostly Latin-flavoured
// species names: a "swamp sparrow" is no puzzle word.
constexpr int kLexAnimal = 5;
constexpr int kLexPlant = 20;

// Lexicographer files of abstract or scientific senses (attributes, body
// parts, cognition, phenomena, processes, quantities, relations, states,
// substances) and of everyday things (artifacts, food, places, objects).
const std::set<int> kAbstractLex = {7, 8, 9, 19, 22, 23, 24, 26, 27};
const std::set<int> kConcreteLex = {6, 13, 15, 17};

// Heads that make descriptions of a kind or a look rather than names.
const std::set<std::string> kDescriptiveHeads = {"family", "genus", "like", "shaped",
    "colored", "coloured", "bearing", "streaked", "headed", "wide", "free", "order"};

std::string upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool lettersOnly(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

} // namespace

LinkBuilder::LinkBuilder(const WordNetReader& wordNet, const std::set<std::string>& commonWords,
    const std::set<std::string>& knownWords, const CuratedLists& lists)
    : m_wordNet(wordNet), m_common(commonWords), m_known(knownWords), m_lists(lists),
      m_guard(wordNet)
{
}

LinkGraph LinkBuilder::build()
{
    countPhraseUse();
    LinkGraph graph;
    for (const auto& [lemma, entry] : m_wordNet.lemmas()) {
        auto blank = lemma.find_first_of("_-");
        if (blank == std::string::npos)
            addClosed(graph, lemma);
        else if (lemma.find_first_of("_-", blank + 1) == std::string::npos)
            addOpen(graph, lemma, blank);
    }
    for (const auto& [first, second] : m_lists.allowed())
        if (!m_lists.wordDenied(first) && !m_lists.wordDenied(second))
            graph.addLink(first, second, kAllowedScore);
    graph.finish();
    return graph;
}

// A chain word must be in the common-words list and in WordNet as an
// ordinary (not only capitalised) word, and must not be denied.
bool LinkBuilder::familiar(const std::string& word) const
{
    if (word.size() < 3 || word.size() > 10 || !lettersOnly(word))
        return false;
    if (!m_common.count(word) || m_lists.wordDenied(upper(word)))
        return false;
    return m_wordNet.lemmas().count(word) && hasLowerCaseForm(word);
}

bool LinkBuilder::hasLowerCaseForm(const std::string& lemma) const
{
    const auto& entry = m_wordNet.lemmas().at(lemma);
    for (uint64_t key : entry.senses) {
        const WnSynset* syn = m_wordNet.synset(key);
        if (!syn)
            continue;
        for (const auto& w : syn->words) {
            std::string lowered = w;
            std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            if (lowered == lemma && lowered == w)
                return true;
        }
    }
    return false;
}

// A closed compound counts only when SplitGuard finds its meaning comes
// from its parts; turned-away words the common lists know are kept for
// review, as candidates for allow.txt.
void LinkBuilder::addClosed(LinkGraph& graph, const std::string& lemma)
{
    if (lemma.size() < 6 || !lettersOnly(lemma) || !hasLowerCaseForm(lemma)
        || m_guard.inflected(lemma))
        return;
    for (std::size_t i = 3; i + 3 <= lemma.size(); ++i) {
        std::string first = lemma.substr(0, i);
        std::string second = lemma.substr(i);
        if (!familiar(first) || !familiar(second))
            continue;
        bool common = m_common.count(lemma) > 0;
        bool known = common || m_known.count(lemma) > 0;
        if (!m_guard.genuine(lemma, first, second)) {
            if (known)
                m_rejected.push_back(upper(first) + " " + upper(second));
            continue;
        }
        int score = common ? 6 : known ? 5 : 2;
        if (known && m_wordNet.tagCount(lemma) > 0)
            score += 1;
        add(graph, first, second, score);
    }
}


// BASKETBALL TEAM is a team and says no more than its words: a description,
// not a name. FIRE ENGINE is a truck, so its name carries something extra.
bool LinkBuilder::describesHead(const std::string& lemma, const std::string& second) const
{
    for (uint64_t key : m_wordNet.lemmas().at(lemma).senses) {
        const WnSynset* syn = m_wordNet.synset(key);
        if (!syn)
            continue;
        for (uint64_t up : syn->related)
            if (const WnSynset* parent = m_wordNet.synset(up))
                for (const auto& w : parent->words)
                    if (w == second)
                        return true;
    }
    return false;
}



void LinkBuilder::addOpen(LinkGraph& graph, const std::string& lemma, std::size_t split)
{
    std::string first = lemma.substr(0, split);
    std::string second = lemma.substr(split + 1);
    if (!familiar(first) || !familiar(second) || !hasLowerCaseForm(lemma))
        return;
    add(graph, first, second, openScore(lemma, first));
}

// Evidence that a two-word phrase is an established one rather than a
// description WordNet happens to list: it was met in the tagged corpus, it
// has more than one sense, it is used inside longer entries or glosses.
int LinkBuilder::openScore(const std::string& lemma, const std::string& first) const
{
    const auto& entry = m_wordNet.lemmas().at(lemma);
    std::string second = lemma.substr(first.size() + 1);
    bool tagged = m_wordNet.tagCount(lemma) > 0;
    auto use = m_phraseUse.find(lemma);
    int phraseUse = use == m_phraseUse.end() ? 0 : use->second;
    if (!tagged && neverInChains(lemma, entry, second, phraseUse))
        return 0;
    int score = 1;
    if (tagged)
        score += 3;
    if (entry.senses.size() > 1)
        score += 1;
    score += std::min(phraseUse, 2);
    int firstAsNoun = m_wordNet.tagCount(first, 'n');
    int firstOther = m_wordNet.tagCount(first, 'a') + m_wordNet.tagCount(first, 'v');
    if (!m_wordNet.lemmas().at(first).isNoun || firstOther > firstAsNoun)
        score -= 2; // "rural area" and the like are descriptions, not names
    if (describesHead(lemma, second))
        score -= 2;
    score += lexFileBonus(entry);
    if (std::min(m_wordNet.tagCount(first), m_wordNet.tagCount(second)) < 3)
        score -= 1; // RHINOCEROS, CHLORINE: known words, but rarely met
    return std::clamp(score, 1, 7);
}

// Phrases WordNet knows but no player would think of: they stay in the
// link list, so that no hidden word has them as a second answer, but never
// stand in a chain.
bool LinkBuilder::neverInChains(const std::string& lemma, const WnLemma& entry,
    const std::string& second, int phraseUse) const
{
    if (kDescriptiveHeads.count(second))
        return true; // "fern family", "club-shaped"
    if (lemma.find('-') != std::string::npos && !entry.isNoun)
        return true; // "violet-streaked", "school-wide"
    if (!entry.isNoun && !entry.isAdj)
        return true; // verb phrases: "issue forth", "give chase"
    bool speciesOnly = true;
    bool allTechnical = true;
    for (uint64_t key : entry.senses) {
        const WnSynset* syn = m_wordNet.synset(key);
        if (!syn)
            continue;
        bool species = syn->lexFile == kLexAnimal || syn->lexFile == kLexPlant
            || syn->gloss.find("genus") != std::string::npos;
        speciesOnly &= species;
        // Glosses that open with a field in brackets, "(physics) ...", are
        // the vocabulary of that field.
        allTechnical &= !syn->gloss.empty() && syn->gloss[0] == '(';
    }
    if (speciesOnly || allTechnical)
        return true;
    if (lexFileBonus(entry) < 0 && phraseUse == 0)
        return true; // "olfactory property"
    // An adjective with a noun, met nowhere else in WordNet, is a
    // description: "transverse colon", "binary compound".
    std::string first = lemma.substr(0, lemma.size() - second.size() - 1);
    bool adjectiveFirst = !m_wordNet.lemmas().at(first).isNoun
        || m_wordNet.tagCount(first, 'a') > m_wordNet.tagCount(first, 'n');
    return adjectiveFirst && phraseUse == 0 && entry.senses.size() == 1;
}

// +1 when some sense is an everyday thing, -1 when every sense is abstract
// or scientific.
int LinkBuilder::lexFileBonus(const WnLemma& entry) const
{
    bool concrete = false;
    bool allAbstract = true;
    for (uint64_t key : entry.senses) {
        const WnSynset* syn = m_wordNet.synset(key);
        if (!syn || (key >> 32) != 'n') {
            allAbstract = false;
            continue;
        }
        concrete |= kConcreteLex.count(syn->lexFile) > 0;
        allAbstract &= kAbstractLex.count(syn->lexFile) > 0;
    }
    return concrete ? 1 : allAbstract ? -1 : 0;
}

// Counts how often each two-word lemma turns up inside longer lemmas and
// inside glosses; ICE CREAM shows up in ICE CREAM CONE, a mere
// description never does.
void LinkBuilder::countPhraseUse()
{
    for (const auto& [lemma, entry] : m_wordNet.lemmas()) {
        auto blank = lemma.find('_');
        if (blank != std::string::npos && lemma.find('_', blank + 1) == std::string::npos)
            m_phraseUse.emplace(lemma, 0);
    }
    auto bump = [&](const std::string& pair) {
        auto it = m_phraseUse.find(pair);
        if (it != m_phraseUse.end())
            ++it->second;
    };
    std::set<uint64_t> seen;
    for (const auto& [lemma, entry] : m_wordNet.lemmas()) {
        std::size_t start = 0;
        std::size_t blank = lemma.find('_');
        while (blank != std::string::npos) {
            std::size_t next = lemma.find('_', blank + 1);
            if (start > 0 || next != std::string::npos)
                bump(lemma.substr(start, (next == std::string::npos ? lemma.size() : next) - start));
            start = blank + 1;
            blank = next;
        }
        for (uint64_t key : entry.senses) {
            if (!seen.insert(key).second)
                continue;
            const WnSynset* syn = m_wordNet.synset(key);
            if (!syn)
                continue;
            std::string previous, token;
            for (char c : syn->gloss + " ") {
                if (std::isalpha(static_cast<unsigned char>(c))) {
                    token += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                    continue;
                }
                if (token.empty())
                    continue;
                if (!previous.empty())
                    bump(previous + "_" + token);
                previous = token;
                token.clear();
            }
        }
    }
}

void LinkBuilder::add(LinkGraph& graph, const std::string& first, const std::string& second,
    int score)
{
    std::string a = upper(first);
    std::string b = upper(second);
    if (a == b || m_lists.linkDenied(a, b))
        return;
    if (m_lists.linkAllowed(a, b))
        score = kAllowedScore;
    graph.addLink(a, b, score);
}
