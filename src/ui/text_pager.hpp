// A window of coloured lines too many for one screen: the help and the message history. The
// arrows scroll by a line, PageUp and PageDown by a page, Home and End to the ends; Esc closes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/color.hpp"
#include "ui/screen.hpp"

namespace zaldrun {

struct PagerPiece {
  std::string text;
  platform::Color fg;
};
using PagerLine = std::vector<PagerPiece>;

class TextPager : public Layer {
 public:
  TextPager(std::string title, std::vector<PagerLine> lines, bool start_at_end);

  void Draw(platform::Grid& grid) const override;
  // Returns true when the key closes the window.
  bool HandleKey(const platform::Key& key);

  int top() const { return top_; }
  // Lines shown at once, and the widest line that fits.
  static int PageRows();
  static int TextWidth();

 private:
  void ScrollTo(int top);

  std::string title_;
  std::vector<PagerLine> lines_;
  int top_ = 0;
};

// Shows the pager over the main window until it is closed.
void RunTextPager(Screen& screen, TextPager& pager);

}  // namespace zaldrun
