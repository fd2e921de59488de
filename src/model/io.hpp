// What the game asks of the screen while it runs: the next key, a redraw, a pause, a beep,
// a message box. The user interface implements it; tests drive it with scripted keys.
#pragma once

#include <string_view>

#include "platform/key.hpp"

namespace zaldrun {

class Io {
 public:
  virtual ~Io() = default;

  // The next key of an ongoing action (a wait of the message line, a prompt). A close request
  // arriving now is remembered and delivered once the game is idle again.
  virtual platform::Key NextKey() = 0;
  // Whether the player has pressed a key (or the program was told to end) that nobody took yet:
  // an automatic walk stops on it. The key itself stays for NextKey.
  virtual bool KeyWaiting() = 0;
  // Shows the current state of the screen without waiting (animation steps).
  virtual void Present() = 0;
  virtual void SleepMs(int ms) = 0;
  virtual void Beep() = 0;
  // A modal box with a title, a text and an OK button; returns when it is dismissed.
  virtual void MessageBox(std::string_view text, std::string_view title) = 0;
};

}  // namespace zaldrun
