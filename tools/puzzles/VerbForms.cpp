#include "tools/puzzles/VerbForms.h"

#include <map>
#include <set>
#include <sstream>

namespace {

// One verb a line: its forms, base first. Only verbs with two forms of
// one length matter here; BUY and BOUGHT can never be mistaken.
constexpr const char* kVerbs[] = {"ARISE AROSE", "AWAKE AWOKE", "BEAR BORE",
    "BEGIN BEGAN BEGUN", "BEND BENT", "BLOW BLEW", "BREAK BROKE", "BUILD BUILT", "BURN BURNT",
    "CLING CLUNG", "COME CAME", "CREEP CREPT", "DIG DUG", "DIVE DOVE", "DRAW DREW",
    "DRINK DRANK DRUNK", "DRIVE DROVE", "DWELL DWELT", "EAT ATE", "FALL FELL", "FEEL FELT",
    "FLEE FLED", "FLING FLUNG", "FORGET FORGOT", "FORGIVE FORGAVE", "FORSAKE FORSOOK",
    "GET GOT", "GIVE GAVE", "GROW GREW", "HANG HUNG", "HOLD HELD", "KEEP KEPT",
    "KNEEL KNELT", "KNOW KNEW", "LEAN LEANT", "LEND LENT", "LIE LAY", "LOSE LOST",
    "RIDE RODE", "RING RANG RUNG", "RISE ROSE", "RUN RAN", "SEE SAW", "SELL SOLD",
    "SEND SENT", "SHAKE SHOOK", "SHINE SHONE", "SHRINK SHRANK SHRUNK", "SING SANG SUNG",
    "SINK SANK SUNK", "SIT SAT", "SLAY SLEW", "SLEEP SLEPT", "SLING SLUNG", "SMELL SMELT",
    "SPEAK SPOKE", "SPEND SPENT", "SPILL SPILT", "SPIN SPUN", "SPIT SPAT",
    "SPRING SPRANG SPRUNG", "STAND STOOD", "STEAL STOLE", "STICK STUCK", "STING STUNG",
    "STINK STANK STUNK", "STRIDE STRODE", "STRIKE STRUCK", "STRIVE STROVE", "SWEAR SWORE",
    "SWEEP SWEPT", "SWIM SWAM SWUM", "SWING SWUNG", "TAKE TOOK", "TEAR TORE", "TELL TOLD",
    "THROW THREW", "WAKE WOKE", "WEAR WORE", "WEEP WEPT", "WIN WON", "WRING WRUNG",
    "WRITE WROTE"};

// Words that join any form of a verb: prefixes above it (OUTGROW,
// OUTGREW) and particles or complements below it (TAKE OVER, TOOK OVER;
// GROW OLD, GREW OLD).
const std::set<std::string> kPrefixes = {"BACK", "BY", "DOWN", "FOR", "FORE", "IN", "MIS", "OFF",
    "ON", "OUT", "OVER", "RE", "UNDER", "UP", "WITH"};
const std::set<std::string> kParticles = {"ABOUT", "AFTER", "ALONG", "APART", "AROUND", "ASIDE",
    "AWAY", "BACK", "BY", "CLEAN", "CLEAR", "DEEP", "DOWN", "DRY", "EVEN", "FAST", "FIRM",
    "FLAT", "FORWARD", "FREE", "HIGH", "ILL", "IN", "INTO", "LATE", "LOOSE", "LOUD", "LOW", "OFF",
    "OLD", "ON", "OPEN", "OUT", "OVER", "RIGHT", "SHORT", "SHUT", "STILL", "TALL", "THROUGH",
    "TIGHT", "TOGETHER", "TRUE", "UNDER", "UP", "UPON", "WILD", "WRONG"};

// Every form with the others of its length, built once: the chain search
// asks for each hidden word it tries.
const std::map<std::string, std::vector<std::string>>& formTable()
{
    static const auto table = [] {
        std::map<std::string, std::vector<std::string>> t;
        for (const char* line : kVerbs) {
            std::istringstream in(line);
            std::vector<std::string> forms;
            for (std::string form; in >> form;)
                forms.push_back(form);
            for (const auto& form : forms)
                for (const auto& other : forms)
                    if (other != form && other.size() == form.size())
                        t[form].push_back(other);
        }
        return t;
    }();
    return table;
}

} // namespace

std::vector<std::string> VerbForms::sameLengthForms(const std::string& word)
{
    auto it = formTable().find(word);
    return it == formTable().end() ? std::vector<std::string>{} : it->second;
}

std::vector<std::string> VerbForms::secondAnswers(const std::string& above,
    const std::string& hidden, const std::string& below, const HasLink& hasLink)
{
    std::vector<std::string> answers;
    for (const auto& form : sameLengthForms(hidden)) {
        // A prefix above makes the hidden word a verb, so whatever follows
        // the verb follows its other forms too (TAKE OFFICE, TOOK OFFICE).
        bool prefixed = kPrefixes.count(above) > 0;
        bool fitsAbove = prefixed || hasLink(above, form);
        bool fitsBelow = prefixed || kParticles.count(below) || hasLink(form, below);
        if (fitsAbove && fitsBelow)
            answers.push_back(form);
    }
    return answers;
}
