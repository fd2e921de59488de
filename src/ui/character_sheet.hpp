// The character sheet "Информация о персонаже": name, race and class, the attribute grid, weights,
// resistances, defence, speed and the three attack columns. It only shows; it changes nothing.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/key.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {

struct Game;

// Opens the sheet over the main window and returns when it is closed.
void RunCharacterSheet(Game& game, Screen& screen);

// One attack column of the sheet: the right hand, the left hand or the missiles.
struct AttackColumn {
  bool shown = false;       // the left hand holds a weapon; a missile can be shot or thrown
  bool identified = true;   // false: the damage shows "???"
  std::string to_hit;       // "+12", "0", "-3"
  struct Damage {
    int low = 0;
    int high = 0;
    int kind = 0;  // 1..10
  };
  std::vector<Damage> damage;  // up to four kinds
};

// The three columns as the hero's attack profile and equipment give them.
std::array<AttackColumn, 3> AttackColumns(const Game& game);

// A to-hit figure as the sheet writes it: a leading "+" from 1 up, none for 0 and below.
std::string ToHitText(int to_hit);

class CharacterSheet : public Layer {
 public:
  explicit CharacterSheet(const Game& game) : game_(game) {}

  void Draw(platform::Grid& grid) const override;
  // Returns true when the sheet has closed.
  bool HandleKey(const platform::Key& key) const;

  static constexpr const char* kTitle = "Информация о персонаже";

 private:
  const Game& game_;
  mutable ui::Rect close_{};
};

}  // namespace zaldrun
