// The effect handlers of scrolls, notes and the priest's look at a curse.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "combat/doors.hpp"
#include "combat/missile_flight.hpp"
#include "combat/monster_damage.hpp"
#include "combat/rooms.hpp"
#include "creatures/monster_table.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "events/quest_checks.hpp"
#include "field/field.hpp"
#include "field/free_cells.hpp"
#include "items/equipment.hpp"
#include "items/hand_figures.hpp"
#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/item_operations.hpp"
#include "items/piles.hpp"
#include "model/monster_types.hpp"
#include "model/world_ops.hpp"
#include "records/text_table.hpp"
#include "usage/effect_handlers.hpp"
#include "usage/effect_support.hpp"

namespace zaldrun {
namespace {

constexpr const char* kCrumbles = "Свиток обращается в пыль как только ты попытался его прочитать.";
constexpr int kAroundHero = 1;  // monsters called up stand within this many cells of the hero

bool IsCursed(const ItemRecord& item) { return item.count > 0 && GradeOf(item) == Grade::kCursed; }

int Literacy(const Game& game) { return SkillLevel(game, skill::kLiteracy); }

// The item chosen in the window for the scroll: a worn item or a pack stack; nullptr when none.
ItemRecord* ChosenItem(Game& game) {
  const InventoryState& window = game.control.inventory;
  if (window.from_equipment) {
    if (window.slot < 1 || window.slot > kEquipmentSlots) return nullptr;
    ItemRecord& worn = game.world.hero.equipment[window.slot];
    return worn.count > 0 ? &worn : nullptr;
  }
  return ChosenStack(game);
}

// A cursed scroll may crumble instead of working: from the equipment list 4 times in 10, from
// the pack unless the hero's fortune carries it.
bool CursedScrollCrumbles(Game& game) {
  if (CurrentGrade(game) != Grade::kCursed) return false;
  const bool crumbles = game.control.inventory.from_equipment
                            ? RndInt(game, 10) <= 3
                            : Rnd(game) >= (35.0 - game.world.hero.fortune) / 100;
  if (crumbles) ShowMessage(game, kCrumbles);
  return crumbles;
}

// Lifts the curse of one item: the blue glow, or false when it was not cursed.
bool LiftCurse(Game& game, ItemRecord& item, int worn_slot) {
  if (!IsCursed(item)) return false;
  ShowMessage(game, ItemName(game, item) + " на пару секунд окружается голубым свечением");
  if (worn_slot > 0) {
    ChangeWornBlessing(game, worn_slot, blessing::kUncursed);
  } else {
    item.blessing = blessing::kUncursed;
  }
  return true;
}

// The blessing made known to the hero (states 3..5 become 0..2).
void RevealBlessing(ItemRecord& item) { item.blessing = static_cast<uint8_t>(item.blessing % 3); }

void Identify(Game& game, ItemRecord& item, bool fully) {
  const bool name_known = item.identified == 1;
  const bool blessing_known = item.blessing < 3;
  if (name_known && (blessing_known || !fully)) {
    ShowMessage(game, "Ты и так уже всё знаешь об этом предмете!");
    return;
  }
  const std::string old_name = ItemName(game, item);
  item.identified = 1;
  if (fully) RevealBlessing(item);
  LearnType(game, item.type);
  if (name_known) {
    ShowMessage(game, "Ты больше узнал об этом предмете.");
  } else {
    ShowMessage(game,
                "Ты узнал, что " + old_name + " - это на самом деле " + ItemName(game, item) + ".");
  }
}

std::vector<int> MonstersWithin(const Game& game, int x, int y, int radius) {
  std::vector<int> slots;
  for (int slot = 1; slot <= game.world.level.monster_count; ++slot) {
    const MonsterRecord& monster = game.world.level.Monster(slot);
    if (std::abs(monster.x - x) <= radius && std::abs(monster.y - y) <= radius) {
      slots.push_back(slot);
    }
  }
  return slots;
}

// A boon that lasts: prolonged while pending, else applied with its amount.
template <typename Apply>
void LastingBoon(Game& game, std::string_view event, int ticks, int amount, Apply apply) {
  if (!ProlongOrSchedule(game, event, ticks, amount)) apply(amount);
}

}  // namespace

void sRC(Game& game, const EffectAim&) {
  game.control.pending_operation = PendingOperation::kNone;
  ItemRecord* chosen = ChosenItem(game);
  const bool worn = game.control.inventory.from_equipment;
  if (chosen == nullptr || CursedScrollCrumbles(game)) return;
  LearnCurrentType(game);
  bool lifted = false;
  if (CurrentGrade(game) == Grade::kBlessed) {
    ShowMessage(game, "Тебя на пару секунд окружает голубое свечение.");
    if (worn) {
      for (int s = 1; s <= kEquipmentSlots; ++s) {
        lifted |= LiftCurse(game, game.world.hero.equipment[static_cast<size_t>(s)], s);
      }
    } else {
      for (ItemRecord& stack :
           game.world.piles[kPackPile].groups[game.control.inventory.category]) {
        lifted |= LiftCurse(game, stack, 0);
      }
    }
  } else {
    lifted = LiftCurse(game, *chosen, worn ? game.control.inventory.slot : 0);
  }
  if (!lifted) ShowMessage(game, "Ничего не происходит");
  TakeActionTime(game);
}

void sID(Game& game, const EffectAim&) {
  game.control.pending_operation = PendingOperation::kNone;
  ItemRecord* chosen = ChosenItem(game);
  if (chosen == nullptr) return;
  int16_t& left = game.control.identify_left;
  if (left < 0) {
    if (CursedScrollCrumbles(game)) return;
    const int reading = Literacy(game);
    left = static_cast<int16_t>(
        ByGrade(game, 0, reading / 3, static_cast<int>(std::floor((reading + 1) * 0.4)) + 2));
    LearnCurrentType(game);
  } else {
    --left;
  }
  Identify(game, *chosen, CurrentGrade(game) == Grade::kBlessed);
  if (left > 0) {
    OpenPackAtFirstCategory(game, PendingOperation::kItemEffect);
  } else {
    left = 0;
    TakeActionTime(game);
  }
}

void sDC(Game& game, const EffectAim&) {
  game.control.pending_operation = PendingOperation::kNone;
  ItemRecord* chosen = ChosenItem(game);
  if (chosen == nullptr) return;
  const bool worn = game.control.inventory.from_equipment;
  switch (CurrentGrade(game)) {
    case Grade::kCursed:
      ShowMessage(game, "Ничего не происходит");
      break;
    case Grade::kUncursed: {
      const Grade grade = GradeOf(*chosen);
      ShowMessage(game, grade == Grade::kCursed     ? "Этот предмет проклят"
                        : grade == Grade::kUncursed ? "Этот предмет не проклят"
                                                    : "Этот предмет благословлён");
      RevealBlessing(*chosen);
      LearnCurrentType(game);
      break;
    }
    case Grade::kBlessed: {
      bool found = false;
      auto reveal = [&found](ItemRecord& item) {
        if (!IsCursed(item)) return;
        RevealBlessing(item);
        found = true;
      };
      if (worn) {
        std::for_each(game.world.hero.equipment.begin(), game.world.hero.equipment.end(), reveal);
      } else {
        for (auto& group : game.world.piles[kPackPile].groups) {
          std::for_each(group.begin(), group.end(), reveal);
        }
      }
      ShowMessage(game, !found ? "Ничего не происходит"
                        : worn ? "Ты чувствуешь проклятия в твоём снаряжении"
                               : "Ты чувствуешь проклятия в твоём инвентаре");
      LearnCurrentType(game);
      break;
    }
  }
  TakeActionTime(game);
}

void rCRM(Game& game, const EffectAim&) {
  const Hero& hero = game.world.hero;
  const double roll = RndInt(game, 50) + 1 + hero.fortune;
  const int count = std::max(1, ByGrade(game, RndInt(game, 3) + 2, static_cast<int>(roll / 40),
                                        static_cast<int>(roll / 33)));
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    int16_t x = 0;
    int16_t y = 0;
    bool placed = false;
    for (int tries = 0; tries < 20 && !placed; ++tries) {
      x = static_cast<int16_t>(hero.x + RndInt(game, 2 * kAroundHero + 1) - kAroundHero);
      y = static_cast<int16_t>(hero.y + RndInt(game, 2 * kAroundHero + 1) - kAroundHero);
      placed = Level::Inside(x, y) && CellIsFree(game, x, y, false);
    }
    if (!placed) continue;
    // The creatures of this level, as the level builder picks them.
    const int slot = CreateMonster(game, x, y, PickMonsterType(game, kLevelListDepth), 0, 0);
    if (slot > 0) names.push_back(MonsterSubjectName(game, slot));
  }
  if (names.empty()) {
    ShowMessage(game, kNothingHappens);
  } else {
    LearnCurrentType(game);
    if (CurrentGrade(game) == Grade::kCursed) {
      ShowMessage(game, "У тебя плохие предчувствия по поводу этого.");
    }
    for (const std::string& name : names) {
      ShowMessage(game, "Неожиданно из ниоткуда появляется " + name + ".");
    }
  }
  TakeActionTime(game);
}

