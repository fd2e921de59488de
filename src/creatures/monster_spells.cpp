// The spell-casters' actions: summons, slowing and weakening the hero, spells on allies, the red
// glow on the hero's goods and the blink.
#include <string>
#include <vector>

#include "base/numbers.hpp"
#include "combat/hit_rolls.hpp"
#include "combat/monster_damage.hpp"
#include "combat/traps.hpp"
#include "creatures/behaviours.hpp"
#include "creatures/monster_powers.hpp"
#include "creatures/monster_steps.hpp"
#include "creatures/monster_table.hpp"
#include "engine/message_line.hpp"
#include "engine/monsters_on_level.hpp"
#include "field/free_cells.hpp"
#include "field/sight.hpp"
#include "items/hero_attributes.hpp"
#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "model/chance.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"
#include "records/game_enums.hpp"
#include "records/monster_record.hpp"

namespace zaldrun {

namespace {

using hit_rolls::HeroProtection;
using hit_rolls::Rounded;

constexpr int kActionEnergy = 1000;
constexpr int kBlinkEnergy = 1200;
constexpr int kSummonRadius = 2;
constexpr int kAllyRadius = 7;
constexpr int kSpiderType = 7;
constexpr const char* kSummonTypes = "035055078079080";
constexpr const char* kNothing = "Ничего не происходит.";
constexpr const char* kResisted = "Но ничего не происходит.";

constexpr int32_t kShielded = 1;
constexpr int32_t kEnraged = 2;
constexpr int32_t kFlaming = 4;
constexpr int32_t kHasted = 8;

const MonsterTypeRecord& Type(const Game& game, int type) {
  return game.data.monsters.records[static_cast<size_t>(type)];
}
const std::string& NameOf(const Game& game, int slot) {
  return Type(game, game.world.level.Monster(slot).type).name;
}
int Parameter(const Game& game, int slot) {
  return Type(game, game.world.level.Monster(slot).type).action_parameter;
}

// A random cell of the sweep's list ("XXYY" entries); false when the list is empty.
bool PickCell(Game& game, int& x, int& y) {
  std::string cells = game.view.field.cell_list;
  game.view.field.cell_list.clear();
  if (cells.size() < 4) return false;
  const std::string cell = PickFromList(game, cells, "A", 4, false);
  if (cell.size() < 4) return false;
  x = std::stoi(cell.substr(0, 2));
  y = std::stoi(cell.substr(2, 2));
  return true;
}

// A random cell of the sweep `operation` with `c` around the caster.
bool Around(Game& game, int slot, int radius, CellOperation operation, int c, int& x, int& y) {
  const MonsterRecord& caster = game.world.level.Monster(slot);
  game.view.field.cell_list.clear();
  SelRound(game, caster.x, caster.y, radius, operation, c);
  return PickCell(game, x, y);
}

// The ally on (x, y), or 0.
int AllyAt(const Game& game, int x, int y) {
  const int ally = game.world.level.Cell(x, y).monster;
  return ally >= 1 && ally <= game.world.level.monster_count ? ally : 0;
}

// A conjured creature of `type` on a free cell within radius 2, awake and hostile; says what came.
void Summon(Game& game, int slot, int type) {
  int x = 0;
  int y = 0;
  const int made = Around(game, slot, kSummonRadius, CellOperation::kPusto, 0, x, y)
                       ? CreateMonster(game, x, y, type, kConjured, 0)
                       : 0;
  if (made == 0) {
    ShowMessage(game, kNothing);
    return;
  }
  game.world.level.Monster(made).state = -1;
  if (type == kSpiderType) {
    ShowMessage(game, "Внезапно из ниоткуда появляется паук!");
  } else {
    ShowMessage(game, "Внезапно из ниоткуда появляется " + NameOf(game, made) + "!");
  }
}

// Protection against magic turns a spell of `strength` aside when protection / strength ≥ Rnd.
bool MagicTurnsAside(Game& game, int strength) {
  const int protection = HeroProtection(game.world.hero, damage_kind::kMagic);
  return strength > 0 && static_cast<float>(protection) / strength >= game.random.Next();
}

void SlowHero(Game& game, int slot) {
  Hero& hero = game.world.hero;
  const int p = Parameter(game, slot);
  if (hero.anti_slowing / 10.0f >= game.random.Next() || MagicTurnsAside(game, p * 3 + 2)) {
    ShowMessage(game, kResisted);
    return;
  }
  ShowMessage(game, "Внезапно мир вокруг тебя становится быстрее!");
  const int a = RandomRange(game, p / 2 + 1, p + 2);
  hero.speed_bonus = Clamp16(hero.speed_bonus - a);
  AddEvent(game, "RemSpeed", static_cast<int>(game.random.Next() * 12 + 1) * 10 + 120, -a);
}

void WeakenHero(Game& game, int slot) {
  if (MagicTurnsAside(game, Parameter(game, slot) * 3 + 2)) {
    ShowMessage(game, kResisted);
    return;
  }
  Hero& hero = game.world.hero;
  const int a = static_cast<int>(hero.Current(attribute::kStrength) * 0.4);
  int16_t& modifier = hero.attributes.temporary_b[attribute::kStrength];
  modifier = Clamp16(modifier - a);
  ReapplyAttribute(game, attribute::kStrength);
  game.view.labels.Set(Condition::kWeak, true);
  ShowMessage(game, "Ты внезапно слабеешь!");
  AddEvent(game, "RemWeak", static_cast<int>(game.random.Next() * 51) * 10 + 500, a);
}

// A status spell on an ally within radius 7 that lacks the bit.
void StatusOnAlly(Game& game, int slot, int32_t bit, const char* text) {
  int x = 0;
  int y = 0;
  if (!Around(game, slot, kAllyRadius, CellOperation::kSpell, bit, x, y)) return;
  const int ally = AllyAt(game, x, y);
  if (ally == 0) return;
  MonsterRecord& monster = game.world.level.Monster(ally);
  monster.status |= bit;
  if (bit == kHasted) monster.speed = Clamp16(monster.speed + Parameter(game, slot) + 10);
  ShowMessage(game, NameOf(game, ally) + text);
}

// The limit of the caster's heal-an-ally entry: the share of hit points below which it heals.
int HealLimit(const Game& game, int slot) {
  const MonsterTypeRecord& type = Type(game, game.world.level.Monster(slot).type);
  for (size_t i = 0; i < type.action_codes.size(); ++i) {
    if (type.action_codes[i] == monster_action::kHealAlly) return type.action_limits[i];
  }
  return 0;
}

void HealAlly(Game& game, int slot) {
  int x = 0;
  int y = 0;
  if (!Around(game, slot, kAllyRadius, CellOperation::kHp, HealLimit(game, slot), x, y)) return;
  const int ally = AllyAt(game, x, y);
  if (ally == 0) return;
  ShowMessage(game, NameOf(game, ally) + " залечивает свои раны.");
  MonsterRecord& monster = game.world.level.Monster(ally);
  const int healed = Rounded(monster.max_hp * 0.35 + monster.hp + 2.0 * Parameter(game, slot));
  monster.hp = Clamp16(std::min<int>(healed, monster.max_hp));
}

// The glow curses one random stack of the hero's pack; its state stays as known as it was.
void RedGlow(Game& game, int slot) {
  if (MagicTurnsAside(game, Parameter(game, slot) * 3)) {
    ShowMessage(game, kResisted);
    return;
  }
  std::vector<ItemRecord*> goods;
  for (auto& group : game.world.piles[0].groups) {
    for (ItemRecord& item : group) goods.push_back(&item);
  }
  if (goods.empty()) {
    ShowMessage(game, kNothing);
    return;
  }
  ItemRecord& item =
      *goods[static_cast<size_t>(RandomRange(game, 0, static_cast<int>(goods.size()) - 1))];
  item.blessing =
      item.blessing >= blessing::kCursedUnknown ? blessing::kCursedUnknown : blessing::kCursed;
  ShowMessage(game, ItemName(game, item) + " окружа" + (item.count == 1 ? "е" : "ю") +
                        "тся красным сиянием!");
}

void Blink(Game& game, int slot) {
  const Hero& hero = game.world.hero;
  int16_t x = 0;
  int16_t y = 0;
  MonsterRecord& monster = game.world.level.Monster(slot);
  if (RandomFreeCell(game, x, y, false)) {
    const std::string name = NameOf(game, slot);
    if (SeePlayer(game, hero.x, hero.y, monster.x, monster.y, hero.sight_radius)) {
      ShowMessage(game, name + " внезапно исчезает.");
    }
    MonsterFollower follower(game, slot);
    StepMonster(game, slot, x, y);
    slot = follower.Slot(game);
    if (slot == 0) return;
    const MonsterRecord& moved = game.world.level.Monster(slot);
    if (moved.x == x && moved.y == y && SeePlayer(game, hero.x, hero.y, x, y, hero.sight_radius)) {
      ShowMessage(game, "Вдруг из ниоткуда появляется " + name + "!", msg::kAcknowledge);
    }
  }
  SpendEnergy(game, slot, kBlinkEnergy);
}

}  // namespace

bool DoSpell(Game& game, int code, int slot, const MonsterSight& sight) {
  if (code == monster_action::kBlink) {
    Blink(game, slot);
    return true;
  }
  if (code < monster_action::kSummonSpider || code > monster_action::kSummon ||
      (code > monster_action::kWeakenHero && code != monster_action::kSummon)) {
    return false;
  }
  MonsterFollower follower(game, slot);
  if (code != monster_action::kSummon) Mumble(game, slot, sight);
  switch (code) {
    case monster_action::kSummonSpider:
      Summon(game, slot, kSpiderType);
      break;
    case monster_action::kSlowHero:
      SlowHero(game, slot);
      break;
    case monster_action::kHasteAlly:
      StatusOnAlly(game, slot, kHasted, " начинает двигаться быстрее!");
      break;
    case monster_action::kHealAlly:
      HealAlly(game, slot);
      break;
    case monster_action::kEnrageAlly:
      StatusOnAlly(game, slot, kEnraged, " окружает облако тёмного дыма!");
      break;
    case monster_action::kRedGlow:
      RedGlow(game, slot);
      break;
    case monster_action::kFlameAlly:
      StatusOnAlly(game, slot, kFlaming, " окружают языки пламени!");
      break;
    case monster_action::kShieldAlly:
      StatusOnAlly(game, slot, kShielded, " окружает защитное поле!");
      break;
    case monster_action::kWeakenHero:
      WeakenHero(game, slot);
      break;
    case monster_action::kSummon: {
      std::string list = kSummonTypes;
      Summon(game, slot, std::stoi(PickFromList(game, list, "A", 3, false)));
      break;
    }
    default:
      break;
  }
  if (const int now = follower.Slot(game)) SpendEnergy(game, now, kActionEnergy);
  return true;
}

}  // namespace zaldrun
