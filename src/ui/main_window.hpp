// The main window "Залдрун": menu, message line, map, status labels; the program's idle loop.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/menu_bar.hpp"
#include "ui/screen.hpp"

namespace zaldrun {

struct Game;

class MainWindow : public Layer {
 public:
  MainWindow(Game& game, Screen& screen);

  // Start-up, then keys until the program closes. Returns the process exit code.
  int Run(std::optional<uint64_t> seed);

  void Draw(platform::Grid& grid) const override;

  static constexpr const char* kCaption = "Залдрун";

 private:
  // Returns true when the program should end.
  bool HandleIdleKey(const platform::Key& key);
  void Choose(MenuItem item);
  void RunMenu();
  // The close query and unload steps; returns true when the window closes.
  bool Close();

  void DrawMessageLine(platform::Grid& grid) const;
  void DrawStatusPanel(platform::Grid& grid) const;
  void DrawHints(platform::Grid& grid) const;

  Game& game_;
  Screen& screen_;
  MenuBar menu_;
};

}  // namespace zaldrun
