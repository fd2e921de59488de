#include "platform/web/dom_keys.hpp"

#include <array>
#include <utility>

#include "base/utf8.hpp"
#include "platform/key_translate.hpp"

namespace platform {
namespace {

using Named = std::pair<std::string_view, int>;

// The keypad by position, so it gives directions whether NumLock is on or off.
constexpr std::array<Named, 11> kKeypad = {{{"Numpad8", keys::kUp},
                                            {"Numpad2", keys::kDown},
                                            {"Numpad4", keys::kLeft},
                                            {"Numpad6", keys::kRight},
                                            {"Numpad7", keys::kHome},
                                            {"Numpad9", keys::kPageUp},
                                            {"Numpad1", keys::kEnd},
                                            {"Numpad3", keys::kPageDown},
                                            {"Numpad5", keys::kClear},
                                            {"NumpadClear", keys::kClear},
                                            {"NumpadEnter", keys::kEnter}}};

// Named keys by what the layout says they are.
constexpr std::array<Named, 15> kNamed = {{{"ArrowUp", keys::kUp},
                                           {"ArrowDown", keys::kDown},
                                           {"ArrowLeft", keys::kLeft},
                                           {"ArrowRight", keys::kRight},
                                           {"Home", keys::kHome},
                                           {"End", keys::kEnd},
                                           {"PageUp", keys::kPageUp},
                                           {"PageDown", keys::kPageDown},
                                           {"Clear", keys::kClear},
                                           {"Enter", keys::kEnter},
                                           {"Escape", keys::kEscape},
                                           {" ", keys::kSpace},
                                           {"Backspace", keys::kBackspace},
                                           {"Tab", keys::kTab},
                                           {"Delete", keys::kDelete}}};

template <size_t N>
int Find(const std::array<Named, N>& table, std::string_view name) {
  for (const auto& [entry, code] : table) {
    if (entry == name) return code;
  }
  return keys::kNone;
}

int KeypadCode(const DomKeyDown& event) {
  // Without NumLock the keypad's period is Delete; with it, it types its character.
  if (event.code == "NumpadDecimal") return event.num_lock ? keys::kNone : keys::kDelete;
  return Find(kKeypad, event.code);
}

int NamedKeyCode(std::string_view key) {
  const int code = Find(kNamed, key);
  if (code != keys::kNone) return code;
  // F1 to F12; "Fn" and F13 and above are not the game's.
  if (key.size() < 2 || key.size() > 3 || key[0] != 'F') return keys::kNone;
  int number = 0;
  for (const char digit : key.substr(1)) {
    if (digit < '0' || digit > '9') return keys::kNone;
    number = number * 10 + (digit - '0');
  }
  return number >= 1 && number <= 12 ? keys::kF1 + number - 1 : keys::kNone;
}

// Letters and digits by key position, whatever the layout types there.
int PositionCode(std::string_view code) {
  if (code.size() == 4 && code.starts_with("Key") && code[3] >= 'A' && code[3] <= 'Z') {
    return code[3];
  }
  if (code.size() == 6 && code.starts_with("Digit") && code[5] >= '0' && code[5] <= '9') {
    return code[5];
  }
  return keys::kNone;
}

// The one character a key types; 0 for a key's name ("Shift", "F1", "Dead").
char32_t TypedChar(std::string_view key) {
  const std::u32string chars = zaldrun::DecodeUtf8(key);
  return chars.size() == 1 ? chars[0] : 0;
}

}  // namespace

std::optional<Key> TranslateDomKey(const DomKeyDown& event) {
  Key key;
  key.shift = event.shift;
  key.ctrl = event.ctrl;
  key.alt = event.alt;
  int code = KeypadCode(event);
  if (code == keys::kNone) code = NamedKeyCode(event.key);
  if (code != keys::kNone) {
    key.code = code;
    key.ch = NamedKeyChar(code);
    key.cp1251 = CharToCp1251(key.ch);
    return key;
  }
  key.code = PositionCode(event.code);
  // Ctrl with a letter types no text: it is the control character of that letter (Ctrl+E is 5).
  if (event.ctrl && !event.alt && key.code >= 'A' && key.code <= 'Z') {
    key.ch = static_cast<char32_t>(key.code - '@');
    key.cp1251 = static_cast<uint8_t>(key.ch);
    return key;
  }
  key.ch = TypedChar(event.key);
  key.cp1251 = CharToCp1251(key.ch);
  if (key.code == keys::kNone) key.code = CodeForTypedChar(key.ch);
  // A key that neither has a code nor types anything means nothing to the game.
  if (key.code == keys::kNone && key.ch == 0) return std::nullopt;
  return key;
}

}  // namespace platform
