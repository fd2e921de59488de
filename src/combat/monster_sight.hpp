// What a monster makes of the hero: whether it sees him, and how far he is.
#pragma once

#include "base/numbers.hpp"
#include "field/sight.hpp"
#include "model/game.hpp"

namespace zaldrun {

// How far a monster's eyes reach: farther than any line on the map.
inline constexpr int kMonsterSightRange = 120;

inline bool MonsterSeesHero(const Game& game, const MonsterRecord& monster) {
  return SeePlayer(game, monster.x, monster.y, game.world.hero.x, game.world.hero.y,
                   kMonsterSightRange);
}

inline int HeroDistance(const Game& game, const MonsterRecord& monster) {
  return Distance(monster.x, monster.y, game.world.hero.x, game.world.hero.y);
}

}  // namespace zaldrun
