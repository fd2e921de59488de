// Runs the main window on the headless front end with scripted keys, in a temporary folder.
#pragma once

#include <cstdint>
#include <string>

#include "platform/headless/headless_frontend.hpp"
#include "model/game.hpp"
#include "support/temp_folder.hpp"
#include "ui/main_window.hpp"
#include "ui/screen.hpp"

namespace zaldrun::testing {

class ProgramHarness {
 public:
  ProgramHarness();

  platform::HeadlessFrontend& frontend() { return frontend_; }
  Game& game() { return game_; }
  zaldrun::Screen& screen() { return screen_; }
  const TempFolder& folder() const { return folder_; }

  // Queues keys in the compact script form of the headless front end.
  ProgramHarness& Keys(std::string_view script) {
    frontend_.PushScript(script);
    return *this;
  }
  // Runs the main window until it closes or the keys run out. Returns the exit code, or -1 when the
  // keys ran out first.
  int Run(uint64_t seed = 1, const SandboxLevel* sandbox = nullptr,
          const HeroChoice* hero = nullptr);
  // The same with a new game of this hero begun at once on the overworld (as --hero does).
  int RunNewGame(const HeroChoice& hero, uint64_t seed = 1);

  // The text of the last screen shown.
  std::string ScreenText() const { return frontend_.ScreenText(); }
  bool ScreenHas(std::string_view text) const;

 private:
  TempFolder folder_;
  platform::HeadlessFrontend frontend_;
  Game game_;
  zaldrun::Screen screen_;
  MainWindow window_;
};

}  // namespace zaldrun::testing
