// Builds the game-data file of word chains from the hand-graded link list:
// chains of links graded GOOD first, then, only as many as are needed to
// reach the count, chains with one link graded WEAK, then two, up to
// --max-weak. WordNet, a list of common words
// and the curated allow and deny lists give every other link a player
// might think of, so that each hidden word is the only fair answer; the
// British and American word lists give the words spelt two ways, which no
// chain uses. The same inputs always give the same file, byte for byte.
#include "tools/puzzles/ChainOrder.h"
#include "tools/puzzles/ChainSearch.h"
#include "tools/puzzles/CuratedLists.h"
#include "tools/puzzles/GradedLinks.h"
#include "tools/puzzles/LinkBuilder.h"
#include "tools/puzzles/PuzzleCodec.h"
#include "tools/puzzles/SpellingVariants.h"
#include "tools/puzzles/WordNetReader.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace {

struct Options {
    std::string wordNet = "/usr/share/wordnet";
    std::string words = "/usr/share/dict/american-english-small";
    std::string moreWords = "/usr/share/dict/american-english";
    std::string allow = "tools/puzzles/allow.txt";
    std::string deny = "tools/puzzles/deny.txt";
    std::string graded = "tools/puzzles/graded.txt";
    std::string fair = "tools/puzzles/fair.txt";
    std::string british = "/usr/share/dict/british-english";
    std::string spelling = "tools/puzzles/spelling.txt"; // written
    std::string out = "data/zorvwin.dat";
    std::string links;    // where to save the link list, if anywhere
    std::string rejected; // where to list turned-away splits, if anywhere
    int count = 1597;
    int maxWeak = 0; // WEAK links a chain may hold
    int rounds = 8;  // searches, each learning from the shortages of the last
    int improve = 3000; // steps of the last round's improvement, see ChainSearch
    // The game's caps; other values only measure what the caps cost.
    int maxLinkUse = 3;
    int maxWordUse = 20;
};

bool parse(int argc, char** argv, Options& o)
{
    std::map<std::string, std::string*> paths = {{"--wordnet", &o.wordNet},
        {"--words", &o.words}, {"--more-words", &o.moreWords}, {"--allow", &o.allow}, {"--deny", &o.deny},
        {"--out", &o.out}, {"--links", &o.links}, {"--rejected", &o.rejected},
        {"--graded", &o.graded}, {"--fair", &o.fair}, {"--british", &o.british}, {"--spelling", &o.spelling}};
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (i + 1 >= argc)
            return false;
        if (arg == "--count")
            o.count = std::stoi(argv[++i]);
        else if (arg == "--max-weak")
            o.maxWeak = std::stoi(argv[++i]);
        else if (arg == "--rounds")
            o.rounds = std::stoi(argv[++i]);
        else if (arg == "--improve")
            o.improve = std::stoi(argv[++i]);
        else if (arg == "--max-link-use")
            o.maxLinkUse = std::stoi(argv[++i]);
        else if (arg == "--max-word-use")
            o.maxWordUse = std::stoi(argv[++i]);
        else if (paths.count(arg))
            *paths[arg] = argv[++i];
        else
            return false;
    }
    return o.count > 0 && o.maxWeak >= 0 && o.maxWeak <= 6 && o.rounds > 0 && o.improve >= 0
        && o.maxLinkUse > 0 && o.maxWordUse > 0;
}

// Common words: the lower-case entries of a one-word-a-line list; names
// and abbreviations (capitalised) and possessives are left out.
std::set<std::string> readCommonWords(const std::string& path)
{
    std::set<std::string> words;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && std::all_of(line.begin(), line.end(),
                                 [](char c) { return c >= 'a' && c <= 'z'; }))
            words.insert(line);
    return words;
}

// Words seldom met in the sense-tagged corpus are tried later in the
// search, so the familiar ones are used first.
std::vector<int> wordCosts(const LinkGraph& graph, const WordNetReader& wordNet)
{
    std::vector<int> costs;
    for (int id = 0; id < graph.wordCount(); ++id) {
        std::string lemma = graph.word(id);
        for (char& c : lemma)
            c = static_cast<char>(c - 'A' + 'a');
        int count = wordNet.tagCount(lemma);
        costs.push_back(count >= 50 ? 0 : count >= 10 ? 1 : count >= 2 ? 2 : 3);
    }
    return costs;
}

