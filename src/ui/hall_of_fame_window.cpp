#include "ui/hall_of_fame_window.hpp"

#include <algorithm>

#include "base/utf8.hpp"
#include "model/game.hpp"
#include "records/text_table.hpp"
#include "world/hall_of_fame.hpp"

namespace zaldrun {
namespace {

namespace keys = platform::keys;

constexpr int kWindowWidth = 96;
constexpr int kWindowHeight = 40;
constexpr int kTextWidth = kWindowWidth - 4;
constexpr const char* kClose = "Закрыть";
constexpr const char* kNobody = "Здесь пока никого нет: зал славы ждёт первого героя, чья игра окончена.";

// "1. Вася — Человек Воин, уровень 3, опыт 250" with the date at the right, then where and how the
// game ended and the record's file.
void AddEntryLines(int place, const FameEntry& e, std::vector<std::string>& lines) {
  std::string first = std::to_string(place) + ". " + e.name + " — " +
                      FetchText(text_ids::kRaceBase + e.race) + " " +
                      FetchText(text_ids::kClassBase + e.hero_class) + ", уровень " +
                      std::to_string(e.level) + ", опыт " + std::to_string(e.experience);
  const size_t used = Utf8Length(first) + Utf8Length(e.date);
  first += std::string(used < kTextWidth ? kTextWidth - used : 1, ' ') + e.date;
  lines.push_back(first);
  std::string second = "    " + e.where + ": " + e.how + ".";
  if (!e.record.empty()) second += " Запись: " + e.record;
  for (std::string& row : ui::WrapText(second, kTextWidth)) lines.push_back(std::move(row));
}

}  // namespace

HallOfFameWindow::HallOfFameWindow(const Game& game) {
  std::string error;
  const auto entries = ReadHallOfFame(game.session.folder, &error);
  if (!entries) {
    for (const std::string& text : {error + ".", std::string("Файл оставлен как есть.")}) {
      for (std::string& row : ui::WrapText(text, kTextWidth)) lines_.push_back(std::move(row));
    }
  } else if (entries->empty()) {
    lines_ = ui::WrapText(kNobody, kTextWidth);
  }
  for (size_t i = 0; entries && i < entries->size(); ++i) {
    AddEntryLines(static_cast<int>(i) + 1, (*entries)[i], lines_);
  }
}

void HallOfFameWindow::Draw(platform::Grid& grid) const {
  const ui::Rect rect = ui::CentredRect(grid, kWindowWidth, kWindowHeight);
  ui::DrawWindow(grid, rect, kTitle);
  page_rows_ = std::max(1, rect.h - 5);
  const int last = std::min(static_cast<int>(lines_.size()), top_ + page_rows_);
  for (int i = top_; i < last; ++i) {
    grid.PutText(rect.x + 2, rect.y + 2 + i - top_, lines_[static_cast<size_t>(i)],
                 ui::palette::kWindowFg, ui::palette::kWindowBg, rect.w - 4);
  }
  if (static_cast<int>(lines_.size()) > page_rows_) {
    grid.PutText(rect.x + 2, rect.y + rect.h - 2, "Стрелки, PgUp, PgDn — листать", ui::palette::kLabel,
                 ui::palette::kWindowBg);
  }
  close_ = ui::DrawButton(grid, rect.x + rect.w - 3 - ui::ButtonWidth(kClose), rect.y + rect.h - 2,
                          kClose, true);
}

void HallOfFameWindow::Scroll(int rows) {
  const int most = std::max(0, static_cast<int>(lines_.size()) - page_rows_);
  top_ = std::clamp(top_ + rows, 0, most);
}

bool HallOfFameWindow::HandleKey(const platform::Key& key) {
  if (key.kind == platform::KeyKind::kCloseRequest) return true;
  if (key.kind == platform::KeyKind::kMouseClick) return close_.Contains(key.x, key.y);
  switch (key.code) {
    case keys::kEscape:
    case keys::kEnter:
    case keys::kSpace:
      return true;
    case keys::kUp:
      Scroll(-1);
      break;
    case keys::kDown:
      Scroll(+1);
      break;
    case keys::kPageUp:
      Scroll(-page_rows_);
      break;
    case keys::kPageDown:
      Scroll(+page_rows_);
      break;
    default:
      break;
  }
  return false;
}

void RunHallOfFameWindow(Game& game, Screen& screen) {
  HallOfFameWindow window(game);
  LayerScope scope(screen, window);
  while (!window.HandleKey(screen.NextWindowKey())) {
  }
}

}  // namespace zaldrun
