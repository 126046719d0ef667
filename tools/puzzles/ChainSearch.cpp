#include "tools/puzzles/ChainSearch.h"
#include "tools/puzzles/VerbForms.h"
#include "tools/puzzles/WordForms.h"

#include <algorithm>
#include <tuple>

namespace {
constexpr int kLinks = 6;
constexpr int kHidden = 5;
constexpr int kNone = 1000;
} // namespace

ChainSearch::ChainSearch(const LinkGraph& graph, Limits limits, std::vector<int> wordCost)
    : m_graph(graph), m_limits(std::move(limits)), m_wordUse(graph.wordCount(), 0),
      m_wordCost(std::move(wordCost))
{
    for (int w = 0; w < graph.wordCount(); ++w) {
        m_stems.push_back(WordForms::stem(graph.word(w)));
        m_hasVerbForms.push_back(!VerbForms::sameLengthForms(graph.word(w)).empty());
    }
}

std::vector<Chain> ChainSearch::run(int wanted)
{
    std::vector<Chain> found;
    prepareFloor();
    for (int tier : m_limits.tiers) {
        prepareTier(tier);
        // Words with many partners are what joins the middle of a chain;
        // spent on its ends, where any word would do, they are missing
        // later. So each tier is searched twice: with them kept to the
        // middle rows first, then freely.
        if (m_limits.hubPartners > 0) {
            m_keepHubsInside = true;
            searchTier(tier, wanted, found);
            m_keepHubsInside = false;
        }
        searchTier(tier, wanted, found);
        improve(tier, wanted, found);
        m_progress.emplace_back(tier, static_cast<int>(found.size()));
        if (static_cast<int>(found.size()) >= wanted)
            break;
    }
    return found;
}

void ChainSearch::searchTier(int tier, int wanted, std::vector<Chain>& found)
{
    std::vector<int> starts;
    for (int w = 0; w < m_graph.wordCount(); ++w)
        if (m_fewest[kLinks][w] <= tier && !isHubOnAnEnd(0, w))
            starts.push_back(w);
    // Words that only ever come first in a compound make the best top
    // words: the words that can sit on both sides are scarce and are
    // kept for the middle of the chains.
    std::stable_sort(starts.begin(), starts.end(), [&](int a, int b) {
        return std::make_pair(m_inAbove[a], -m_outAbove[a]) < std::make_pair(m_inAbove[b], -m_outAbove[b]);
    });
    std::vector<char> exhausted(starts.size(), 0);
    std::size_t live = starts.size();
    std::size_t next = 0;
    while (static_cast<int>(found.size()) < wanted && live > 0) {
        std::size_t i = next % starts.size();
        ++next;
        if (exhausted[i])
            continue;
        Chain chain{};
        if (searchFrom(starts[i], chain)) {
            record(chain);
            found.push_back(chain);
        } else {
            exhausted[i] = 1;
            --live;
        }
    }
}

// The top and bottom rows and the rows next to them.
bool ChainSearch::isHubOnAnEnd(int depth, int word) const
{
    return m_keepHubsInside && (depth <= 1 || depth >= kLinks - 1)
        && m_inAbove[word] + m_outAbove[word] >= m_limits.hubPartners;
}

// The fewest links below `good` on any path of k links, for every word: the
// search never steps onto a word from which the rest of the chain would
// need more of them than the tier allows.
void ChainSearch::prepareFloor()
{
    int n = m_graph.wordCount();
    m_fewest.assign(kLinks + 1, std::vector<int>(n, kNone));
    std::fill(m_fewest[0].begin(), m_fewest[0].end(), 0);
    for (int k = 1; k <= kLinks; ++k)
        for (int w = 0; w < n; ++w)
            for (int v : m_graph.out(w))
                if (m_graph.score(w, v) >= m_limits.floor && m_fewest[k - 1][v] < kNone)
                    m_fewest[k][w] = std::min(m_fewest[k][w], m_fewest[k - 1][v] + belowGood(w, v));
}

void ChainSearch::prepareTier(int tier)
{
    m_tier = tier;
    int n = m_graph.wordCount();
    m_inAbove.assign(n, 0);
    m_outAbove.assign(n, 0);
    int lowest = tier == 0 ? m_limits.good : m_limits.floor;
    for (int w = 0; w < n; ++w)
        for (int v : m_graph.out(w))
            if (m_graph.score(w, v) >= lowest) {
                ++m_outAbove[w];
                ++m_inAbove[v];
            }
}

