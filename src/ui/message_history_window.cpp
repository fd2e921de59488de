#include "ui/message_history_window.hpp"

#include "model/game.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {

std::vector<PagerLine> MessageHistoryLines(const Game& game) {
  std::vector<PagerLine> lines;
  for (const MessageHistory::Entry& entry : game.view.history.entries) {
    const platform::Color fg = platform::FromPackedBgr(static_cast<uint32_t>(entry.colour));
    for (std::string& row : ui::WrapText(entry.text, TextPager::TextWidth())) {
      lines.push_back(PagerLine{PagerPiece{std::move(row), fg}});
    }
  }
  return lines;
}

void RunMessageHistoryWindow(const Game& game, Screen& screen) {
  std::vector<PagerLine> lines = MessageHistoryLines(game);
  if (lines.empty())
    lines.push_back(PagerLine{PagerPiece{"Сообщений ещё не было.", ui::palette::kLabel}});
  TextPager pager("Прошлые сообщения", std::move(lines), true);
  RunTextPager(screen, pager);
}

}  // namespace zaldrun
