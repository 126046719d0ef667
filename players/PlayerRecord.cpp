#include "players/PlayerRecord.h"

#include "players/Cp1252.h"

#include <algorithm>

namespace {

void putLe32(uint8_t* out, int32_t value)
{
    const auto u = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t getLe32(const uint8_t* in)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<uint32_t>(in[i]) << (8 * i);
    return static_cast<int32_t>(u);
}

} // namespace

PlayerBytes encodePlayerRecord(const PlayerRecord& rec)
{
    PlayerBytes bytes;
    bytes.fill(' ');
    // A name the caller failed to check still yields a record rather than
    // nothing; the characters that have no byte simply become '?'.
    std::string name = cp1252::fromUtf8(rec.Name).value_or(std::string());
    if (name.empty() && !rec.Name.empty()) {
        for (unsigned char c : rec.Name)
            if (c < 0x80 || (c & 0xC0) == 0xC0)
                name.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    std::copy_n(name.begin(), std::min(name.size(), kPlayerNameSize), bytes.begin());
    putLe32(&bytes[20], rec.TotalScore);
    putLe32(&bytes[24], rec.TimesPlayed);
    putLe32(&bytes[28], rec.NextPuzzle);
    return bytes;
}

PlayerRecord decodePlayerRecord(std::span<const uint8_t, kPlayerRecordSize> bytes)
{
    std::size_t len = kPlayerNameSize;
    while (len > 0 && bytes[len - 1] == ' ')
        --len;
    PlayerRecord rec;
    rec.Name = cp1252::toUtf8(std::string(bytes.begin(), bytes.begin() + len));
    rec.TotalScore = getLe32(&bytes[20]);
    rec.TimesPlayed = getLe32(&bytes[24]);
    rec.NextPuzzle = getLe32(&bytes[28]);
    return rec;
}

double playerAverage(const PlayerRecord& rec)
{
    if (rec.TimesPlayed == 0)
        return 0.0;
    return static_cast<double>(rec.TotalScore) / static_cast<double>(rec.TimesPlayed);
}

float playerAverageSingle(const PlayerRecord& rec)
{
    // The quotient is formed in double and then rounded to single, the way a
    // division stored into a single-precision variable behaves; ordering by
    // this value keeps the order files have always been sorted in.
    return static_cast<float>(playerAverage(rec));
}
