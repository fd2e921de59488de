#include "ui/end_screen.hpp"

#include <algorithm>
#include <numeric>

#include "base/utf8.hpp"
#include "model/game.hpp"
#include "records/text_table.hpp"
#include "ui/message_box.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"
#include "world/hall_of_fame.hpp"

namespace zaldrun {
namespace {

constexpr int kTextWidth = 70;
constexpr const char* kOk = "В главное меню";

std::string HeroTitle(const Game& game) {
  const Hero& hero = game.world.hero;
  const std::string name = hero.name.empty() ? "Безымянный герой" : hero.name;
  return name + ", " + FetchText(text_ids::kRaceBase + hero.race) + " " +
         FetchText(text_ids::kClassBase + hero.hero_class);
}

class EndScreenLayer : public Layer {
 public:
  EndScreenLayer(std::string_view title, const std::vector<std::string>& lines)
      : title_(title), spoken_(title) {
    for (const std::string& line : lines) {
      if (!line.empty()) spoken_ += ". " + line;
      for (std::string& row : ui::WrapText(line, kTextWidth)) rows_.push_back(std::move(row));
    }
  }

  void Draw(platform::Grid& grid) const override {
    size_t widest = ui::ButtonWidth(kOk);
    for (const std::string& row : rows_) widest = std::max(widest, Utf8Length(row));
    const ui::Rect rect =
        ui::CentredRect(grid, static_cast<int>(widest) + 6, static_cast<int>(rows_.size()) + 5);
    ui::DrawWindow(grid, rect, title_);
    for (size_t i = 0; i < rows_.size(); ++i) {
      grid.PutText(rect.x + 3, rect.y + 2 + static_cast<int>(i), rows_[i],
                   i == 0 ? ui::palette::kTitle : ui::palette::kWindowFg, ui::palette::kWindowBg,
                   rect.w - 6);
    }
    ok_ = ui::DrawButton(grid, ui::CentreColumn(rect.x, rect.w, ui::ButtonWidth(kOk)),
                         rect.y + rect.h - 2, kOk, true);
  }

  const ui::Rect& ok() const { return ok_; }
  // Read aloud whole: the title, then how the game ended and the hero's figures.
  std::string SpokenText() const override { return spoken_; }

 private:
  std::string title_;
  std::string spoken_;
  std::vector<std::string> rows_;
  mutable ui::Rect ok_;
};

}  // namespace

std::vector<std::string> EndScreenLines(const Game& game, std::string_view record_file,
                                        std::string_view report) {
  const Hero& hero = game.world.hero;
  const FameEntry hero_end = FameEntryOf(game, std::string(record_file), std::string());
  std::vector<std::string> lines;
  if (game.session.saved) {
    lines.push_back(HeroTitle(game) + ", сохранён.");
    lines.push_back("Он проснётся там, где уснул: " + hero_end.where + ".");
  } else {
    lines.push_back(HeroTitle(game) + ", " + hero_end.how + ".");
  }
  lines.emplace_back();
  const auto& kills = game.world.kill_counts;
  const long long killed = std::accumulate(kills.begin() + 1, kills.end(), 0LL);
  lines.push_back("Уровень: " + std::to_string(hero.level) +
                  ", опыт: " + std::to_string(hero_end.experience));
  lines.push_back("Место: " + hero_end.where);
  lines.push_back(std::string(game.control.resumed ? "Ходов после загрузки: " : "Ходов: ") +
                  std::to_string(game.control.turns));
  lines.push_back("Убито монстров: " + std::to_string(killed));
  lines.push_back("Деньги: " + std::to_string(hero.money) + "$");
  if (!record_file.empty()) {
    lines.emplace_back();
    lines.push_back("История героя записана в файл «" + std::string(record_file) + "».");
  }
  if (!report.empty()) {
    lines.emplace_back();
    lines.emplace_back(report);
  }
  return lines;
}

void RunEndScreen(Screen& screen, std::string_view title, const std::vector<std::string>& lines) {
  EndScreenLayer layer(title, lines);
  RunOkDialog(screen, layer, layer.ok(), true);
}

}  // namespace zaldrun
