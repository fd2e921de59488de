// The hall of fame window "Зал славы": the heroes whose game ended, best first, two lines each.
#pragma once

#include <string>
#include <vector>

#include "platform/key.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {

struct Game;

// Opens the window over the main window; returns when it is closed.
void RunHallOfFameWindow(Game& game, Screen& screen);

class HallOfFameWindow : public Layer {
 public:
  // Reads the hall of fame of the player's folder; a damaged file is told, not shown.
  explicit HallOfFameWindow(const Game& game);

  void Draw(platform::Grid& grid) const override;
  // Returns true when the window has closed.
  bool HandleKey(const platform::Key& key);

  // The lines as shown, scrolled or not.
  const std::vector<std::string>& lines() const { return lines_; }

  static constexpr const char* kTitle = "Зал славы";

 private:
  void Scroll(int rows);

  std::vector<std::string> lines_;
  int top_ = 0;
  mutable int page_rows_ = 1;
  mutable ui::Rect close_{};
};

}  // namespace zaldrun