void rEducat(Game& game, const EffectAim&) {
  const double reading = Literacy(game);
  const int points = ByGrade(game, static_cast<int>(reading / 4 + 1),
                             static_cast<int>(reading / 3 + 2), static_cast<int>(reading / 2 + 3));
  Add16(game.world.hero.skill_points, points);
  ShowMessage(game, "Ты становишься более умелым.");
  LearnCurrentType(game);
  TakeActionTime(game);
}

void rGainExp(Game& game, const EffectAim&) {
  const double r = Literacy(game);
  const double level = game.world.hero.level;
  const double gain = ByGrade(game, (r / 8 + 2) * (2 * level + 50),
                              (r / 6 + 2.5) * (3 * level + 100), (r / 4 + 3) * (4 * level + 200));
  ShowMessage(game, "Ты неожиданно узнаешь много нового.");
  LearnCurrentType(game);
  GainExperience(game, static_cast<int32_t>(std::floor(gain)));
  TakeActionTime(game);
}

// The figure of rBless and rStoneSkin is the boon's length in tens of ticks; the amount grows with
// the blessing.
void rBless(Game& game, const EffectAim&) {
  const int r = Literacy(game);
  const int ticks = ByGrade(game, 2 * r + 27, 4 * r + 36, 6 * r + 55) * 10;
  LastingBoon(game, "UnBless", ticks, ByGrade(game, 2, 3, 5), [&game](int amount) {
    RebuildHands(game);  // the hands take the to-hit of the glow from its pending "UnBless"
    Add16(game.world.hero.defence_bonus, amount);
  });
  game.view.labels.Set(Condition::kBlessed, true);
  ShowMessage(game, "Тебя окружает белое свечение.");
  LearnCurrentType(game);
  TakeActionTime(game);
}

