// The message line as the screen shows it: its rows, the entry box right after the question, and
// the box that brings a waiting message over any open window.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "platform/grid.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {

struct Game;
struct View;

// The message line laid out in rows of `width`: broken at blanks, and hard where a word would push
// it past `max_rows`. While a number or an answer is being typed, the entry box follows the text
// on its last row, or starts the next row when that one is full.
struct MessageLayout {
  std::vector<std::string> rows;
  int entry_row = -1;  // -1: no entry box
  int entry_column = 0;
  int entry_width = 0;
  std::string entry;  // the typed text with its cursor, cut to the box from the left
  int Height() const { return std::max(static_cast<int>(rows.size()), entry_row + 1); }
};
MessageLayout LayOutMessage(const View& view, int width, int max_rows);

// Draws the laid-out message into the area.
void DrawMessage(platform::Grid& grid, const MessageLayout& layout, const ui::Rect& area,
                 platform::Color fg, platform::Color bg);

// While the message line waits for a key, an answer or an entry and a window is open over the main
// window, the message is drawn in a box in the middle of the screen, over the window, where the
// player is looking; otherwise nothing.
class WaitingMessage : public Layer {
 public:
  WaitingMessage(const Game& game, const Screen& screen) : game_(game), screen_(screen) {}
  void Draw(platform::Grid& grid) const override;

 private:
  const Game& game_;
  const Screen& screen_;
};

}  // namespace zaldrun