constexpr int kGood = 8;
constexpr int kFair = 6;
constexpr int kWeak = 4;

// The chains' graph: every link WordNet or the graded list knows, so
// that any of them counts as a second answer, but only GOOD links score 8
// and WEAK ones 6 when most players would still get them (fair.txt), else
// 4: the scores the search may use. A link to a word's plural counts as
// an answer wherever the link to the word does. A graded link with a
// word spelt two ways, or a word or link the deny list bars, scores 0 like
// the rest; BAD links are left out, but for real words turned away only as
// another form of a word (BACK PACKING), which score 0.
LinkGraph chainGraph(const LinkGraph& wordNetLinks, const GradedLinks& graded,
    const SpellingVariants& spellings, const CuratedLists& lists)
{
    LinkGraph graph;
    for (int a = 0; a < wordNetLinks.wordCount(); ++a)
        for (int b : wordNetLinks.out(a))
            graph.addLink(wordNetLinks.word(a), wordNetLinks.word(b), 0);
    auto usable = [&](const std::string& w) {
        return PuzzleCodec::wordProblem(w).empty() && !spellings.differs(w) && !lists.wordDenied(w);
    };
    for (const auto& [link, verdict] : graded.links()) {
        const auto& [first, second] = link;
        if (!graded.answer(first, second))
            continue;
        bool fit = verdict != GradedLinks::Verdict::Bad && usable(first) && usable(second)
            && !lists.linkDenied(first, second);
        int score = verdict == GradedLinks::Verdict::Good ? kGood : graded.fair(first, second) ? kFair : kWeak;
        graph.addLink(first, second, fit ? score : 0);
    }
    graph.addPluralAnswers();
    graph.finish();
    return graph;
}

// The search is greedy: a word or link spent early on a chain that could
// have done without it is missing later. Each round searches again with the
// words and links that ran out in the rounds before made dearer, and the
// best round is kept: the most chains, then the most of GOOD links alone.
std::pair<std::unique_ptr<ChainSearch>, std::vector<Chain>> searchInRounds(const LinkGraph& graph,
    ChainSearch::Limits limits, const std::vector<int>& costs, int count, int rounds, int improve)
{
    std::unique_ptr<ChainSearch> best;
    std::vector<Chain> bestChains;
    auto goodOnly = [](const ChainSearch& search) { return search.progress().front().second; };
    ChainSearch::History history;
    for (int round = 0; round < rounds; ++round) {
        // Improving takes several times as long as a round, so only the
        // last round, which has learnt from all the others, does it.
        limits.improveSteps = round == rounds - 1 ? improve : 0;
        auto attempt = std::make_unique<ChainSearch>(graph, limits, costs);
        attempt->setHistory(history);
        std::vector<Chain> found = attempt->run(count);
        std::cerr << "round " << round + 1 << ": " << found.size() << " chains, "
                  << goodOnly(*attempt) << " of GOOD links alone\n";
        history = attempt->nextHistory();
        if (!best || found.size() > bestChains.size()
            || (found.size() == bestChains.size() && goodOnly(*attempt) > goodOnly(*best))) {
            best = std::move(attempt);
            bestChains = std::move(found);
        }
    }
    return {std::move(best), std::move(bestChains)};
}

