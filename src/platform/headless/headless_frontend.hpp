// Headless front end: scripted keys in, the last presented grid out. Used by tests, benchmarks,
// soak.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/frontend.hpp"

namespace platform {

class HeadlessFrontend : public Frontend {
 public:
  HeadlessFrontend() = default;

  void Present(const Grid& grid) override;
  // Returns the next scripted key; throws InputEnded when the script is used up. After a
  // scripted hang-up, a hang-up every time, the keys left in the script untouched.
  Key NextKey() override;
  // Any scripted key left counts as typed during an automatic walk.
  bool KeyWaiting() override { return hung_up_ || !keys_.empty(); }
  void SleepMs(int ms) override;
  void Beep() override { ++beeps_; }
  void SetTitle(const std::string& utf8) override { title_ = utf8; }
  bool HasTitleBar() const override { return has_title_bar_; }

  // Script building.
  void PushKey(const Key& key) { keys_.push_back(key); }
  void PushCode(int code);
  // Each character of the UTF-8 text becomes one typed key.
  void PushText(std::string_view utf8);
  // A compact script: plain characters are typed; {Name} is a fixed key
  // ({Enter} {Esc} {Space} {Up} {Down} {Left} {Right} {Home} {End} {PgUp} {PgDn} {Clear} {Tab}
  // {Backspace} {F1} {F10} {Close} {Hangup}, {Shift+Name} of the keys before and {Ctrl+X}).
  void PushScript(std::string_view script);
  void PushClick(int x, int y);
  void PushMouseMove(int x, int y);
  void PushClose();
  // A hang-up signal arrives: as the next key, or during the n-th pause from now (an animation).
  void PushHangup();
  void HangUpInSleep(int n) { sleeps_before_hangup_ = n; }
  size_t pending_keys() const { return keys_.size(); }

  void set_has_title_bar(bool value) { has_title_bar_ = value; }

  // What the game last showed.
  const std::optional<Grid>& last_grid() const { return last_grid_; }
  std::string ScreenText() const;
  int presents() const { return presents_; }
  // Time paused, hung-up pauses not counted.
  long slept_ms() const { return slept_ms_; }
  int beeps() const { return beeps_; }
  const std::string& title() const { return title_; }

 private:
  std::deque<Key> keys_;
  std::optional<Grid> last_grid_;
  std::string title_;
  bool has_title_bar_ = false;
  int presents_ = 0;
  long slept_ms_ = 0;
  int beeps_ = 0;
  bool hung_up_ = false;
  int sleeps_before_hangup_ = 0;
};

// The key a front end delivers for a typed character (code derived from the character for letters,
// digits and the fixed keys it doubles as, Windows-1251 byte filled in).
Key TypedKey(char32_t ch);

}  // namespace platform
