#include "players/Cp1252.h"
#include "players/PlayerRecord.h"

#include <gtest/gtest.h>

namespace {

PlayerBytes bytesOf(const std::string& s)
{
    PlayerBytes b{};
    std::copy(s.begin(), s.end(), b.begin());
    return b;
}

} // namespace

TEST(PlayerRecordCodec, LaysOutNameAndLittleEndianNumbers)
{
    const PlayerBytes b = encodePlayerRecord({"Ann", 2000, -3, 1597});
    EXPECT_EQ(std::string(b.begin(), b.begin() + 20), "Ann                 ");
    const PlayerBytes expected = bytesOf(std::string("Ann                 ")
                                         + std::string("\xD0\x07\x00\x00", 4)
                                         + std::string("\xFD\xFF\xFF\xFF", 4)
                                         + std::string("\x3D\x06\x00\x00", 4));
    EXPECT_EQ(b, expected);
}

TEST(PlayerRecordCodec, RoundTripsFullLengthAndAccentedNames)
{
    for (const PlayerRecord& rec : {PlayerRecord{"ABCDEFGHIJKLMNOPQRST", INT32_MAX, INT32_MIN, 0},
                                    PlayerRecord{"Zoë € Œuvre", -1, 7, 12},
                                    PlayerRecord{"", 0, 0, 1}}) {
        const PlayerRecord back = decodePlayerRecord(encodePlayerRecord(rec));
        EXPECT_EQ(back.Name, rec.Name);
        EXPECT_EQ(back.TotalScore, rec.TotalScore);
        EXPECT_EQ(back.TimesPlayed, rec.TimesPlayed);
        EXPECT_EQ(back.NextPuzzle, rec.NextPuzzle);
    }
}

TEST(PlayerRecordCodec, DecodesWindowsBytesAndKeepsInnerBlanks)
{
    PlayerBytes b = bytesOf(std::string("\x80 Jos\xE9  ") + std::string(12, ' '));
    const PlayerRecord rec = decodePlayerRecord(b);
    EXPECT_EQ(rec.Name, "€ José");
    EXPECT_EQ(rec.TotalScore, 0);
}

TEST(PlayerRecordCodec, CutsOverlongNamesAtTwentyBytes)
{
    const PlayerBytes b = encodePlayerRecord({"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 0, 0, 1});
    EXPECT_EQ(std::string(b.begin(), b.begin() + 20), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(b[20], 0);
}

TEST(PlayerAverage, DividesAndCountsNoRoundsAsZero)
{
    EXPECT_DOUBLE_EQ(playerAverage({"a", 2000, 3, 1}), 2000.0 / 3.0);
    EXPECT_EQ(playerAverage({"a", 500, 0, 1}), 0.0);
    EXPECT_EQ(playerAverageSingle({"a", 500, 0, 1}), 0.0f);
    EXPECT_EQ(playerAverageSingle({"a", 25, 2, 1}), 12.5f);
    EXPECT_EQ(playerAverage({"a", -10, 4, 1}), -2.5);
}

TEST(NextPuzzle, WrapsAtTheLastPuzzleAndRepairsDamage)
{
    EXPECT_EQ(effectiveNextPuzzle(1), 1);
    EXPECT_EQ(effectiveNextPuzzle(1597), 1597);
    EXPECT_EQ(effectiveNextPuzzle(0), 1);
    EXPECT_EQ(effectiveNextPuzzle(1598), 1);
    EXPECT_EQ(effectiveNextPuzzle(-5), 1);
    EXPECT_EQ(advancedPuzzle(1), 2);
    EXPECT_EQ(advancedPuzzle(1596), 1597);
    EXPECT_EQ(advancedPuzzle(1597), 1);
    EXPECT_EQ(advancedPuzzle(0), 2);
    EXPECT_EQ(advancedPuzzle(99999), 2);
}

TEST(Cp1252, MapsTheWindowsOnlyRange)
{
    EXPECT_EQ(cp1252::toUtf8("\x80"), "€");
    EXPECT_EQ(cp1252::toUtf8("\x8A\x8C\x99\x9F"), "ŠŒ™Ÿ");
    EXPECT_EQ(cp1252::toUtf8("\x91\x92\x93\x94\x96\x97"), "‘’“”–—");
    EXPECT_EQ(cp1252::toUtf8("\xA0\xE9\xFF"), "\u00A0éÿ");
    for (char unassigned : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'})
        EXPECT_EQ(cp1252::toUtf8(std::string(1, unassigned)), "\uFFFD");
}

TEST(Cp1252, EveryAssignedByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = cp1252::toUtf8(byte);
        if (utf8 == "\uFFFD")
            continue;
        EXPECT_EQ(cp1252::fromUtf8(utf8), byte) << "byte " << b;
    }
}

TEST(Cp1252, RefusesWhatHasNoByte)
{
    EXPECT_EQ(cp1252::fromUtf8("€uro"), std::string("\x80uro"));
    EXPECT_FALSE(cp1252::fromUtf8("\u0080")); // a C1 control, not the euro sign
    EXPECT_FALSE(cp1252::fromUtf8("Ω"));
    EXPECT_FALSE(cp1252::fromUtf8("日本"));
    EXPECT_FALSE(cp1252::fromUtf8("\U0001F600"));
    EXPECT_FALSE(cp1252::fromUtf8("\uFFFD"));
    EXPECT_FALSE(cp1252::fromUtf8("\xC3"));         // cut short
    EXPECT_FALSE(cp1252::fromUtf8("\xC0\xA9"));     // overlong
    EXPECT_FALSE(cp1252::fromUtf8("\xED\xA0\x80")); // surrogate
}

TEST(Cp1252, StorableNamesCountCharactersNotBytes)
{
    EXPECT_TRUE(cp1252::isStorableName("éééééééééééééééééééé"));
    EXPECT_FALSE(cp1252::isStorableName("ééééééééééééééééééééé"));
    EXPECT_TRUE(cp1252::isStorableName(""));
    EXPECT_FALSE(cp1252::isStorableName("Ωmega"));
    EXPECT_TRUE(cp1252::isStorableName("abc", 3));
    EXPECT_FALSE(cp1252::isStorableName("abcd", 3));
}
