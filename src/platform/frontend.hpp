// The one small interface between the game and a screen: draw the grid, wait for a key, pause,
// beep.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/grid.hpp"
#include "platform/key.hpp"

namespace platform {

// Thrown by a front end whose input has ended for good (the scripted keys are used up).
// The program unwinds to its top level and ends cleanly.
class InputEnded : public std::runtime_error {
 public:
  InputEnded() : std::runtime_error("input ended") {}
};

// The faces a window may draw its cells in; "Настройки" offers them by these numbers.
enum class FontFace : uint8_t { kDejaVuSansMono = 0, kPtMono = 1, kTerminus = 2 };
inline constexpr int kFontFaceCount = 3;

class Frontend {
 public:
  virtual ~Frontend() = default;

  // Shows the grid. The front end keeps a copy to redraw it when the window is exposed or resized.
  virtual void Present(const Grid& grid) = 0;
  // Blocks until the next key press, click or close request. Redraws the last grid while it waits.
  // Once hung up, returns a hang-up at once every time, and pauses no longer pause.
  virtual Key NextKey() = 0;
  // Whether a key, click, close request or hang-up is waiting, without taking it: an automatic
  // walk stops on any key.
  virtual bool KeyWaiting() = 0;
  virtual void SleepMs(int ms) = 0;
  virtual void Beep() = 0;
  // The window title; front ends without one (the terminal) ignore it and the game draws a title
  // row.
  virtual void SetTitle(const std::string& utf8) = 0;
  virtual bool HasTitleBar() const = 0;
  // Draws the cells in another face from now on; front ends without fonts ignore it.
  virtual void SetFontFace(FontFace /*face*/) {}
};

}  // namespace platform
