#pragma once
#include "tools/puzzles/WordNetReader.h"

#include <string>

// Tells a real closed compound (SNOWBALL = SNOW + BALL) from a word that
// merely contains two shorter words (NOTICE is not NOT + ICE). WordNet is
// the witness: the compound's glosses and relatives must name a part, and
// the word must not be a suffixed or inflected form of something else.
class SplitGuard {
public:
    explicit SplitGuard(const WordNetReader& wordNet);

    bool genuine(const std::string& lemma, const std::string& first,
        const std::string& second) const;

    // True for WETTING, RIBBED, FATTEN: forms of another WordNet word.
    bool inflected(const std::string& lemma) const;

private:
    bool derivedFrom(const std::string& lemma, const std::string& part) const;

    const WordNetReader& m_wordNet;
};
