// The skills window "Умения и навыки": the nineteen skills with their values and the gain of one
// point, and the spending of unspent skill points.
#pragma once

#include <array>

#include "model/hero.hpp"
#include "platform/key.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {

struct Game;

// Opens the window over the main window and returns when it is closed.
void RunSkillsWindow(Game& game, Screen& screen);

class SkillsWindow : public Layer {
 public:
  explicit SkillsWindow(Game& game) : game_(game) {}

  void Draw(platform::Grid& grid) const override;
  // Returns true when the window has closed.
  bool HandleKey(const platform::Key& key);

  int selected() const { return selected_; }

  static constexpr const char* kTitle = "Умения и навыки";
  static constexpr const char* kPointsCaption = "Осталось очков для распределения:";

 private:
  bool PointsLeft() const;
  // Enter: one point into the selected skill while it is below its cap.
  void SpendPoint();
  void MoveSelection(int key_code);

  Game& game_;
  int selected_ = 1;  // 1..19
  // Where each skill's row and the close button were drawn, for mouse clicks.
  mutable std::array<ui::Rect, kSkillCount + 1> rows_{};
  mutable ui::Rect close_{};
};

// A skill's value as the window shows it: four decimals ("3.1500").
std::string SkillValueText(double value);

}  // namespace zaldrun
