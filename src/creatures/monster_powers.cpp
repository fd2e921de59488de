#include "creatures/monster_powers.hpp"

#include <cmath>
#include <cstdlib>
#include <string>

#include "base/numbers.hpp"
#include "combat/hit_rolls.hpp"
#include "combat/missile_flight.hpp"
#include "combat/missiles.hpp"
#include "creatures/behaviours.hpp"
#include "creatures/monster_steps.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "engine/monsters_on_level.hpp"
#include "field/sight.hpp"
#include "items/hero_attributes.hpp"
#include "items/item_maker.hpp"
#include "model/game.hpp"
#include "model/monster_types.hpp"
#include "model/world_ops.hpp"
#include "records/game_enums.hpp"
#include "records/monster_type_table.hpp"
#include "records/text_table.hpp"

namespace zaldrun {

namespace {

using hit_rolls::HeroDefence;
using hit_rolls::HeroProtection;
using hit_rolls::HitChance;
using hit_rolls::Roll;
using hit_rolls::Rounded;

constexpr int kActionEnergy = 1000;
constexpr int kThrowReach = 9;
constexpr int kBreathReach = 7;
constexpr int kBreathLength = 5;
constexpr int kGazeReach = 11;
constexpr int kWillRoll = 140;
constexpr uint8_t kSpellGlyph = '*';
constexpr int kIntellect = attribute::kIntellect;

int Sign(int v) { return (v > 0) - (v < 0); }
int Rnd(Game& game, int n) { return static_cast<int>(game.random.Next() * n); }

const MonsterTypeRecord* TypeOf(const Game& game, int slot) {
  return FindMonsterType(game, game.world.level.Monster(slot).type);
}

void Spend(Game& game, int slot, int amount) { SpendEnergy(game, slot, amount); }

void MarkKiller(Game& game, int type_number) {
  game.control.end_reason = end_reason::kKilled;
  game.control.killer_type = static_cast<int16_t>(type_number);
}

// Codes 8..10: the type's first item entry is made and thrown or shot.
void ThrowOrShoot(Game& game, int slot, int code) {
  const MonsterTypeRecord& type = *TypeOf(game, slot);
  ItemRequest request;
  request.type = type.loot_type[MonsterTypeRecord::LootIndex(1, 1)];
  request.count = 1;
  request.blessing = type.loot_blessing[MonsterTypeRecord::LootIndex(1, 1)];
  const std::optional<ItemRecord> item = request.type != 0 ? MakeItem(game, request) : std::nullopt;
  MonsterMissile(game, slot, item.value_or(ItemRecord{}), monster_attack::kMissile,
                 code - monster_action::kThrow + missile_kind::kThrow);
}

void Drink(Game& game, int slot) {
  const MonsterTypeRecord& type = *TypeOf(game, slot);
  ShowMessage(game, type.name + " пьёт водку!", msg::kFreshLine);
  ShowMessage(game, "Раны " + type.name_object + " залечиваются!", msg::kAcknowledge);
  MonsterRecord& monster = game.world.level.Monster(slot);
  monster.hp = Clamp16(static_cast<long long>(Rnd(game, 20)) + monster.hp + 6);
  Spend(game, slot, kActionEnergy);
}

void Breathe(Game& game, int slot) {
  const MonsterTypeRecord& type = *TypeOf(game, slot);
  const MonsterRecord monster = game.world.level.Monster(slot);
  const size_t a = monster_attack::kBreath;
  const int kind = type.damage_kind[a];
  MarkKiller(game, monster.type);
  ShowMessage(game, type.name + " дышит " + FetchText(text_ids::kElementPhraseBase + kind) + "!");
  MonsterFollower follower(game, slot);
  Bolt(game, monster.x, monster.y, Sign(game.world.hero.x - monster.x),
       Sign(game.world.hero.y - monster.y), kBreathLength, type.damage_low[a], type.damage_high[a],
       kind, false);
  if (const int now = follower.Slot(game)) Spend(game, now, kActionEnergy);
}

// The two draws every gaze shares: the will, then the fortune. Returns true when the gaze works.
bool GazeWorks(Game& game, int resistance, const char* withstood) {
  const Hero& hero = game.world.hero;
  if (Rnd(game, kWillRoll) < hero.Current(attribute::kWill) ||
      (resistance >= 0 && Rnd(game, 20) + 1 <= resistance)) {
    ShowMessage(game, withstood);
    return false;
  }
  if (Rnd(game, 30) <= hero.fortune) {
    ShowMessage(game, "Но взгляд не подействовал.");
    return false;
  }
  return true;
}

void ParalysingGaze(Game& game, const MonsterTypeRecord& type) {
  ShowMessage(game, type.name + " глядит на тебя!");
  Hero& hero = game.world.hero;
  const int resistance = std::min<int>(hero.paralysis_resistance, 20);
  if (!GazeWorks(game, resistance, "Ты выдержал парализующий взгляд.")) return;
  const double will = hero.Current(attribute::kWill);
  const double base =
      static_cast<int>((22 - hero.fortune * 0.5) * game.random.Next()) * 10 + 60 - will * 1.5;
  const int time = Rounded(base * ((20 - resistance) / 20.0));
  if (time > 0) {
    hero.paralysis_time = Clamp16(time);
    ShowMessage(game, "Ты внезапно потерял возможность двигаться!", msg::kAcknowledge);
  } else {
    hero.paralysis_time = 0;
    ShowMessage(game, "Ничего не происходит.");
  }
}

void HypnoticGaze(Game& game, const MonsterTypeRecord& type) {
  ShowMessage(game, type.name + " глядит на тебя!");
  Hero& hero = game.world.hero;
  const int resistance = std::min<int>(hero.confusion_resistance, 20);
  if (!GazeWorks(game, resistance, "Ты выдержал гипнотизирующий взгляд.")) return;
  ShowMessage(game, "Перед глазами у тебя всё расплывается...", msg::kAcknowledge);
  game.view.labels.Set(Condition::kConfused, true);
  const double will = hero.Current(attribute::kWill);
  const double base =
      static_cast<int>((23 - hero.fortune * 0.5) * game.random.Next()) * 10 + 90 - will * 3;
  AddEvent(game, "RemConfuse", std::max(1, Rounded(base * ((20 - resistance) / 20.0))), 0);
}

void MindBlast(Game& game, const MonsterTypeRecord& type, int type_number) {
  MarkKiller(game, type_number);
  ShowMessage(game, type.name + " глядит на тебя!");
  if (!GazeWorks(game, -1, "Ты выдержал тяжёлый взгляд.")) return;
  Hero& hero = game.world.hero;
  const size_t a = monster_attack::kBreath;
  const int damage = Roll(game, type.damage_low[a], type.damage_high[a],
                          HeroProtection(hero, type.damage_kind[a]));
  if (damage < 1) {
    ShowMessage(game, "Ты чувствуешь лёгкое головокружение.");
    return;
  }
  ShowMessage(game, "Твоя голова раскалывается от боли");
  if (Rnd(game, 60) > hero.fortune + 50) {
    ShowMessage(game, "Твой мозг покалечен!", msg::kFreshLine | msg::kBeep);
    DrainAttribute(game, kIntellect, Rnd(game, 3) + 1);
  }
  ChangeHP(game, -damage);
}

void Gaze(Game& game, int code, int slot) {
  const MonsterTypeRecord& type = *TypeOf(game, slot);
  const int type_number = game.world.level.Monster(slot).type;
  if (code == monster_action::kParalysingGaze) {
    ParalysingGaze(game, type);
  } else if (code == monster_action::kHypnoticGaze) {
    HypnoticGaze(game, type);
  } else {
    MindBlast(game, type, type_number);
  }
  Spend(game, slot, kActionEnergy);
}

void SpellMissile(Game& game, int slot) {
  const MonsterTypeRecord& type = *TypeOf(game, slot);
  const MonsterRecord monster = game.world.level.Monster(slot);
  Hero& hero = game.world.hero;
  const size_t a = monster_attack::kMissile;
  const int k = type.damage_kind[a];
  const int32_t colour = std::atoi(FetchText(text_ids::kElementColourBase + k).c_str());
  FlyObject(game, monster.x, monster.y, hero.x, hero.y, kSpellGlyph, colour);
  const std::string ball = FetchText(text_ids::kBallNameBase + k);
  if (monster.creation_flag != 0 && game.random.Next() < hero.ward / 20.0f) {
    ShowMessage(game, ball + " долетел до тебя, но отскочил от какой-то невидимой преграды.");
  } else if (HitChance(type.action_parameter * 3 + 10, HeroDefence(hero)) > game.random.Next()) {
    const int damage = Roll(game, type.damage_low[a], type.damage_high[a], HeroProtection(hero, k));
    ShowMessage(game, "В тебя попадает " + ball + "! (" + std::to_string(damage) + ")");
    if (damage > 0) {
      MarkKiller(game, monster.type);
      ChangeHP(game, -damage);
    }
  } else {
    ShowMessage(game, "Ты увернулся от " + FetchText(text_ids::kBallGenitiveBase + k) + ".");
  }
  Spend(game, slot, MonsterTypeConstants(monster.type).attack_cost);
}

// Sees the hero and stands between limit and 9 cells from him.
bool InMissileRange(int limit, const MonsterSight& sight) {
  return limit < sight.distance() && sight.distance() < kThrowReach && sight.SeesHero();
}

// Some monster within radius 7 passes the sweep's test.
bool AnyAround(Game& game, const MonsterRecord& monster, CellOperation operation, int c) {
  std::string& cells = game.view.field.cell_list;
  cells.clear();
  SelRound(game, monster.x, monster.y, 7, operation, c);
  const bool any = !cells.empty();
  cells.clear();
  return any;
}

bool CarriesAnything(const Game& game) {
  if (game.world.piles.empty()) return false;
  return game.world.piles[0].count > 0;
}

}  // namespace

bool SpecialApplicable(Game& game, int slot, int code, int limit, const MonsterSight& sight) {
  const MonsterRecord& monster = game.world.level.Monster(slot);
  const Hero& hero = game.world.hero;
  const int dx = std::abs(hero.x - monster.x);
  const int dy = std::abs(hero.y - monster.y);
  switch (code) {
    case monster_action::kThrow:
    case monster_action::kShootBow:
    case monster_action::kShootCrossbow:
    case monster_action::kSpitAcid:
    case monster_action::kMindBlast:
    case monster_action::kSpellMissile:
      return InMissileRange(limit, sight);
    case monster_action::kDrink:
      return (100 - limit) / 100.0 * monster.max_hp > monster.hp;
    case monster_action::kBreathe:
      return (dx == 0 || dy == 0 || dx == dy) && sight.distance() < kBreathReach &&
             sight.SeesHero();
    case monster_action::kParalysingGaze:
      return sight.distance() < kGazeReach && sight.SeesHero() &&
             !game.view.labels.Has(Condition::kParalyzed);
    case monster_action::kHypnoticGaze:
      return sight.distance() < kGazeReach && sight.SeesHero() &&
             !game.view.labels.Has(Condition::kConfused);
    case monster_action::kSlowHero:
      return limit < hero.speed_base + hero.speed_bonus && sight.SeesHero();
    case monster_action::kHasteAlly:
      return AnyAround(game, monster, CellOperation::kSpell, 8);
    case monster_action::kEnrageAlly:
      return AnyAround(game, monster, CellOperation::kSpell, 2);
    case monster_action::kFlameAlly:
      return AnyAround(game, monster, CellOperation::kSpell, 4);
    case monster_action::kShieldAlly:
      return AnyAround(game, monster, CellOperation::kSpell, 1);
    case monster_action::kHealAlly:
      return AnyAround(game, monster, CellOperation::kHp, limit);
    case monster_action::kRedGlow:
      return SeePlayer(game, monster.x, monster.y, hero.x, hero.y, 8) && CarriesAnything(game);
    case monster_action::kWeakenHero:
      return sight.SeesHero() && !game.view.labels.Has(Condition::kWeak);
    case monster_action::kBlink:
      return true;
    default:
      return false;
  }
}

bool DoSpecialAction(Game& game, int code, int slot) {
  if (slot < 1 || slot > game.world.level.monster_count || TypeOf(game, slot) == nullptr) {
    return false;
  }
  switch (code) {
    case monster_action::kThrow:
    case monster_action::kShootBow:
    case monster_action::kShootCrossbow:
      ThrowOrShoot(game, slot, code);
      return true;
    case monster_action::kDrink:
      Drink(game, slot);
      return true;
    case monster_action::kBreathe:
      Breathe(game, slot);
      return true;
    case monster_action::kSpitAcid:
      AcidSpit(game, slot);
      Spend(game, slot, kActionEnergy);
      return true;
    case monster_action::kParalysingGaze:
    case monster_action::kHypnoticGaze:
    case monster_action::kMindBlast:
      Gaze(game, code, slot);
      return true;
    case monster_action::kSpellMissile:
      SpellMissile(game, slot);
      return true;
    default:
      return DoSpell(game, code, slot, LookAtHero(game, slot));
  }
}

}  // namespace zaldrun
