#pragma once
#include <map>
#include <set>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// The compounds the puzzles are made of, as a directed graph: a link
// FIRE -> ENGINE means "FIRE ENGINE" (or "FIREENGINE") is a compound. Each
// link has a familiarity score; higher is better known. Words are stored
// upper case. Ids are given in alphabetical order by finish(), so everything
// built on them comes out the same on every run.
class LinkGraph {
public:
    // Keeps the higher score when a link is added twice.
    void addLink(const std::string& first, const std::string& second, int score);
    void finish();
    // For every link A -> B whose B has a plural the graph knows (BS, BES,
    // or B with Y turned to IES), adds A -> plural at score 0 unless it is
    // there: whoever says GAME KEEPER says GAME KEEPERS, so the plural link
    // is an answer a player may give, though no chain stands on it. Call
    // before finish().
    void addPluralAnswers();

    int wordCount() const { return static_cast<int>(m_words.size()); }
    int linkCount() const { return m_linkCount; }
    const std::string& word(int id) const { return m_words[id]; }
    int id(const std::string& word) const; // -1 when unknown

    bool hasLink(const std::string& first, const std::string& second) const;
    int score(int first, int second) const; // -1 when there is no such link
    const std::vector<int>& out(int id) const { return m_out[id]; }
    const std::vector<int>& in(int id) const { return m_in[id]; }

    // Words X with links above -> X and X -> below: the answers a player
    // could give for a hidden word between those two. The game shows how
    // many letters the answer has, so a count may keep to words of
    // `length` letters (0: any length).
    std::vector<int> middles(int above, int below) const;
    int middleCount(int above, int below, std::size_t length = 0) const;

    // Text form: one link per line, "FIRST SECOND SCORE"; '#' starts a comment.
    bool save(const std::string& path, const std::string& header) const;
    bool load(const std::string& path, std::string& error);

    // One number for a link, for hash maps keyed by link.
    static uint64_t key(int first, int second)
    {
        return (static_cast<uint64_t>(static_cast<uint32_t>(first)) << 32) | static_cast<uint32_t>(second);
    }

private:
    std::set<std::string> pendingWords() const;

    std::map<std::pair<std::string, std::string>, int> m_pending;
    std::vector<std::string> m_words;
    std::map<std::string, int> m_ids;
    std::vector<std::vector<int>> m_out;
    std::vector<std::vector<int>> m_in;
    // Looked up in the inner loop of the chain search, never walked, so a
    // hash map keeps the output the same and the search fast.
    std::unordered_map<uint64_t, int> m_scores;
    int m_linkCount = 0;
};
