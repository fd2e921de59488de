// Terminal keys: what curses reports (typed characters, key codes, key names) as the game's keys.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "platform/key.hpp"

namespace platform {

// Codes this front end binds to keypad keys that type a character (ESC O p for keypad 0, ...):
// the base plus the character's ASCII code.
inline constexpr int kKeypadCharBase = 0x4000;

// An escape sequence many terminals send although their terminal description may lack it,
// and the curses key code (or kKeypadCharBase + character) it stands for.
struct KeySequence {
  const char* sequence;
  int code;
  // The keypad's application-mode sequences name the same key on every terminal, so they are
  // bound even against the terminal description (vt100 and putty call keypad 1 "ka1").
  bool overrides = false;
};

// The keypad's application-mode sequences and the common alternatives for Home, End and
// keypad 5. The front end binds the overriding ones always, the others where the terminal
// description leaves the sequence unbound.
std::span<const KeySequence> ExtraKeySequences();

// A character read from the terminal in raw mode: Enter, Escape, Backspace, Tab, Ctrl+letter,
// or a typed character. Nothing for control characters without a meaning.
std::optional<Key> TranslateTypedChar(char32_t ch);

// A curses key code. curses_name is the code's terminfo name (keyname()), which identifies the
// modified arrows (kUP5 is Ctrl+Up) whose codes curses assigns at run time.
std::optional<Key> TranslateKeyCode(int code, std::string_view curses_name);

}  // namespace platform
