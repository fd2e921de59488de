// Key presses as the game sees them: key codes for the fixed keys, the typed character for the
// rest.
#pragma once

#include <cstdint>

namespace platform {

// Key codes of the fixed keys. Letters and digits use their upper-case ASCII code.
namespace keys {
inline constexpr int kNone = 0;
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kClear = 12;  // keypad centre: wait
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPageUp = 33;    // north-east
inline constexpr int kPageDown = 34;  // south-east
inline constexpr int kEnd = 35;       // south-west
inline constexpr int kHome = 36;      // north-west
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kDelete = 46;
inline constexpr int kF1 = 112;
inline constexpr int kF10 = 121;

constexpr bool IsDirection(int code) { return code >= kPageUp && code <= kDown; }
}  // namespace keys

enum class KeyKind : uint8_t {
  kKey,           // a key press
  kMouseClick,    // a left click on cell (x, y) of the grid
  kCloseRequest,  // the window's close button: the player is asked whether to save
  // The terminal went away or the program was told to end (SIGHUP, SIGTERM, SIGINT): nobody will
  // answer any more; the game is saved without a question and the program ends.
  kHangup,
  // The mouse pointer moved onto cell (x, y) of the grid (the window only; never waited for).
  kMouseMove,
};

struct Key {
  KeyKind kind = KeyKind::kKey;
  int code = keys::kNone;  // key code of the pressed key (0 when only a character is known)
  char32_t ch = 0;         // the character typed, 0 for keys that type none
  uint8_t cp1251 = 0;      // the same character in Windows-1251 (0 when it has none)
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  int x = -1;  // mouse clicks: the grid cell
  int y = -1;

  static Key Code(int code) { return Key{.code = code}; }
  static Key Of(KeyKind kind) { return Key{.kind = kind}; }
};

}  // namespace platform
