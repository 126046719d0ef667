#pragma once
#include <functional>
#include <string>
#include <vector>

// Irregular verbs hide a second answer the link lists cannot show: between
// OUT and OLD, GROW fits (OUTGROW, GROW OLD) and so does GREW (OUTGREW,
// GREW OLD), and the game shows only the length. A form of the same length
// counts as an answer when it fits on both sides: a side fits when the
// link lists hold it, or when the neighbour is a word that goes with any
// form of a verb, a prefix above (OUT, UNDER, OVER) or a particle or
// complement below (OVER, BACK, OLD, LOOSE). A prefix above makes the
// word a verb, and then any word below fits (UNDERTOOK, TOOK OFFICE).
// Noun senses (WEDDING RING, RING ROAD) keep their chains: RANG makes no
// link with either side.
class VerbForms {
public:
    // The other forms of `word` with as many letters: TAKE -> TOOK,
    // RING -> RANG RUNG, TOOK -> TAKE. Upper case; empty when there are none.
    static std::vector<std::string> sameLengthForms(const std::string& word);

    using HasLink = std::function<bool(const std::string& first, const std::string& second)>;

    // The forms of `hidden` that a player could give between `above` and
    // `below`, judged by `hasLink` and the verb's usual neighbours.
    static std::vector<std::string> secondAnswers(const std::string& above,
        const std::string& hidden, const std::string& below, const HasLink& hasLink);
};
