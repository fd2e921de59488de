// How a bound key is written for the player: the character it types, or Ctrl with its letter.
#pragma once

#include <cstdint>
#include <string>

namespace zaldrun {

// Ctrl with a letter types a control character (Ctrl+P is 16). These may be bound, but for the
// ones the game keeps (Ctrl+E, Ctrl+Q) and the ones the keyboard sends for its own keys
// (Backspace, Tab, Enter).
bool BindableControl(uint8_t ch);
// "Ctrl+P" for a control character, the character itself otherwise (a Windows-1251 byte).
std::string KeyName(uint8_t ch);
// The same in two cells: "^P".
std::string ShortKeyName(uint8_t ch);

}  // namespace zaldrun