bool ChainSearch::searchFrom(int start, Chain& chain)
{
    if (m_wordUse[start] >= m_limits.maxWordUse)
        return false;
    chain[0] = start;
    int budget = m_limits.nodeBudget;
    return extend(chain, 1, 0, budget);
}

// `below`: links below `good` in the chain so far.
bool ChainSearch::extend(Chain& chain, int depth, int below, int& budget)
{
    if (depth > kLinks)
        return !m_chains.count(chain);
    for (int word : candidates(chain, depth, below)) {
        if (--budget < 0)
            return false;
        chain[depth] = word;
        if (extend(chain, depth + 1, below + belowGood(chain[depth - 1], word), budget))
            return true;
    }
    return false;
}

std::vector<int> ChainSearch::candidates(const Chain& chain, int depth, int below) const
{
    int from = chain[depth - 1];
    std::vector<std::tuple<int, int, int, int>> ranked;
    for (int word : m_graph.out(from)) {
        if (isHubOnAnEnd(depth, word) || !usable(from, word) || clashes(chain, depth, word)
            || below + belowGood(from, word) + m_fewest[kLinks - depth][word] > m_tier)
            continue;
        // The word before is hidden unless it is the top word: it must be
        // the one answer of its length between its neighbours, counting
        // every link of the graph, usable or not.
        if (depth >= 2 && m_graph.middleCount(chain[depth - 2], word, m_graph.word(from).size()) != 1)
            continue;
        if (depth >= 2 && m_hasVerbForms[from] && verbFormFits(chain[depth - 2], from, word))
            continue;
        // Two chains never share three words in a row, or the puzzles would
        // come in near-copies.
        if (depth >= 2 && m_triples.count({chain[depth - 2], from, word}))
            continue;
        auto use = m_linkUse.find(LinkGraph::key(from, word));
        int linkUse = use == m_linkUse.end() ? 0 : use->second;
        // Words already in many chains come last: a word spent early is
        // missing later, when only it would have closed a chain. Among words
        // as busy, the better-known link and the more familiar word first;
        // a strong link used before still beats a weak fresh one.
        int weakness = 4 * m_wordUse[word] + 3 * (8 - m_graph.score(from, word))
            + 3 * linkUse + cost(word) + historyCost(from, word);
        // Bottom words are preferably words that only come last, as top
        // words are ones that only come first.
        int ending = depth == kLinks ? static_cast<int>(m_graph.out(word).size()) : 0;
        // A good link always goes before one below it, so a chain holds
        // no more of them than it must; and of the links below it, the
        // better-known ones (scored higher) go first.
        ranked.emplace_back(m_limits.good - m_graph.score(from, word), ending, weakness, word);
    }
    std::sort(ranked.begin(), ranked.end());
    std::vector<int> words;
    for (const auto& r : ranked)
        words.push_back(std::get<3>(r));
    return words;
}

// TOOK as well as TAKE between UNDER and OVER: the other form of an
// irregular verb is a second answer the graph alone does not show.
bool ChainSearch::verbFormFits(int above, int hidden, int below) const
{
    auto hasLink = [&](const std::string& a, const std::string& b) { return m_graph.hasLink(a, b); };
    return !VerbForms::secondAnswers(m_graph.word(above), m_graph.word(hidden), m_graph.word(below), hasLink)
                .empty();
}

bool ChainSearch::usable(int from, int to) const
{
    if (m_graph.score(from, to) < m_limits.floor || m_wordUse[to] >= m_limits.maxWordUse)
        return false;
    auto it = m_linkUse.find(LinkGraph::key(from, to));
    return it == m_linkUse.end() || it->second < m_limits.maxLinkUse;
}

// A chain never repeats a word, nor holds two forms of one word (BOOK and
// BOOKS, DRIVE and DRIVING would give each other away), nor a compound and
// one of its parts (DESKTOP and DESK).
bool ChainSearch::clashes(const Chain& chain, int depth, int word) const
{
    const std::string& stem = m_stems[word];
    auto isWord = [&](const std::string& w) { return m_graph.id(w) >= 0; };
    const std::string& text = m_graph.word(word);
    for (int i = 0; i < depth; ++i) {
        const std::string& other = m_graph.word(chain[i]);
        if (chain[i] == word || m_stems[chain[i]] == stem || WordForms::holdsWord(text, other, isWord)
            || WordForms::holdsWord(other, text, isWord))
            return true;
    }
    return false;
}

