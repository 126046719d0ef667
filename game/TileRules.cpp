#include "game/TileRules.h"

std::optional<int> letterHolder(std::string_view letter)
{
    if (letter.size() != 1)
        return std::nullopt;
    char c = letter[0];
    if (c >= 'a' && c <= 'z')
        c = char(c - 'a' + 'A');
    if (c < 'A' || c > 'Z')
        return std::nullopt;
    return kFirstLetterHolder + (c - 'A');
}
