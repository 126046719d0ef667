#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

// What the puzzle generator needs from the WordNet database files: every
// lemma with its synsets, each synset's words, gloss and related synsets,
// and how often each lemma was sense-tagged in the corpus.
struct WnSynset {
    std::vector<std::string> words;   // as written in the data file, case kept
    std::vector<uint64_t> related;    // synset keys of hypernyms and holonyms
    std::vector<uint64_t> derived;    // synset keys of derivationally related forms
    std::string gloss;
    int lexFile = 0;
};

struct WnLemma {
    // Keys into WordNetReader::synsets, one per sense, over all parts of speech.
    std::vector<uint64_t> senses;
    bool isNoun = false;
    bool isVerb = false;
    bool isAdj = false;
};

class WordNetReader {
public:
    // Reads index.* , data.* and index.sense from `dir`; false with `error` set
    // when a file is missing.
    bool load(const std::string& dir, std::string& error);

    // Lemmas in lower case with '_' for blanks, sorted so that iteration is
    // always in the same order.
    const std::map<std::string, WnLemma>& lemmas() const { return m_lemmas; }
    const WnSynset* synset(uint64_t key) const;
    int tagCount(const std::string& lemma) const;
    // The same, counting only senses of one part of speech ('n', 'v', 'a', 'r').
    int tagCount(const std::string& lemma, char pos) const;

    // Synset keys carry the part of speech so offsets of different files
    // never clash.
    static uint64_t key(char pos, uint32_t offset);

private:
    bool loadData(const std::string& path, char pos);
    bool loadIndex(const std::string& path, char pos);
    bool loadSenses(const std::string& path);

    std::map<std::string, WnLemma> m_lemmas;
    std::unordered_map<uint64_t, WnSynset> m_synsets;
    std::unordered_map<std::string, int> m_tagCounts;
    std::unordered_map<std::string, int> m_posTagCounts; // key: lemma + '%' + pos
};