void ChainSearch::record(const Chain& chain)
{
    m_chains.insert(chain);
    for (int i = 0; i < 7; ++i)
        ++m_wordUse[chain[i]];
    for (int i = 0; i < kLinks; ++i)
        ++m_linkUse[LinkGraph::key(chain[i], chain[i + 1])];
    for (int i = 0; i + 2 < 7; ++i)
        m_triples.insert({chain[i], chain[i + 1], chain[i + 2]});
}

// The search is greedy, and a chain found early may hold the one word or
// link that two later chains needed. So a random few chains are taken out
// and the search run again. What it finds stays when the bank is no worse:
// more chains while they are still wanted, then as many with no more links
// below `good`; otherwise the chains taken out go back. Accepting a bank
// as good as before lets it drift to where more chains fit.
void ChainSearch::improve(int tier, int wanted, std::vector<Chain>& found)
{
    auto worth = [&] {
        return std::make_pair(std::min(static_cast<int>(found.size()), wanted), -linksBelowGood(found));
    };
    for (int step = 0; step < m_limits.improveSteps && worth() != std::make_pair(wanted, 0); ++step) {
        auto before = worth();
        std::vector<Chain> taken;
        for (int i = 0; i < m_limits.improveRemove && !found.empty(); ++i) {
            std::size_t at = m_random() % found.size();
            taken.push_back(found[at]);
            forget(found[at]);
            found[at] = found.back();
            found.pop_back();
        }
        std::size_t kept = found.size();
        // Short of chains, any chain of the tier will do; once there are
        // enough, chains of lower tiers are looked for first.
        for (int t = before.first < wanted ? tier : 0; t <= tier; ++t) {
            prepareTier(t);
            searchTier(t, wanted, found);
        }
        if (worth() >= before)
            continue;
        for (std::size_t i = kept; i < found.size(); ++i)
            forget(found[i]);
        found.resize(kept);
        for (const Chain& chain : taken) {
            record(chain);
            found.push_back(chain);
        }
    }
}

int ChainSearch::linksBelowGood(const std::vector<Chain>& chains) const
{
    int total = 0;
    for (const Chain& chain : chains)
        for (int i = 0; i < kLinks; ++i)
            total += belowGood(chain[i], chain[i + 1]);
    return total;
}

void ChainSearch::forget(const Chain& chain)
{
    m_chains.erase(chain);
    for (int i = 0; i < 7; ++i)
        --m_wordUse[chain[i]];
    for (int i = 0; i < kLinks; ++i)
        --m_linkUse[LinkGraph::key(chain[i], chain[i + 1])];
    // No two chains share three words in a row, so the triples are this
    // chain's alone.
    for (int i = 0; i + 2 < 7; ++i)
        m_triples.erase({chain[i], chain[i + 1], chain[i + 2]});
}

int ChainSearch::historyCost(int from, int word) const
{
    int total = 0;
    if (!m_history.words.empty())
        total += m_limits.historyWeight * m_history.words[word];
    auto it = m_history.links.find(LinkGraph::key(from, word));
    if (it != m_history.links.end())
        total += m_limits.historyWeight * it->second;
    return total;
}

ChainSearch::History ChainSearch::nextHistory() const
{
    History next = m_history;
    next.words.resize(m_graph.wordCount(), 0);
    for (int w = 0; w < m_graph.wordCount(); ++w)
        next.words[w] += m_wordUse[w] >= m_limits.maxWordUse;
    for (const auto& [key, use] : m_linkUse)
        next.links[key] += use >= m_limits.maxLinkUse;
    return next;
}

int ChainSearch::cost(int word) const
{
    return m_wordCost.empty() ? 0 : m_wordCost[word];
}

// A puzzle is harder when its hidden words are long and have many
// partners, so that many words come to mind before the right one; how well
// known its links are plays no part, as every link is an everyday one.
int ChainSearch::difficulty(const Chain& chain) const
{
    int total = 0;
    for (int i = 1; i <= kHidden; ++i) {
        int word = chain[i];
        int partners = static_cast<int>(m_graph.in(word).size() + m_graph.out(word).size());
        total += 3 * static_cast<int>(m_graph.word(word).size()) + std::min(partners, 40) / 4;
    }
    return total;
}
