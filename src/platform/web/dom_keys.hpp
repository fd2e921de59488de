// A browser's key-down event to the game's key: the page hands over the event's `code` (the
// key's position), its `key` (what the layout types or the key's name) and the modifiers.
#pragma once

#include <optional>
#include <string_view>

#include "platform/key.hpp"

namespace platform {

struct DomKeyDown {
  std::string_view code;  // "KeyA", "Digit1", "Numpad8", "ArrowUp", "F1"...
  std::string_view key;   // "a", "ф", "Enter", "Shift"...
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool num_lock = false;
};

// The key the game sees; nothing for keys that mean nothing to it (a modifier on its own).
std::optional<Key> TranslateDomKey(const DomKeyDown& event);

}  // namespace platform
