#include "ui/message_view.hpp"

#include <algorithm>

#include "base/utf8.hpp"
#include "model/game.hpp"
#include "ui/layout.hpp"

namespace zaldrun {
namespace {

using platform::Color;

// The entry box is never narrower than this, so that a short question keeps room to type.
constexpr int kEntryMinWidth = 8;
constexpr Color kEntryFg = platform::colors::kBlack;
constexpr Color kEntryBg = platform::colors::kWhite;

// Broken at blanks; hard, every `width` characters, where a word would push it past `max_rows`.
std::vector<std::string> MessageRows(const std::string& line, int width, int max_rows) {
  std::vector<std::string> rows = ui::WrapText(line, width);
  if (static_cast<int>(rows.size()) <= max_rows) return rows;
  rows.clear();
  const std::u32string text = DecodeUtf8(line);
  for (size_t start = 0; start < text.size(); start += static_cast<size_t>(width)) {
    rows.push_back(EncodeUtf8(text.substr(start, static_cast<size_t>(width))));
  }
  return rows;
}

}  // namespace

MessageLayout LayOutMessage(const View& view, int width, int max_rows) {
  MessageLayout layout;
  layout.rows = MessageRows(view.message_line, width, max_rows);
  if (static_cast<int>(layout.rows.size()) > max_rows) layout.rows.resize(max_rows);
  if (!view.number_input.visible) return layout;
  const std::u32string entry = DecodeUtf8(view.number_input.text + "_");
  const int wanted = std::max(static_cast<int>(entry.size()), kEntryMinWidth);
  int row = std::max(0, static_cast<int>(layout.rows.size()) - 1);
  int column = layout.rows.empty() ? 0 : static_cast<int>(Utf8Length(layout.rows.back())) + 1;
  if (column + wanted > width && row + 1 < max_rows) {
    ++row;
    column = 0;
  }
  column = std::min(column, width - 1);
  layout.entry_row = row;
  layout.entry_column = column;
  layout.entry_width = std::min(wanted, width - column);
  // The end of a long entry stays in sight: that is where the typing goes on.
  const size_t shown = std::min(entry.size(), static_cast<size_t>(layout.entry_width));
  layout.entry = EncodeUtf8(entry.substr(entry.size() - shown));
  return layout;
}

void DrawMessage(platform::Grid& grid, const MessageLayout& layout, const ui::Rect& area, Color fg,
                 Color bg) {
  for (size_t i = 0; i < layout.rows.size() && static_cast<int>(i) < area.h; ++i) {
    grid.PutText(area.x, area.y + static_cast<int>(i), layout.rows[i], fg, bg, area.w);
  }
  if (layout.entry_row < 0 || layout.entry_row >= area.h) return;
  const int x = area.x + layout.entry_column;
  const int y = area.y + layout.entry_row;
  grid.Fill(x, y, layout.entry_width, 1, U' ', kEntryFg, kEntryBg);
  grid.PutText(x, y, layout.entry, kEntryFg, kEntryBg, layout.entry_width);
}

void WaitingMessage::Draw(platform::Grid& grid) const {
  if (!screen_.WindowOpen() || game_.control.prompt_state != prompt::kWaiting) return;
  constexpr int kMostRows = layout::kMessageRows + 1;
  const MessageLayout message = LayOutMessage(game_.view, layout::kMessageWidth, kMostRows);
  const ui::Rect box = ui::CentredRect(grid, layout::kMessageWidth + 4, message.Height() + 2);
  // Drawn like the message line itself, framed to stand out from the window under it.
  grid.Frame(box.x, box.y, box.w, box.h, ui::palette::kTitle, platform::colors::kBlack);
  DrawMessage(grid, message, ui::Rect{box.x + 2, box.y + 1, layout::kMessageWidth, kMostRows},
              ui::palette::kValue, platform::colors::kBlack);
}

}  // namespace zaldrun
