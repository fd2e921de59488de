// What the item effect handlers share: the item being used and its blessing, learning its type,
// random numbers, prolonging a boon and the time an effect takes.
#pragma once

#include <string>
#include <string_view>

#include "model/game.hpp"

namespace zaldrun {

// The blessing of the item being used as the handlers read it, known to the hero or not.
enum class Grade { kCursed = 0, kUncursed = 1, kBlessed = 2 };
Grade GradeOf(const ItemRecord& item);
Grade CurrentGrade(const Game& game);
// Picks the figure of the current item's grade.
template <typename T>
T ByGrade(const Game& game, T cursed, T uncursed, T blessed) {
  switch (CurrentGrade(game)) {
    case Grade::kCursed:
      return cursed;
    case Grade::kUncursed:
      return uncursed;
    case Grade::kBlessed:
      break;
  }
  return blessed;
}

// A random number 0 <= r < 1, and Int(r × n).
double Rnd(Game& game);
int RndInt(Game& game, int n);
// A whole number in low..high.
int RollRange(Game& game, int low, int high);

// The hero learns the type of the item being used: the type becomes known and, for potions,
// scrolls, books, wands and food, every item of it in the pack, the equipment, the piles and on
// the floor (and every one taken into the pack later) is named by its true name from now on.
void LearnCurrentType(Game& game);
void LearnType(Game& game, int type);

// The whole level of a skill.
int SkillLevel(const Game& game, int skill);

// A boon that ends with the timed event `name`: a pending one is prolonged by `ticks` (its
// countdown saturating at the largest it can hold) and keeps its parameter; otherwise the event is
// scheduled with `amount` and the caller applies the change. True when it was prolonged.
bool ProlongOrSchedule(Game& game, std::string_view name, int ticks, int amount);

// Adds to a 16-bit figure, saturating.
void Add16(int16_t& value, int delta);

// Poison lowered by `amount`, never below 0; its label hides at 0.
void LowerPoison(Game& game, int amount);

// The name of the monster in `slot` as the subject of a message, and after "в " or "попадает в ".
std::string MonsterSubjectName(Game& game, int slot);
std::string MonsterObjectName(Game& game, int slot);

// The effect took the hero's action time.
void TakeActionTime(Game& game);

inline constexpr std::string_view kNothingHappens = "Ничего не происходит.";

}  // namespace zaldrun
