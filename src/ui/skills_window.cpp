#include "ui/skills_window.hpp"

#include <cmath>
#include <cstdio>
#include <string>

#include "engine/skills.hpp"
#include "items/hand_figures.hpp"
#include "model/game.hpp"

namespace zaldrun {
namespace {

namespace keys = platform::keys;
using platform::Color;

constexpr int kWindowWidth = 84;
constexpr int kWindowHeight = 19;
constexpr int kColumnWidth = 40;
constexpr int kNameWidth = 22;
constexpr const char* kClose = "Закрыть";
constexpr const char* kHint = "Стрелки — выбор умения, Enter — вложить очко, Esc — закрыть";

// The selected skill's name, while points remain to be spent: red 0, green 0, blue 90.
constexpr Color kSelectedBg{0, 0, 90};
// A skill at its cap, one being learned, and one not learned at all.
constexpr Color kMaxedFg{255, 215, 80};
constexpr Color kLearnedFg{230, 230, 230};
constexpr Color kUnlearnedFg{120, 120, 120};

Color RowColour(const Skill& skill) {
  if (std::trunc(skill.value) >= skill.cap) return kMaxedFg;
  return skill.value != 0 ? kLearnedFg : kUnlearnedFg;
}

}  // namespace

std::string SkillValueText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

bool SkillsWindow::PointsLeft() const { return game_.world.hero.skill_points >= 1; }

void SkillsWindow::Draw(platform::Grid& grid) const {
  const ui::Rect rect = ui::CentredRect(grid, kWindowWidth, kWindowHeight);
  ui::DrawWindow(grid, rect, kTitle);
  const Color bg = ui::palette::kWindowBg;
  const Hero& hero = game_.world.hero;
  for (int s = 1; s <= kSkillCount; ++s) {
    const Skill& skill = hero.SkillAt(s);
    const int x = rect.x + 2 + ((s - 1) % 2) * kColumnWidth;
    const int y = rect.y + 2 + (s - 1) / 2;
    const Color fg = RowColour(skill);
    const bool highlighted = s == selected_ && PointsLeft();
    grid.PutText(x, y, skill.name, fg, highlighted ? kSelectedBg : bg, kNameWidth);
    grid.PutText(x + kNameWidth + 1, y, SkillValueText(skill.value), fg, bg);
    grid.PutText(x + kNameWidth + 9, y, "+" + SkillValueText(SkillGain(game_, s)),
                 ui::palette::kLabel, bg);
    rows_[static_cast<size_t>(s)] = ui::Rect{x, y, kColumnWidth - 1, 1};
  }
  const int y = rect.y + 3 + (kSkillCount + 1) / 2;
  const int width = grid.PutText(rect.x + 2, y, kPointsCaption, ui::palette::kLabel, bg);
  grid.PutText(rect.x + 3 + width, y, std::to_string(hero.skill_points), ui::palette::kValue, bg);
  grid.PutText(rect.x + 2, y + 2, kHint, ui::palette::kLabel, bg, rect.w - 4);
  close_ = ui::DrawButton(grid, rect.x + rect.w - 3 - ui::ButtonWidth(kClose), rect.y + rect.h - 2,
                          kClose, false);
}

void SkillsWindow::SpendPoint() {
  Hero& hero = game_.world.hero;
  const Skill& skill = hero.SkillAt(selected_);
  if (std::trunc(skill.value) >= skill.cap || !PointsLeft()) return;
  --hero.skill_points;
  RaiseSkill(game_, selected_, SkillGain(game_, selected_), true);
  RebuildHands(game_);  // a weapon skill changes the blows of the hands
}

void SkillsWindow::MoveSelection(int key_code) {
  if (!PointsLeft()) return;
  switch (key_code) {
    case keys::kLeft:
      if (selected_ % 2 == 0) --selected_;
      break;
    case keys::kRight:
      if (selected_ % 2 == 1 && selected_ < kSkillCount) ++selected_;
      break;
    case keys::kUp:
      if (selected_ >= 3) selected_ -= 2;
      break;
    case keys::kDown:
      if (selected_ <= kSkillCount - 2) selected_ += 2;
      break;
    default:
      break;
  }
}

bool SkillsWindow::HandleKey(const platform::Key& key) {
  switch (key.kind) {
    case platform::KeyKind::kCloseRequest:
    case platform::KeyKind::kHangup:
      return true;
    case platform::KeyKind::kMouseClick:
      if (close_.Contains(key.x, key.y)) return true;
      for (int s = 1; s <= kSkillCount; ++s) {
        if (!rows_[static_cast<size_t>(s)].Contains(key.x, key.y) || !PointsLeft()) continue;
        // A click selects a skill; a click on the selected one spends a point, like Enter.
        if (s == selected_) {
          SpendPoint();
        } else {
          selected_ = s;
        }
      }
      return false;
    case platform::KeyKind::kMouseMove:
      return false;
    case platform::KeyKind::kKey:
      break;
  }
  if (key.code == keys::kEscape) return true;
  if (key.code == keys::kEnter) {
    SpendPoint();
  } else {
    MoveSelection(key.code);
  }
  return false;
}

void RunSkillsWindow(Game& game, Screen& screen) {
  SkillsWindow window(game);
  LayerScope scope(screen, window);
  while (!window.HandleKey(screen.NextWindowKey())) {
  }
}

}  // namespace zaldrun
