#include "engine/turn.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/dispatch.hpp"
#include "engine/message_line.hpp"
#include "model/monster_types.hpp"
#include "field/sight.hpp"
#include "model/game.hpp"
#include "records/monster_record.hpp"
#include "model/world_ops.hpp"

namespace zaldrun {
namespace {

constexpr int kParalysisStep = 10;

void EventPass(Game& game, int elapsed) {
  game.control.current_slot = 1;
  while (game.control.current_slot >= 1 && game.control.current_slot <= game.world.event_count) {
    EventSlot& slot = game.world.events[static_cast<size_t>(game.control.current_slot)];
    slot.countdown = Clamp16(static_cast<long long>(slot.countdown) - elapsed);
    if (slot.countdown < 1) {
      const std::string name = slot.name;  // the handler may move the slot
      CallEventHandler(game, name);
    }
    game.control.current_slot = Clamp16(game.control.current_slot + 1);
  }
}

void MonsterPass(Game& game, int elapsed) {
  // Monsters created during the pass wait for the next one. A removal shifts the later slots down
  // under the running index: the pass then looks at the current slot again and ends one earlier.
  int last = game.world.level.monster_count;
  for (game.control.current_slot = 1; game.control.current_slot <= std::min<int>(last, game.world.level.monster_count);
       game.control.current_slot = Clamp16(game.control.current_slot + 1)) {
    const int slot = game.control.current_slot;
    MonsterRecord& monster = game.world.level.Monster(slot);
    const MonsterTypeRecord* type = FindMonsterType(game, monster.type);
    // Healing above the maximum (a drink of vodka) wears off here too: the gain is capped.
    if (type != nullptr && (type->flags & monster_flag::kRegenerates) != 0) {
      monster.hp = static_cast<int16_t>(std::min(monster.hp + 1, static_cast<int>(monster.max_hp)));
    }
    if (monster.action_delay > 0) {
      monster.action_delay = Clamp16(static_cast<long long>(monster.action_delay) - elapsed);
      continue;
    }
    monster.energy = Clamp16(static_cast<long long>(monster.energy) +
                             static_cast<long long>(monster.speed) * elapsed);
    game.control.removed_monster_slots.clear();
    CallResolvedBehaviour(game, monster.type, slot);
    for (int removed : game.control.removed_monster_slots) {
      if (removed <= game.control.current_slot) {
        game.control.current_slot = Clamp16(game.control.current_slot - 1);
        --last;
      } else if (removed <= last) {
        --last;
      }
    }
    game.control.removed_monster_slots.clear();
  }
}

void TurnBody(Game& game, int elapsed, int cost) {
  game.view.labels.time_figures = {std::to_string(elapsed), std::to_string(cost),
                              std::to_string(game.world.hero.time_carry)};
  EventPass(game, elapsed);
  MonsterPass(game, elapsed);
  SweepHeroSight(game);
}

}  // namespace

void AdvanceTime(Game& game, int16_t& elapsed, int cost) {
  if (game.GameOver()) return;
  ++game.control.turns;
  Hero& hero = game.world.hero;
  // A speed of 0 or below would stop time for good; the hero always moves at least a little.
  const int speed = std::max(1, hero.speed_base + hero.speed_bonus);
  const int need = cost - hero.time_carry;
  int passed = need / speed;
  if (static_cast<double>(need) / speed > passed) {
    ++passed;
    hero.time_carry = Clamp16(static_cast<long long>(speed) * passed - need);
  } else {
    hero.time_carry = 0;
  }
  passed = std::clamp(passed, 0, static_cast<int>(INT16_MAX));
  elapsed = static_cast<int16_t>(passed);

  int step = passed;
  while (true) {
    TurnBody(game, step, cost);
    if (game.GameOver()) break;  // no paralysis plays on after death
    if (hero.paralysis_time > kParalysisStep) {
      hero.paralysis_time = Clamp16(hero.paralysis_time - kParalysisStep);
      step = kParalysisStep;
    } else if (hero.paralysis_time >= 1) {
      step = hero.paralysis_time;
      hero.paralysis_time = -1;
    } else {
      break;
    }
    game.view.labels.Set(Condition::kParalyzed, true);
  }
  if (hero.paralysis_time <= -1) {
    ShowMessage(game, "Ты снова можешь двигаться.");
    hero.paralysis_time = 0;
    game.view.labels.Set(Condition::kParalyzed, false);
  }
  if (hero.paralysis_time == 0) game.view.labels.Set(Condition::kParalyzed, false);
}

void AdvanceTime(Game& game, int cost) { AdvanceTime(game, game.world.hero.last_action_time, cost); }

}  // namespace zaldrun
