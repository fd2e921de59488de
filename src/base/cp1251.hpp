// Windows-1251, the code page of every text inside the game's files, to and from UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zaldrun {

// The Unicode code point of a Windows-1251 byte. Byte 0x98, unassigned in the code page, maps to
// U+0098 so that every byte survives a round trip.
char32_t Cp1251ToUnicode(uint8_t byte);
// The Windows-1251 byte of a code point, or -1 when the code page has none.
int UnicodeToCp1251(char32_t ch);

std::string Cp1251ToUtf8(std::string_view bytes);
// Characters the code page lacks become '?'.
std::string Utf8ToCp1251(std::string_view utf8);

}  // namespace zaldrun
