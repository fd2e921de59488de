// Skill growth: what one use or one spent point of a skill is worth, and raising a skill.
#pragma once

namespace zaldrun {

struct Game;

// The raise one use or one skill point gives skill 1..19 now (never below 0).
double SkillGain(const Game& game, int skill);
// Adds `amount` to a skill; crossing a whole level announces it (when asked) and adds only half of
// the amount on top of the new level; the value stays under the skill's cap. The new combat values
// of a weapon skill reach the wielded weapons when the caller (above the engine) calls RebuildHands
// (items/hand_figures.hpp).
void RaiseSkill(Game& game, int skill, double amount, bool announce);
// Recomputes a weapon skill's two combat values from its whole value (skills 1..12 only).
void RefreshCombatValues(Game& game, int skill);
// Grows a skill by a fraction of one use's worth, announcing new levels.
void TrainSkill(Game& game, int skill, double fraction);

}  // namespace zaldrun
