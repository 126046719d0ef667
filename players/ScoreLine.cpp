#include "players/ScoreLine.h"

#include "game/Scoring.h"

#include <cmath>

namespace {

// Names are UTF-8 here but their columns count characters, so the cut
// must not split a multi-byte sequence.
std::string firstChars(const std::string& utf8, std::size_t count, std::size_t& taken)
{
    std::size_t pos = 0;
    taken = 0;
    while (pos < utf8.size() && taken < count) {
        ++pos;
        while (pos < utf8.size() && (static_cast<unsigned char>(utf8[pos]) & 0xC0) == 0x80)
            ++pos;
        ++taken;
    }
    return utf8.substr(0, pos);
}

} // namespace

std::string scoreLine(const PlayerRecord& rec)
{
    std::size_t nameChars = 0;
    std::string line = firstChars(rec.Name, 17, nameChars);
    line.append(18 - nameChars, ' ');
    line += rec.TimesPlayed <= 9 ? "  " : " ";
    line += formatCount(rec.TimesPlayed);
    line += "    ";
    line += formatCount(static_cast<long long>(std::trunc(playerAverage(rec))));
    return line;
}
