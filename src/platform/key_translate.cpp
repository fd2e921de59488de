#include "platform/key_translate.hpp"

#include "base/cp1251.hpp"
#include "platform/key.hpp"

namespace platform {

uint8_t CharToCp1251(char32_t ch) {
  const int byte = zaldrun::UnicodeToCp1251(ch);
  return byte < 0 ? 0 : static_cast<uint8_t>(byte);
}

char32_t NamedKeyChar(int code) {
  switch (code) {
    case keys::kEnter:
      return U'\r';
    case keys::kEscape:
      return 27;
    case keys::kSpace:
      return U' ';
    case keys::kBackspace:
      return 8;
    case keys::kTab:
      return 9;
    default:
      return 0;
  }
}

int CodeForTypedChar(char32_t ch) {
  if (ch >= U'a' && ch <= U'z') return static_cast<int>(ch - U'a' + U'A');
  if (ch >= U'A' && ch <= U'Z') return static_cast<int>(ch);
  if (ch >= U'0' && ch <= U'9') return static_cast<int>(ch);
  if (ch == U' ') return 32;
  if (ch == U'\r') return 13;
  if (ch == 27) return 27;
  if (ch == 8) return 8;
  if (ch == 9) return 9;
  return 0;
}

}  // namespace platform
