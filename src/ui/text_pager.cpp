#include "ui/text_pager.hpp"

#include <algorithm>

#include "ui/layout.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {
namespace {

namespace keys = platform::keys;

constexpr int kMargin = 2;  // cells between the window and the grid's edge
constexpr const char* kHint = "↑↓ PgUp PgDn Home End — листать, Esc — закрыть";

// The window keeps its place on the screen's fixed grid.
ui::Rect PagerRect() {
  return ui::Rect{kMargin, kMargin, layout::kGridWidth - 2 * kMargin,
                  layout::kGridHeight - 2 * kMargin};
}

}  // namespace

TextPager::TextPager(std::string title, std::vector<PagerLine> lines, bool start_at_end)
    : title_(std::move(title)), lines_(std::move(lines)) {
  if (start_at_end) ScrollTo(static_cast<int>(lines_.size()));
}

int TextPager::PageRows() { return PagerRect().h - 4; }

int TextPager::TextWidth() { return PagerRect().w - 4; }

void TextPager::ScrollTo(int top) {
  const int last_top = std::max(0, static_cast<int>(lines_.size()) - PageRows());
  top_ = std::clamp(top, 0, last_top);
}

void TextPager::Draw(platform::Grid& grid) const {
  const ui::Rect rect = PagerRect();
  const int rows = PageRows();
  ui::DrawWindow(grid, rect, title_);
  const int width = TextWidth();
  for (int row = 0; row < rows && top_ + row < static_cast<int>(lines_.size()); ++row) {
    int x = rect.x + 2;
    for (const PagerPiece& piece : lines_[static_cast<size_t>(top_ + row)]) {
      const int left = rect.x + 2 + width - x;
      if (left <= 0) break;
      x += grid.PutText(x, rect.y + 1 + row, piece.text, piece.fg, ui::palette::kWindowBg, left);
    }
  }
  const int pages = std::max(1, (static_cast<int>(lines_.size()) + rows - 1) / rows);
  const int page = std::min(pages, top_ / std::max(1, rows) + 1);
  const std::string footer =
      std::string(kHint) + "    " + std::to_string(page) + "/" + std::to_string(pages);
  grid.PutText(rect.x + 2, rect.y + rect.h - 2, footer, ui::palette::kLabel, ui::palette::kWindowBg,
               width);
}

bool TextPager::HandleKey(const platform::Key& key) {
  if (key.kind == platform::KeyKind::kCloseRequest) return true;
  if (key.kind != platform::KeyKind::kKey) return false;
  switch (key.code) {
    case keys::kEscape:
      return true;
    case keys::kUp:
      ScrollTo(top_ - 1);
      break;
    case keys::kDown:
      ScrollTo(top_ + 1);
      break;
    case keys::kPageUp:
      ScrollTo(top_ - PageRows());
      break;
    case keys::kPageDown:
    case keys::kSpace:
      ScrollTo(top_ + PageRows());
      break;
    case keys::kHome:
      ScrollTo(0);
      break;
    case keys::kEnd:
      ScrollTo(static_cast<int>(lines_.size()));
      break;
    default:
      break;
  }
  return false;
}

void RunTextPager(Screen& screen, TextPager& pager) {
  LayerScope scope(screen, pager);
  while (!pager.HandleKey(screen.NextWindowKey())) {
  }
}

}  // namespace zaldrun
