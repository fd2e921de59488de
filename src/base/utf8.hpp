// UTF-8, the encoding of every text inside the program: decoding, encoding, counting characters.
#pragma once

#include <string>
#include <string_view>

namespace zaldrun {

// Malformed bytes become U+FFFD, one per byte.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);
void AppendUtf8(std::string& out, char32_t ch);

// The game's limits count characters, not bytes.
size_t Utf8Length(std::string_view utf8);
std::string Utf8Prefix(std::string_view utf8, size_t characters);

}  // namespace zaldrun
