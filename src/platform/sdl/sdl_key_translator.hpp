// SDL input events to the game's keys: named keys, the keypad as directions, typed characters
// paired with their key-downs, clicks on grid cells, and the keys the window keeps for itself.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <deque>
#include <optional>

#include "platform/key.hpp"
#include "platform/sdl/grid_layout.hpp"

namespace platform {

// Keys the window handles itself; the game never sees them.
enum class WindowCommand : uint8_t {
  kNone,  // not a window key: the input goes to the game
  kFontLarger,
  kFontSmaller,
  kToggleFullScreen,
};

struct TranslatedInput {
  WindowCommand command = WindowCommand::kNone;
  Key key;
};

// Fed every event in arrival order. A key-down that may type a character waits for the
// SDL_TEXTINPUT event that follows it in the same batch; when the batch ends without one, the
// owner calls EndOfEvents() and the key is delivered without a character.
class SdlKeyTranslator {
 public:
  void Feed(const SDL_Event& event);
  void EndOfEvents();
  bool awaiting_text() const { return pending_.has_value(); }
  // Whether a key, click or window key waits (pointer moves do not count).
  bool HasKey() const;
  // Whether a queued event is one a key waiting would be (repeats and lone modifiers are not).
  static bool IsKeyEvent(const SDL_Event& event);

  // The next translated input, oldest first.
  std::optional<TranslatedInput> Pop();

  // Where the grid is, for clicks. Mouse coordinates are in window points; `pixels_per_point`
  // converts them to output pixels (high-density displays).
  void set_layout(const GridLayout& layout) { layout_ = layout; }
  void set_pixels_per_point(float x, float y) {
    pixels_per_point_x_ = x;
    pixels_per_point_y_ = y;
  }

 private:
  void OnKeyDown(const SDL_Keysym& keysym);
  void OnText(const char* utf8);
  void OnMouseDown(const SDL_MouseButtonEvent& button);
  void OnMouseMotion(const SDL_MouseMotionEvent& motion);
  // The grid cell under window point (x, y); false outside the grid.
  bool CellAtPoint(int x, int y, Key* key) const;
  void FlushPending();
  void EmitKey(const Key& key) { out_.push_back(TranslatedInput{WindowCommand::kNone, key}); }
  void EmitCommand(WindowCommand command) { out_.push_back(TranslatedInput{command, Key{}}); }

  std::deque<TranslatedInput> out_;
  std::optional<Key> pending_;   // a character key waiting for the character it types
  bool drop_next_text_ = false;  // the last key-down was delivered whole; its text is a leftover
  GridLayout layout_;
  int hover_x_ = -1;  // the cell the pointer was last reported on
  int hover_y_ = -1;
  float pixels_per_point_x_ = 1.0f;
  float pixels_per_point_y_ = 1.0f;
};

}  // namespace platform
