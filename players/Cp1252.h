#pragma once
#include <optional>
#include <string>

// Names are stored in Windows-1252, one byte a character.
namespace cp1252 {

// UTF-8 to Windows-1252; nothing when a character has no Windows-1252 byte
// or the text is not valid UTF-8.
std::optional<std::string> fromUtf8(const std::string& utf8);
// Windows-1252 to UTF-8; the five unassigned bytes map to U+FFFD.
std::string toUtf8(const std::string& bytes);
// Whether a name can be stored without loss: every character representable
// and at most maxChars characters.
bool isStorableName(const std::string& utf8, std::size_t maxChars = 20);

} // namespace cp1252
