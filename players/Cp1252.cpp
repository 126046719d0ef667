#include "players/Cp1252.h"

#include <array>
#include <cstdint>

namespace cp1252 {
namespace {

constexpr char32_t kNone = 0xFFFD;

// Bytes 0x80-0x9F are the only ones that differ from Latin-1; the five
// gaps have no character at all.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, kNone,  0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, kNone,  0x017D, kNone,
    kNone,  0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, kNone,  0x017E, 0x0178,
};

char32_t byteToCodePoint(unsigned char b)
{
    return (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : char32_t(b);
}

std::optional<unsigned char> codePointToByte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp && cp != kNone)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        // Every character of the code page lies in the basic plane.
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Reads one UTF-8 sequence at pos; nothing for malformed input (overlong
// forms, surrogates and values past U+10FFFF included).
std::optional<char32_t> nextCodePoint(const std::string& s, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + extra >= s.size())
        return std::nullopt;
    for (int i = 1; i <= extra; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if ((c & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
    }
    constexpr char32_t kMinForLength[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinForLength[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    pos += extra + 1;
    return cp;
}

} // namespace

std::optional<std::string> fromUtf8(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto cp = nextCodePoint(utf8, pos);
        if (!cp)
            return std::nullopt;
        const auto byte = codePointToByte(*cp);
        if (!byte)
            return std::nullopt;
        out.push_back(static_cast<char>(*byte));
    }
    return out;
}

std::string toUtf8(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes)
        appendUtf8(out, byteToCodePoint(b));
    return out;
}

bool isStorableName(const std::string& utf8, std::size_t maxChars)
{
    const auto bytes = fromUtf8(utf8);
    return bytes && bytes->size() <= maxChars;
}

} // namespace cp1252