int fail(const std::string& message)
{
    std::cerr << "makepuzzles: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!parse(argc, argv, o)) {
        std::cerr << "usage: makepuzzles [--wordnet DIR] [--words FILE] [--allow FILE]"
                     " [--more-words FILE] [--deny FILE] [--graded FILE] [--fair FILE] [--british FILE]"
                     " [--out FILE] [--links FILE] [--spelling FILE] [--rejected FILE] [--count N]"
                     " [--max-weak N] [--rounds N] [--improve N] [--max-link-use N] [--max-word-use N]\n";
        return 2;
    }
    std::string error;
    WordNetReader wordNet;
    if (!wordNet.load(o.wordNet, error))
        return fail(error);
    std::set<std::string> common = readCommonWords(o.words);
    std::set<std::string> known = readCommonWords(o.moreWords);
    if (common.empty() || known.empty())
        return fail("no common words in " + o.words + " or " + o.moreWords);
    std::set<std::string> british = readCommonWords(o.british);
    if (british.empty())
        return fail("no words in " + o.british + " (Debian package wbritish)");
    CuratedLists lists;
    GradedLinks graded;
    if (!lists.loadAllow(o.allow, error) || !lists.loadDeny(o.deny, error)
        || !graded.load(o.graded, error) || !graded.loadFair(o.fair, error))
        return fail(error);

    LinkBuilder builder(wordNet, common, known, lists);
    LinkGraph wordNetLinks = builder.build();
    std::cerr << "WordNet links: " << wordNetLinks.linkCount() << " between "
              << wordNetLinks.wordCount() << " words\n";
    if (!o.links.empty()
        && !wordNetLinks.save(o.links, "Every link makepuzzles knows: FIRST SECOND SCORE (0-8).\n"
                                       "Derived from WordNet 3.0; see WORDNET-LICENSE."))
        return fail("cannot write " + o.links);

    SpellingVariants spellings;
    spellings.build(british, known);
    LinkGraph graph = chainGraph(wordNetLinks, graded, spellings, lists);
    std::set<std::string> graphWords;
    for (int w = 0; w < graph.wordCount(); ++w)
        graphWords.insert(graph.word(w));
    if (!o.spelling.empty()
        && !spellings.save(o.spelling, "Words spelt differently in British and American English,\n"
                                       "which no chain uses. Derived from the Debian word lists\n"
                                       "wbritish and wamerican (SCOWL); see SCOWL-LICENSE.",
               graphWords))
        return fail("cannot write " + o.spelling);
    std::cerr << "graded links: " << graded.count(GradedLinks::Verdict::Good) << " GOOD, "
              << graded.count(GradedLinks::Verdict::Weak) << " WEAK (" << graded.fairCount() << " fair), "
              << graded.count(GradedLinks::Verdict::Bad) << " BAD\n";
    if (!o.rejected.empty()) {
        std::ofstream out(o.rejected);
        for (const auto& r : builder.rejectedSplits())
            out << r << '\n';
    }

    ChainSearch::Limits limits;
    limits.good = kGood;
    limits.floor = kWeak;
    limits.maxLinkUse = o.maxLinkUse;
    limits.maxWordUse = o.maxWordUse;
    limits.tiers.clear();
    for (int tier = 0; tier <= o.maxWeak; ++tier)
        limits.tiers.push_back(tier);
    auto [best, chains] = searchInRounds(graph, limits, wordCosts(graph, wordNet), o.count, o.rounds, o.improve);
    for (const auto& [tier, found] : best->progress())
        std::cerr << "chains with at most " << tier << " WEAK links: " << found << '\n';
    if (static_cast<int>(chains.size()) < o.count)
        return fail("found only " + std::to_string(chains.size()) + " chains with at most "
            + std::to_string(o.maxWeak) + " WEAK links; allow more with --max-weak, or grade"
            " more links GOOD (see README.md)");
    // Easiest first: short hidden words with few partners. The chains that
    // need WEAK links are spread evenly through the bank, so no stretch of
    // it is worse than another.
    auto weakLinks = [&](const Chain& c) {
        int n = 0;
        for (std::size_t i = 0; i + 1 < c.size(); ++i)
            n += graph.score(c[i], c[i + 1]) < kGood;
        return n;
    };
    chains = ChainOrder().order(chains, [&](const Chain& c) { return best->difficulty(c); }, weakLinks);
    std::map<int, int> byWeak;
    for (const Chain& c : chains)
        ++byWeak[weakLinks(c)];
    for (const auto& [n, chainCount] : byWeak)
        std::cerr << "chains with " << n << " WEAK links: " << chainCount << '\n';

    std::vector<uint8_t> bytes;
    for (const Chain& chain : chains) {
        PuzzleCodec::Words words;
        for (std::size_t i = 0; i < chain.size(); ++i)
            words[i] = graph.word(chain[i]);
        PuzzleCodec::append(words, bytes);
    }
    std::ofstream out(o.out, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        return fail("cannot write " + o.out);
    std::cerr << "wrote " << chains.size() << " chains to " << o.out << '\n';
    return 0;
}
