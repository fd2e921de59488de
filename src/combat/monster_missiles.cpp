// A monster's throws, shots and acid spit at the hero.
#include <string>

#include "base/numbers.hpp"
#include "combat/grammar.hpp"
#include "combat/hit_rolls.hpp"
#include "combat/missile_flight.hpp"
#include "combat/missiles.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "items/item_names.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "model/monster_types.hpp"
#include "records/game_enums.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_type_table.hpp"

namespace zaldrun {

namespace {

using hit_rolls::HeroDefence;
using hit_rolls::HeroProtection;
using hit_rolls::HitChance;
using hit_rolls::Roll;
using hit_rolls::Rounded;

constexpr int32_t kEnraged = 2;  // monster status: dark smoke
constexpr int32_t kAcidColour = 51200;
constexpr uint8_t kSpitGlyph = '*';

bool Present(const Game& game, int slot) {
  return slot >= 1 && slot <= game.world.level.monster_count;
}

std::string RightTrimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// Rage makes a missile's figures Round(value × 1.2 + 2).
void Enrage(const MonsterRecord& monster, int& low, int& high) {
  if ((monster.status & kEnraged) == 0) return;
  low = Rounded(low * 1.2 + 2);
  high = Rounded(high * 1.2 + 2);
}

void Wound(Game& game, int type_number, int damage) {
  game.control.end_reason = end_reason::kKilled;
  game.control.killer_type = static_cast<int16_t>(type_number);
  ChangeHP(game, -damage);
}

void PayAttack(Game& game, int slot, int type_number) {
  if (!Present(game, slot)) return;
  MonsterRecord& monster = game.world.level.Monster(slot);
  monster.energy = Clamp16(static_cast<long long>(monster.energy) -
                           MonsterTypeConstants(type_number).attack_cost);
}

}  // namespace

void MonsterMissile(Game& game, int slot, const ItemRecord& item, int attack, int kind) {
  if (game.GameOver() || !Present(game, slot)) return;
  const MonsterRecord monster = game.world.level.Monster(slot);
  const MonsterTypeRecord* found = FindMonsterType(game, monster.type);
  if (found == nullptr) return;
  const MonsterTypeRecord& type = *found;
  const MonsterTypeEntry& constants = MonsterTypeConstants(monster.type);
  const int gender = constants.gender;
  Hero& hero = game.world.hero;
  const bool known_item = item.type >= 1 && item.type <= kItemTypeCount;
  if (known_item) {
    const ItemType& item_type = game.world.item_types[static_cast<size_t>(item.type)];
    FlyObject(game, monster.x, monster.y, hero.x, hero.y, item_type.glyph, item_type.colour);
  }
  const std::string item_name = known_item ? RightTrimmed(ItemName(game, item)) : "";
  const std::string ep(EndingsFor(gender).plain);
  const std::string phrase =
      kind == missile_kind::kThrow
          ? ThrowsAtYouText(type.name, gender) + item_name
          : ShootsAtYouText(type.name, gender, kind == missile_kind::kCrossbow);

  if (HitChance(monster.attack, HeroDefence(hero)) < game.random.Next()) {
    ShowMessage(game, phrase + ", но промазал" + ep + ".");
  } else {
    const size_t a = static_cast<size_t>(std::clamp(attack, 0, kMonsterAttackSlots - 1));
    int low = type.damage_low[a];
    int high = type.damage_high[a];
    Enrage(monster, low, high);
    if (static_cast<int>(game.random.Next() * 250) + 1 <= constants.critical) {
      low *= 2;
      high *= 2;
    }
    const int damage = Roll(game, low, high, HeroProtection(hero, type.damage_kind[a]));
    if (monster.creation_flag != 0 && game.random.Next() < hero.ward / 20.0f) {
      ShowMessage(game, item_name + ", брошенный " + type.name_instrumental +
                            ", долетел до тебя, но отскочил от какой-то невидимой преграды.");
    } else if (damage > 0) {
      ShowMessage(game, phrase + " и попал" + ep + " (" + std::to_string(damage) + ").");
      Wound(game, monster.type, damage);
    } else {
      ShowMessage(game, phrase + ", но не причинил" + ep + " никаких повреждений.");
    }
  }
  if (known_item && item.count > 0 && static_cast<int>(game.random.Next() * 6) > 2) {
    PlaceItem(game, hero.x, hero.y, item, false);
  }
  PayAttack(game, slot, monster.type);
}

void AcidSpit(Game& game, int slot) {
  if (game.GameOver() || !Present(game, slot)) return;
  const MonsterRecord monster = game.world.level.Monster(slot);
  const MonsterTypeRecord* found = FindMonsterType(game, monster.type);
  if (found == nullptr) return;
  const MonsterTypeRecord& type = *found;
  const int gender = MonsterTypeConstants(monster.type).gender;
  Hero& hero = game.world.hero;
  FlyObject(game, monster.x, monster.y, hero.x, hero.y, kSpitGlyph, kAcidColour);
  if (HitChance(monster.attack, HeroDefence(hero)) < game.random.Next()) {
    ShowMessage(game, AcidSpitText(type.name, gender, SpitOutcome::kMiss, 0));
  } else {
    const size_t a = monster_attack::kMissile;
    int low = type.damage_low[a];
    int high = type.damage_high[a];
    Enrage(monster, low, high);
    const int damage = Roll(game, low, high, HeroProtection(hero, type.damage_kind[a]));
    if (damage < 1) {
      ShowMessage(game, AcidSpitText(type.name, gender, SpitOutcome::kNoHarm, 0));
    } else {
      ShowMessage(game, AcidSpitText(type.name, gender, SpitOutcome::kHit, damage));
      Wound(game, monster.type, damage);
    }
  }
}

}  // namespace zaldrun