void rStoneSkin(Game& game, const EffectAim&) {
  const int r = Literacy(game);
  const int ticks = ByGrade(game, 2 * r + 24, 4 * r + 34, 6 * r + 50) * 10;
  LastingBoon(game, "SoftSkin", ticks, ByGrade(game, 1, 2, 3), [&game](int amount) {
    for (int kind : {1, 2, 3, 5, 6, 7, 8}) {
      Add16(game.world.hero.resistance_bonus[static_cast<size_t>(kind)], amount);
    }
  });
  ShowMessage(game, "Твоя кожа твердеет.");
  LearnCurrentType(game);
  TakeActionTime(game);
}

// The third figure of the ring is its reach in cells, a third of it rounded up.
void rIceRing(Game& game, const EffectAim&) {
  const int low = ByGrade(game, 23, 33, 48);
  const int high = ByGrade(game, 36, 54, 87);
  const int reach = (ByGrade(game, 3, 5, 9) + 2) / 3;
  ShowMessage(game, "Внезапно воздух вокруг тебя резко охладился!");
  LearnCurrentType(game);
  std::vector<int> slots = MonstersWithin(game, game.world.hero.x, game.world.hero.y, reach);
  // From the last slot down, so a death (which moves the later slots) spares the ones still due.
  for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
    ShowMessage(game, MonsterSubjectName(game, *it) + " попал в ледяное кольцо!");
    LoadMonsterType(game, game.world.level.Monster(*it).type);
    const int protection = game.data.monsters.current.Resistance(damage_kind::kCold);
    DamageMonster(game, *it, std::max(0, RollRange(game, low, high) - protection), false, true);
  }
  TakeActionTime(game);
}

