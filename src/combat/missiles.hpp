// Everything that flies: the hero's shot or throw, a monster's throw, shot and acid spit, the
// straight bolt that passes through creatures (breath, wands) and the burst of flames.
#pragma once

#include "model/level.hpp"

namespace zaldrun {

struct Game;

// The hero shoots (or throws) the readied ammunition at the cell (x, y): the missile flies until a
// creature or an obstacle catches it, hits or misses the monster there, lands or breaks, leaves the
// quiver, and the shot's time passes. Nothing happens without readied ammunition.
void HeroShot(Game& game, int x, int y);
// The time a shot or throw takes: the launcher's speed, or a plain turn for a throw, less 15 for
// each whole point of the skill, never below the fewest units any attack costs.
int ShotCost(const Game& game);

// A monster's throw (kind 1), bow shot (2) or crossbow shot (3) of `item` at the hero, with the
// figures of attack slot `attack`; half the time the item lands at the hero's feet. Costs the
// type's attack cost.
void MonsterMissile(Game& game, int slot, const ItemRecord& item, int attack, int kind);

// A monster spits acid at the hero with attack slot 2. The caller charges its time.
void AcidSpit(Game& game, int slot);

// Monster missile kinds.
namespace missile_kind {
inline constexpr int kThrow = 1;
inline constexpr int kBow = 2;
inline constexpr int kCrossbow = 3;
}  // namespace missile_kind

// A straight bolt of damage kind `kind` (4..10) from (x0, y0), stepping (dx, dy) up to `length`
// cells: it hits every creature on its way and stops only at terrain that stops bolts. Monsters it
// kills are removed at once; `by_hero` makes them the hero's (anger, kills and experience).
void Bolt(Game& game, int x0, int y0, int dx, int dy, int length, int low, int high, int kind,
          bool by_hero);

// A burst of fire filling the size × size square centred on (x, y), burning every creature in it.
// `by_hero`: the hero set it off (his wand or scroll, his kick, a trap he sprang), so the monsters
// it burns are his to anger and to kill.
void FlameBurst(Game& game, int x, int y, int low, int high, int size, bool by_hero);

}  // namespace zaldrun
