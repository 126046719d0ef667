#pragma once
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

// The hand-graded link list (graded.txt): one line a link, "FIRST SECOND
// VERDICT [reason]", with the verdicts of RUBRIC.md. Only GOOD links may
// stand in a chain; GOOD and WEAK links both count as answers a player
// might give. Words are upper case; '#' starts a comment line.
class GradedLinks {
public:
    enum class Verdict { Good, Weak, Bad };
    using Link = std::pair<std::string, std::string>;

    // Refuses unknown verdicts, WEAK or BAD lines without a reason, and a
    // link graded twice, naming the line.
    bool load(const std::string& path, std::string& error);
    // fair.txt: "FIRST SECOND" a line, WEAK links that two more graders,
    // asked whether most players would still get them, both said they
    // would. Where GOOD links run short they are used before other WEAK
    // ones. Refuses a link that is not graded WEAK, so the two lists
    // cannot drift apart unnoticed. Call after load().
    bool loadFair(const std::string& path, std::string& error);
    bool fair(const std::string& first, const std::string& second) const;
    int fairCount() const { return static_cast<int>(m_fair.size()); }
    void add(const std::string& first, const std::string& second, Verdict verdict);

    std::optional<Verdict> verdict(const std::string& first, const std::string& second) const;
    bool good(const std::string& first, const std::string& second) const;
    int count(Verdict verdict) const;
    const std::map<Link, Verdict>& links() const { return m_links; }
    // A BAD link that is still a real word, turned away only as another
    // form of one (BACK PACKING, UNDER WENT): never in a chain, but a player
    // may well give it as an answer.
    bool formOfAWord(const std::string& first, const std::string& second) const;
    // Whether a player may give the link as an answer: any link graded
    // GOOD or WEAK, and a BAD one that is a form of a word, a plain
    // description (ROAST PORK is no set phrase, but a player who reads
    // ROAST ____ STEAK may well type PORK) or a phrase kept out only as
    // unfit for the game (a trademark, a word for the toilet).
    bool answer(const std::string& first, const std::string& second) const;

    static const char* name(Verdict verdict);

private:
    static bool namesAForm(const std::string& reason);
    static bool namesADescription(const std::string& reason);
    static bool namesAnUnfitPhrase(const std::string& reason);

    std::map<Link, Verdict> m_links;
    std::set<Link> m_formsOfWords;
    std::set<Link> m_knownPhrases; // descriptions and unfit phrases
    std::set<Link> m_fair;
};
