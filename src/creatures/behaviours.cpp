#include "creatures/behaviours.hpp"

#include <cstdlib>
#include <string>

#include "combat/monster_blow.hpp"
#include "combat/monster_sight.hpp"
#include "combat/traps.hpp"
#include "creatures/monster_powers.hpp"
#include "creatures/monster_steps.hpp"
#include "engine/message_line.hpp"
#include "engine/monsters_on_level.hpp"
#include "field/sight.hpp"
#include "model/chance.hpp"
#include "model/game.hpp"
#include "model/monster_types.hpp"
#include "records/game_enums.hpp"
#include "records/monster_type_table.hpp"

namespace zaldrun {

namespace {

constexpr int kActionEnergy = 1000;
constexpr int kSummonScanRadius = 5;
constexpr int kSummonReach = 9;
constexpr int kCellEntryWidth = 4;
// The place of the village, the town and the overworld: the only shops are there.
constexpr int kShopPlace = 1;

// Action codes this file knows; the others come with the monsters' special actions.
constexpr int kSpendTurn = monster_action::kWait;
constexpr int kLastBlow = 7;  // 1..6 blows; 7 passes for a blow but strikes nothing
constexpr int kSummonFew = 43;
constexpr int kSummonMany = 44;

bool Present(const Game& game, int slot) {
  return slot >= 1 && slot <= game.world.level.monster_count;
}

// Fewer monsters than limit + 2 within radius 5 (the caster among them), and the hero near in
// sight.
bool RoomToSummon(Game& game, const MonsterRecord& monster, int limit, const MonsterSight& sight) {
  if (sight.distance() >= kSummonReach || !sight.SeesHero()) return false;
  std::string& cells = game.view.field.cell_list;
  cells.clear();
  SelRound(game, monster.x, monster.y, kSummonScanRadius, CellOperation::kMonster, 0);
  const bool room = cells.size() < static_cast<size_t>(limit * kCellEntryWidth + 5);
  cells.clear();
  return room;
}

// Any other action than waiting or a blow: a step, a summons or a special power.
bool Applicable(Game& game, int slot, int code, int limit, const MonsterSight& sight) {
  if (code == monster_action::kApproach) return sight.distance() > limit;
  if (code == monster_action::kRetreat) return sight.distance() < limit;
  if (code == kSummonFew || code == kSummonMany || code == monster_action::kSummonSpider ||
      code == monster_action::kSummon) {
    return RoomToSummon(game, game.world.level.Monster(slot), limit, sight);
  }
  return SpecialApplicable(game, slot, code, limit, sight);
}

// Every monster on the level turns hostile.
void RaiseAlarm(Game& game) {
  for (int slot = 1; slot <= game.world.level.monster_count; ++slot) {
    game.world.level.Monster(slot).peaceful = 0;
  }
}

bool NextToHero(const Game& game, const MonsterRecord& monster) {
  return std::abs(game.world.hero.x - monster.x) < 2 && std::abs(game.world.hero.y - monster.y) < 2;
}

// Every turn of every awake monster asks this first, most of them far from the hero, where no
// blow applies: whether anything but a blow or an empty entry is left to weigh. One pass without
// branches, inline, so that a plain walker steps at once.
bool OnlyBlowsOutOfReach(const Game& game, const MonsterRecord& monster,
                         const MonsterTypeRecord& type) {
  if (NextToHero(game, monster)) return false;
  bool other = false;
  for (size_t i = 0; i < static_cast<size_t>(kMonsterActionEntries); ++i) {
    const int code = type.action_codes[i];
    const bool blow = code >= monster_action::kHit && code <= kLastBlow;
    other |= code == kSpendTurn ? type.action_weights[i] > 0 : !blow;
  }
  return !other;
}

ActionChoices ChekActions(Game& game, int slot, const MonsterTypeRecord& type,
                          const MonsterSight& sight) {
  ActionChoices choices;
  const bool adjacent = NextToHero(game, game.world.level.Monster(slot));
  for (size_t i = 0; i < static_cast<size_t>(kMonsterActionEntries); ++i) {
    const int code = type.action_codes[i];
    const int weight = type.action_weights[i];
    bool applies;
    if (code == kSpendTurn) {
      applies = weight > 0;  // weight 0 marks an empty entry
    } else if (code >= monster_action::kHit && code <= kLastBlow) {
      applies = adjacent;
    } else {
      applies = Applicable(game, slot, code, type.action_limits[i], sight);
    }
    if (!applies) continue;
    choices.actions[choices.count] = static_cast<uint8_t>(code);
    choices.weights[choices.count++] = static_cast<uint8_t>(weight);
  }
  return choices;
}

// Without a type record nothing applies and the monster approaches.
void Act(Game& game, int slot, const MonsterTypeRecord* type, const MonsterSight& sight) {
  if (type == nullptr || OnlyBlowsOutOfReach(game, game.world.level.Monster(slot), *type)) {
    MoveToHero(game, slot, 1);
    return;
  }
  const ActionChoices choices = ChekActions(game, slot, *type, sight);
  if (choices.count == 0) {
    MoveToHero(game, slot, 1);
    return;
  }
  // Weights that are all 0 choose action 0, which spends the turn.
  const int picked = PickWeighted(game, choices.Weights());
  DoAction(game, picked < 0 ? 0 : choices.actions[static_cast<size_t>(picked)], slot);
}

}  // namespace

int MonsterSight::distance() const {
  if (distance_ < 0) {
    distance_ = game_ != nullptr ? Distance(x_, y_, game_->world.hero.x, game_->world.hero.y) : 0;
  }
  return distance_;
}

bool MonsterSight::SeesHero() const {
  if (sees_ < 0) {
    sees_ = game_ != nullptr && SeePlayer(*game_, x_, y_, game_->world.hero.x, game_->world.hero.y,
                                          kMonsterSightRange)
                ? 1
                : 0;
  }
  return sees_ != 0;
}

MonsterSight LookAtHero(const Game& game, int slot) {
  MonsterSight sight(false, 0);
  if (!Present(game, slot)) return sight;
  const MonsterRecord& monster = game.world.level.Monster(slot);
  sight.game_ = &game;
  sight.x_ = monster.x;
  sight.y_ = monster.y;
  sight.distance_ = -1;
  sight.sees_ = -1;
  return sight;
}

void StndAI(Game& game, int slot) {
  if (game.GameOver() || !Present(game, slot)) return;
  MonsterRecord& monster = game.world.level.Monster(slot);
  MonsterSight sight = LookAtHero(game, slot);
  // The sight line is traced only for a hostile sleeper near enough to wake.
  if (monster.peaceful == 0 && monster.state != -1 && sight.distance() < kWakeDistance &&
      sight.SeesHero()) {
    monster.state = -1;
  }
  MonsterFollower follower(game, slot);
  // Asleep (or peaceful: a peaceful creature never fights) it drifts and saves nothing.
  if (monster.state != -1 || monster.peaceful != 0) {
    RandStep(game, slot);
    const int now = follower.Slot(game);
    if (now != 0) game.world.level.Monster(now).energy = 0;
    return;
  }
  const MonsterTypeRecord* type = FindMonsterType(game, monster.type);
  if (type != nullptr && type->HasFlag(monster_flag::kAlarm)) RaiseAlarm(game);
  bool first = true;
  while (!game.GameOver()) {
    slot = follower.Slot(game);
    if (slot == 0 || game.world.level.Monster(slot).energy < kActionEnergy) return;
    // The hero and the monster may have moved since the last action.
    if (!first) sight = LookAtHero(game, slot);
    first = false;
    Act(game, slot, type, sight);
  }
}

void HoldStill(Game& game, int slot) {
  if (!Present(game, slot)) return;
  MonsterRecord& monster = game.world.level.Monster(slot);
  if (monster.peaceful == 0) {
    StndAI(game, slot);
    return;
  }
  monster.energy = 0;
}

void ShopKeeper(Game& game, int slot) {
  if (!Present(game, slot)) return;
  if (game.world.level.Monster(slot).peaceful == 0) {
    StndAI(game, slot);
    return;
  }
  const bool owes = game.world.hero.shop_debt != 0;
  int post_x = -1;
  int post_y = -1;
  // The posts are at the doors of the village shop (level 1) and the town shop (level 5).
  const bool village = game.world.current_place == kShopPlace;
  if (village && game.world.current_level == 1) {
    post_x = owes ? 33 : 32;
    post_y = owes ? 7 : 6;
  } else if (village && game.world.current_level == 5) {
    post_x = owes ? 32 : 33;
    post_y = owes ? 27 : 26;
  }
  const bool hero_there = post_x == game.world.hero.x && post_y == game.world.hero.y;
  MonsterFollower follower(game, slot);
  if (post_x >= 0 && !hero_there) StepMonster(game, slot, post_x, post_y);
  const int now = follower.Slot(game);
  if (now != 0) game.world.level.Monster(now).energy = 0;
}

ActionChoices ChekActions(Game& game, int slot, const MonsterSight& sight) {
  if (!Present(game, slot)) return {};
  const MonsterTypeRecord* type = FindMonsterType(game, game.world.level.Monster(slot).type);
  return type == nullptr ? ActionChoices{} : ChekActions(game, slot, *type, sight);
}

void DoAction(Game& game, int action, int slot) {
  if (!Present(game, slot)) return;
  if (action >= monster_action::kHit && action <= 6) {
    MonsterMeleeBlow(game, slot, monster_attack::kMelee, action);
  } else if (action == monster_action::kApproach) {
    MoveToHero(game, slot, 1);
  } else if (action == monster_action::kRetreat) {
    MoveToHero(game, slot, -1);
  } else if (!DoSpecialAction(game, action, slot)) {
    // Waiting, the empty blow (7), the summons that have no effect of their own (43, 44) and any
    // unknown code: the turn is spent, so no monster acts for ever.
    SpendEnergy(game, slot, kActionEnergy);
  }
}

void Mumble(Game& game, int slot, const MonsterSight& sight) {
  if (!Present(game, slot) || !sight.SeesHero()) return;
  const MonsterTypeRecord* type = FindMonsterType(game, game.world.level.Monster(slot).type);
  if (type == nullptr || !type->HasClass(monster_class::kIntelligent)) return;
  const bool humanoid = type->HasClass(monster_class::kHumanoid);
  const int r = static_cast<int>(game.random.Next() * 10) + 1;
  const char* text = nullptr;
  if (r <= 3) {
    text = humanoid ? " делает какие то непонятные жесты руками." : " нашёптывает заклинание.";
  } else if (r <= 6) {
    text = " орёт что-то на непонятном языке.";
  } else if (r <= 9) {
    text = " тихо бормочет заклинание.";
  } else {
    text = humanoid ? " машет руками и произносит заклинание." : " произносит заклинание.";
  }
  ShowMessage(game, type->name + text);
}

}  // namespace zaldrun
