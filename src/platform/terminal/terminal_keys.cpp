#define NCURSES_NOMACROS
#include "platform/terminal/terminal_keys.hpp"

#include <curses.h>

#include <array>

#include "platform/headless/headless_frontend.hpp"
#include "platform/key_translate.hpp"

namespace platform {
namespace {

constexpr int KeypadChar(char ch) { return kKeypadCharBase + ch; }

// Terminal descriptions list the keypad only partly (tmux-256color has none of it), and many
// terminals send other sequences than their description says for Home, End and keypad 5.
constexpr std::array kExtraSequences = {
    // Keypad in application mode: 7 8 9 / 4 5 6 / 1 2 3, then 0 . Enter and the operators.
    KeySequence{"\033Ow", KEY_A1, true},
    KeySequence{"\033Ox", KEY_UP, true},
    KeySequence{"\033Oy", KEY_A3, true},
    KeySequence{"\033Ot", KEY_LEFT, true},
    KeySequence{"\033Ou", KEY_B2, true},
    KeySequence{"\033Ov", KEY_RIGHT, true},
    KeySequence{"\033Oq", KEY_C1, true},
    KeySequence{"\033Or", KEY_DOWN, true},
    KeySequence{"\033Os", KEY_C3, true},
    KeySequence{"\033Op", KeypadChar('0'), true},
    KeySequence{"\033On", KeypadChar('.'), true},
    KeySequence{"\033OM", KEY_ENTER, true},
    KeySequence{"\033Oj", KeypadChar('*'), true},
    KeySequence{"\033Ok", KeypadChar('+'), true},
    KeySequence{"\033Ol", KeypadChar(','), true},
    KeySequence{"\033Om", KeypadChar('-'), true},
    KeySequence{"\033Oo", KeypadChar('/'), true},
    KeySequence{"\033OX", KeypadChar('='), true},
    // Keypad 5 with NumLock off: xterm in both cursor modes, the Linux console and PuTTY.
    KeySequence{"\033OE", KEY_B2, true},
    KeySequence{"\033[E", KEY_B2},
    KeySequence{"\033[G", KEY_B2},
    // Cursor keys in normal and application cursor mode.
    KeySequence{"\033[A", KEY_UP},
    KeySequence{"\033[B", KEY_DOWN},
    KeySequence{"\033[C", KEY_RIGHT},
    KeySequence{"\033[D", KEY_LEFT},
    KeySequence{"\033OA", KEY_UP},
    KeySequence{"\033OB", KEY_DOWN},
    KeySequence{"\033OC", KEY_RIGHT},
    KeySequence{"\033OD", KEY_LEFT},
    // Home and End as xterm, the VT220 family and rxvt send them; PageUp, PageDown, Delete.
    KeySequence{"\033[H", KEY_HOME},
    KeySequence{"\033[F", KEY_END},
    KeySequence{"\033OH", KEY_HOME},
    KeySequence{"\033OF", KEY_END},
    KeySequence{"\033[1~", KEY_HOME},
    KeySequence{"\033[4~", KEY_END},
    KeySequence{"\033[7~", KEY_HOME},
    KeySequence{"\033[8~", KEY_END},
    KeySequence{"\033[5~", KEY_PPAGE},
    KeySequence{"\033[6~", KEY_NPAGE},
    KeySequence{"\033[3~", KEY_DC},
    // F1..F4 of rxvt and PuTTY.
    KeySequence{"\033[11~", KEY_F(1)},
    KeySequence{"\033[12~", KEY_F(2)},
    KeySequence{"\033[13~", KEY_F(3)},
    KeySequence{"\033[14~", KEY_F(4)},
};

// A fixed key with the character it types, as the other front ends deliver it.
Key FixedKey(int code, bool shift = false) {
  Key key = Key::Code(code);
  switch (code) {
    case keys::kEnter:
      key.ch = U'\r';
      break;
    case keys::kEscape:
      key.ch = 27;
      break;
    case keys::kBackspace:
      key.ch = 8;
      break;
    case keys::kTab:
      key.ch = 9;
      break;
    case keys::kSpace:
      key.ch = U' ';
      break;
    default:
      break;
  }
  key.cp1251 = CharToCp1251(key.ch);
  key.shift = shift;
  return key;
}

// Modified cursor keys named by terminfo's extended capabilities: kUP, kUP3 .. kUP8. The digit
// is xterm's modifier parameter: 1 + (shift 1, alt 2, ctrl 4); no digit means shift.
std::optional<Key> TranslateModifiedKeyName(std::string_view name) {
  struct Stem {
    std::string_view stem;
    int code;
  };
  static constexpr std::array kStems = {
      Stem{"kUP", keys::kUp},      Stem{"kDN", keys::kDown},      Stem{"kLFT", keys::kLeft},
      Stem{"kRIT", keys::kRight},  Stem{"kHOM", keys::kHome},     Stem{"kEND", keys::kEnd},
      Stem{"kPRV", keys::kPageUp}, Stem{"kNXT", keys::kPageDown}, Stem{"kDC", keys::kDelete},
  };
  for (const Stem& stem : kStems) {
    if (!name.starts_with(stem.stem)) continue;
    const std::string_view rest = name.substr(stem.stem.size());
    int modifier = 2;
    if (rest.size() == 1 && rest[0] >= '2' && rest[0] <= '8') {
      modifier = rest[0] - '0';
    } else if (!rest.empty()) {
      return std::nullopt;
    }
    const int bits = modifier - 1;
    Key key = FixedKey(stem.code, (bits & 1) != 0);
    key.alt = (bits & 2) != 0;
    key.ctrl = (bits & 4) != 0;
    return key;
  }
  return std::nullopt;
}

}  // namespace

std::span<const KeySequence> ExtraKeySequences() { return kExtraSequences; }

std::optional<Key> TranslateTypedChar(char32_t ch) {
  switch (ch) {
    case U'\r':
    case U'\n':
      return FixedKey(keys::kEnter);
    case 27:
      return FixedKey(keys::kEscape);
    case 8:
    case 127:
      return FixedKey(keys::kBackspace);
    case 9:
      return FixedKey(keys::kTab);
    case U' ':
      return FixedKey(keys::kSpace);
    default:
      break;
  }
  if (ch >= 1 && ch <= 26) {
    // raw() hands Ctrl+letter over as the control character itself.
    Key key = Key::Code(static_cast<int>('A' + ch - 1));
    key.ctrl = true;
    key.ch = ch;
    key.cp1251 = static_cast<uint8_t>(ch);
    return key;
  }
  // Other control characters (Ctrl+\ and the like, the C1 range) and non-characters type nothing.
  if (ch < 32 || (ch >= 0x7F && ch < 0xA0)) return std::nullopt;
  if ((ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF) return std::nullopt;
  return TypedKey(ch);
}

std::optional<Key> TranslateKeyCode(int code, std::string_view curses_name) {
  if (code >= kKeypadCharBase && code < kKeypadCharBase + 128) {
    return TranslateTypedChar(static_cast<char32_t>(code - kKeypadCharBase));
  }
  switch (code) {
    case KEY_UP:
      return FixedKey(keys::kUp);
    case KEY_DOWN:
      return FixedKey(keys::kDown);
    case KEY_LEFT:
      return FixedKey(keys::kLeft);
    case KEY_RIGHT:
      return FixedKey(keys::kRight);
    case KEY_HOME:
    case KEY_A1:
      return FixedKey(keys::kHome);
    case KEY_END:
    case KEY_LL:
    case KEY_C1:
      return FixedKey(keys::kEnd);
    case KEY_PPAGE:
    case KEY_A3:
      return FixedKey(keys::kPageUp);
    case KEY_NPAGE:
    case KEY_C3:
      return FixedKey(keys::kPageDown);
    case KEY_B2:
    case KEY_BEG:
      return FixedKey(keys::kClear);
    case KEY_ENTER:
      return FixedKey(keys::kEnter);
    case KEY_BACKSPACE:
      return FixedKey(keys::kBackspace);
    case KEY_DC:
      return FixedKey(keys::kDelete);
    case KEY_BTAB:
      return FixedKey(keys::kTab, true);
    case KEY_SR:
      return FixedKey(keys::kUp, true);
    case KEY_SF:
      return FixedKey(keys::kDown, true);
    case KEY_SLEFT:
      return FixedKey(keys::kLeft, true);
    case KEY_SRIGHT:
      return FixedKey(keys::kRight, true);
    case KEY_SHOME:
      return FixedKey(keys::kHome, true);
    case KEY_SEND:
      return FixedKey(keys::kEnd, true);
    case KEY_SPREVIOUS:
      return FixedKey(keys::kPageUp, true);
    case KEY_SNEXT:
      return FixedKey(keys::kPageDown, true);
    case KEY_SDC:
      return FixedKey(keys::kDelete, true);
    default:
      break;
  }
  // xterm reports Shift+F1 as F13 and Ctrl+F1 as F25.
  if (code >= KEY_F(1) && code <= KEY_F(36)) {
    const int index = code - KEY_F(1);
    Key key = FixedKey(keys::kF1 + index % 12);
    key.shift = index / 12 == 1;
    key.ctrl = index / 12 == 2;
    return key;
  }
  return TranslateModifiedKeyName(curses_name);
}

}  // namespace platform