void rTelek(Game& game, const EffectAim&) {
  int16_t x = 0;
  int16_t y = 0;
  if (game.world.OnOverworld() || !RandomFreeCell(game, x, y, false)) {
    ShowMessage(game, "Ничего не происходит");
  } else {
    ShowMessage(game, "Внезапно ты переносишься в другое место!");
    LearnCurrentType(game);
    TeleportHero(game, x, y);
  }
  TakeActionTime(game);
}

void rFireBolt(Game& game, const EffectAim&) {
  const int x = game.control.target_x;
  const int y = game.control.target_y;
  if (x == game.world.hero.x && y == game.world.hero.y) {
    ShowMessage(game, "Ты так и не смог нацелить заклинание на себя.");
    ShowMessage(game, "Свиток вспыхнул и сгорел.");
    return;
  }
  LearnCurrentType(game);
  const int r = Literacy(game);
  const int strength = ByGrade(game, 4 * r + 12, 7 * r + 15, 10 * r + 21);
  // The fire ball flies toward the target and bursts on the first wall or creature on its way.
  const Hero& hero = game.world.hero;
  const auto [land_x, land_y] = MissileLanding(game, hero.x, hero.y, x, y);
  FlyObject(game, hero.x, hero.y, land_x, land_y, '*',
            FetchNumber(text_ids::kElementColourBase + damage_kind::kFire));
  const int slot =
      Level::Inside(land_x, land_y) ? game.world.level.Cell(land_x, land_y).monster : 0;
  if (slot < 1 || slot > game.world.level.monster_count) {
    ShowMessage(game, "Огненный шар взорвался в воздухе.");
    return;
  }
  ShowMessage(game, "Огненный шар попадает в " + MonsterObjectName(game, slot) + ".");
  LoadMonsterType(game, game.world.level.Monster(slot).type);
  const int protection = game.data.monsters.current.Resistance(damage_kind::kFire);
  DamageMonster(game, slot, std::max(0, RollRange(game, strength / 2, strength) - protection), true,
                true);
}

void DetCurse(Game& game, const EffectAim&) {
  game.control.pending_operation = PendingOperation::kNone;
  ItemRecord* chosen = ChosenItem(game);
  if (chosen == nullptr) return;
  if (chosen->blessing < 3) {
    ShowMessage(game, "Статус этого предмета ты и так знаешь, сын мой.");
    return;
  }
  const Grade grade = GradeOf(*chosen);
  RevealBlessing(*chosen);
  ShowMessage(game, grade == Grade::kCursed ? "На этом предмете лежит проклятие."
                    : grade == Grade::kUncursed ? "Этот предмет не проклят."
                                                : "На этом предмете лежит благословение.");
}

void VornsMsg(Game& game, const EffectAim&) {
  constexpr const char* kLetter[] = {
      "На пожелтевшем листе бумаги написано:",
      "Если ты это читаешь, значит я ещё не убрал из сундука эти вещи.",
      "Это и есть те загадочные сокровища Чазора.",
      "Хотя на самом деле их положил сюда я.",
      "Раз ты всё-таки нашёл их, мне придётся их убрать.",
      "Потому что эти шмотки нужны были мне для тестирования :)",
      "Да, и вот ещё что: ДАЖЕ И НЕ ДУМАЙ ЕСТЬ ЭТО УХО!!!",
      "Дальше в записке нарисованы расколотый камень и жёлтый дом. Под рисунком есть надпись:",
      "P.S. Чазор ДЕЙСТВИТЕЛЬНО Существует!",
  };
  for (const char* line : kLetter) ShowMessage(game, line, msg::kAcknowledge);
  // Whoever has read the note has found Чазор's treasure; Чупакабра will know it at once.
  int16_t& treasure = game.world.hero.quests[quest_entry::kTreasure];
  if (treasure < 2) treasure = 2;
}

void MysticLetter(Game& game, const EffectAim&) {
  ShowMessage(game,
              "На табличке написаны какие-то иероглифы, которые ты не в состоянии прочитать.");
}

}  // namespace zaldrun
