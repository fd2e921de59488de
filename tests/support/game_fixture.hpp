// A game on a sandbox level drawn as an ASCII picture, driven by scripted keys through the
// headless front end, with the main window drawing so tests can read the screen.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/game.hpp"
#include "platform/headless/headless_frontend.hpp"
#include "support/temp_folder.hpp"
#include "ui/main_window.hpp"
#include "ui/screen.hpp"
#include "world/sandbox.hpp"

namespace zaldrun::testing {

// A sandbox from picture rows: rows shorter than 80 are padded with stone wall, missing rows too.
SandboxLevel PictureLevel(const std::vector<std::string>& rows);

class GameFixture {
 public:
  explicit GameFixture(const std::vector<std::string>& picture, uint64_t seed = 1);

  Game& game() { return *game_; }
  platform::HeadlessFrontend& frontend() { return frontend_; }
  const TempFolder& folder() const { return folder_; }

  GameFixture& Keys(std::string_view script) {
    frontend_.PushScript(script);
    return *this;
  }
  // Runs an action with the keys queued so far; returns false when the keys ran out first.
  bool Act(const std::function<void(Game&)>& action);
  // Feeds the queued keys to the command handler as the main window does while idle, calling
  // `after_each` after every key it handled; returns false when a key asked the window to close.
  bool PlayKeys(const std::function<void()>& after_each = {});

  std::string ScreenText();
  bool ScreenHas(std::string_view text) { return ScreenText().find(text) != std::string::npos; }
  // Messages.log, one entry per line, converted to UTF-8.
  std::vector<std::string> LogLines() const;
  // How many lines of the log are `line`; whether some line holds `text`.
  int LogCount(std::string_view line) const;
  bool LogHas(std::string_view text) const;

  // Starts a new game on the level of the place, as the command line does; false when it failed.
  bool StartOn(int place, int level);

  // A monster on the level (type and cell given; full hit points 10).
  int AddMonster(int type, int x, int y, bool peaceful = false);

 private:
  TempFolder folder_;
  platform::HeadlessFrontend frontend_;
  std::unique_ptr<Game> game_;
  Screen screen_;
  MainWindow window_;
};

}  // namespace zaldrun::testing
