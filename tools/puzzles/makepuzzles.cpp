// Builds the game-data file of word chains from WordNet, a list of common
// words and the curated allow and deny lists. The same inputs always give
// the same file, byte for byte.
#include "tools/puzzles/ChainOrder.h"
#include "tools/puzzles/ChainSearch.h"
#include "tools/puzzles/CuratedLists.h"
#include "tools/puzzles/LinkBuilder.h"
#include "tools/puzzles/PuzzleCodec.h"
#include "tools/puzzles/WordNetReader.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>

namespace {

struct Options {
    std::string wordNet = "/usr/share/wordnet";
    std::string words = "/usr/share/dict/american-english-small";
    std::string moreWords = "/usr/share/dict/american-english";
    std::string allow = "tools/puzzles/allow.txt";
    std::string deny = "tools/puzzles/deny.txt";
    std::string out = "data/zorvwin.dat";
    std::string links;    // where to save the link list, if anywhere
    std::string rejected; // where to list turned-away splits, if anywhere
    int count = 1597;
};

bool parse(int argc, char** argv, Options& o)
{
    std::map<std::string, std::string*> paths = {{"--wordnet", &o.wordNet},
        {"--words", &o.words}, {"--more-words", &o.moreWords}, {"--allow", &o.allow}, {"--deny", &o.deny},
        {"--out", &o.out}, {"--links", &o.links}, {"--rejected", &o.rejected}};
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (i + 1 >= argc)
            return false;
        if (arg == "--count")
            o.count = std::stoi(argv[++i]);
        else if (paths.count(arg))
            *paths[arg] = argv[++i];
        else
            return false;
    }
    return o.count > 0;
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

// Words seldom met in the sense-tagged corpus make a chain harder, so
// they move it later in the file.
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
                     " [--more-words FILE] [--deny FILE] [--out FILE] [--links FILE] [--rejected FILE]"
                     " [--count N]\n";
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
    CuratedLists lists;
    if (!lists.loadAllow(o.allow, error) || !lists.loadDeny(o.deny, error))
        return fail(error);

    LinkBuilder builder(wordNet, common, known, lists);
    LinkGraph graph = builder.build();
    std::cerr << "links: " << graph.linkCount() << " between " << graph.wordCount() << " words\n";
    if (!o.links.empty()
        && !graph.save(o.links, "Every link makepuzzles knows: FIRST SECOND SCORE (0-8).\n"
                                "Derived from WordNet 3.0; see WORDNET-LICENSE."))
        return fail("cannot write " + o.links);
    if (!o.rejected.empty()) {
        std::ofstream out(o.rejected);
        for (const auto& r : builder.rejectedSplits())
            out << r << '\n';
    }

    ChainSearch search(graph, {}, wordCosts(graph, wordNet));
    std::vector<Chain> chains = search.run(o.count);
    for (const auto& [floor, found] : search.progress())
        std::cerr << "links scored " << floor << " and up: " << found << " chains\n";
    if (static_cast<int>(chains.size()) < o.count)
        return fail("found only " + std::to_string(chains.size()) + " chains");
    // Easiest first, so a new player starts on everyday compounds.
    chains = ChainOrder().order(chains, [&](const Chain& c) { return search.difficulty(c); });

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
