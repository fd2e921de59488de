#include "events/quest_checks.hpp"

#include "engine/message_line.hpp"
#include "field/sight.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"
#include "records/monster_type_ids.hpp"

namespace zaldrun {
namespace {

// The places the checks belong to (the level generator, a layer up, names them too).
constexpr int kWorldPlace = 1;
constexpr int kCatacombsPlace = 2;
constexpr int kDarkCavePlace = 3;
constexpr int kTombPlace = 4;

constexpr int kCountInterval = 30;
constexpr int kCheckInterval = 10;
constexpr int kGoblinCampLevel = 2;
constexpr int kWitchCaveLevel = 3;
constexpr int kTrapLevel = 1;

// The portal of Аракус's hall and the cell where the stairs up appear when he dies, leading to
// the swamp's fourth level.
constexpr int kPortalX = 39;
constexpr int kPortalY = 16;
constexpr int kHallStairsX = 39;
constexpr int kHallStairsY = 23;
constexpr int kHallStairsPlace = 6;
constexpr int kHallStairsLevel = 4;

EventSlot* OwnSlot(Game& game) {
  const int slot = game.control.current_slot;
  if (slot < 1 || slot > game.world.event_count) return nullptr;
  return &game.world.events[static_cast<size_t>(slot)];
}

void Rearm(Game& game, int countdown) {
  if (EventSlot* slot = OwnSlot(game)) slot->countdown = static_cast<int16_t>(countdown);
}

// One-shot: the slot goes, and the turn cycle's next step lands on the slot that moved up.
void RemoveOwnSlot(Game& game) {
  const int slot = game.control.current_slot;
  if (slot < 1 || slot > game.world.event_count) return;
  RemoveEvent(game, slot);
  game.control.current_slot = static_cast<int16_t>(slot - 1);
}

// The summoning hall under the swamp.
constexpr int kSwampPlace = 6;
constexpr int kHallLevel = 5;

bool At(const Game& game, int place, int level) {
  return game.world.current_place == place && game.world.current_level == level;
}

// A quest-state entry; an index outside 0..99 (a damaged parameter) names none.
int16_t* QuestEntry(Game& game, int index) {
  if (index < 0 || index >= kQuestCount) return nullptr;
  return &game.world.hero.quests[static_cast<size_t>(index)];
}

}  // namespace

void CountMons(Game& game) {
  if (game.world.current_place != kCatacombsPlace) {
    RemoveOwnSlot(game);
    return;
  }
  const EventSlot* slot = OwnSlot(game);
  int16_t* cleared = slot ? QuestEntry(game, slot->parameter - 1) : nullptr;
  if (cleared != nullptr && *cleared == 0 && game.world.level.monster_count == 0) {
    *cleared = 1;
    ShowMessage(game, "Ты чувствуешь, что перебил всех врагов на этом ярусе", msg::kAcknowledge);
  }
  Rearm(game, kCountInterval);
}

void CheckGobs(Game& game) {
  if (!At(game, kWorldPlace, kGoblinCampLevel)) {
    RemoveOwnSlot(game);
    return;
  }
  Level& level = game.world.level;
  bool hostile = false;
  for (int slot = 1; slot <= level.monster_count && !hostile; ++slot) {
    hostile = level.Monster(slot).peaceful == 0;
  }
  if (!hostile) {
    Rearm(game, kCheckInterval);
    return;
  }
  for (int slot = 1; slot <= level.monster_count; ++slot) level.Monster(slot).peaceful = 0;
  RemoveOwnSlot(game);
}

void CheckWitch(Game& game) {
  if (!At(game, kDarkCavePlace, kWitchCaveLevel)) {
    RemoveOwnSlot(game);
    return;
  }
  int16_t& witch = game.world.hero.quests[quest_entry::kWitch];
  if (FindMonsterOfType(game, monster_type::kWitch) == 0 && witch <= 1) {
    witch = 2;
    RemoveOwnSlot(game);
    return;
  }
  Rearm(game, kCheckInterval);
}

void CheckAra(Game& game) {
  // The portal and the stairs are the hall's: away from it the check waits for the hero's return
  // rather than write them onto another level.
  if (game.world.kill_counts[monster_type::kArakus] < 1 || !At(game, kSwampPlace, kHallLevel)) {
    Rearm(game, kCheckInterval);
    return;
  }
  ShowMessage(game,
              "Как только ты убил аракуса, его тело моментально сгорело в огне, а в зале "
              "прогремел голос:",
              msg::kAcknowledge);
  ShowMessage(game, "\"Я тебя на том свете достану!\"", msg::kAcknowledge);
  ShowMessage(game, "После этого портал исчез, а лестница наверх снова появилась.");
  game.world.hero.quests[quest_entry::kSwamp] = 2;
  Level& level = game.world.level;
  level.Cell(kPortalX, kPortalY).feature = feature::kNone;
  MapCell& stairs = level.Cell(kHallStairsX, kHallStairsY);
  stairs.feature = feature::kStairsUp;
  stairs.params[0] = kHallStairsPlace;
  stairs.params[1] = kHallStairsLevel;
  RemoveOwnSlot(game);
}

void TombTrap(Game& game) {
  if (At(game, kTombPlace, kTrapLevel)) {
    Level& level = game.world.level;
    for (int x : {7, 15}) {
      for (int y : {15, 16, 17, 20, 21, 22}) level.SetTerrain(x, y, 'C');
    }
    for (int x = 10; x <= 12; ++x) level.SetTerrain(x, 25, 'C');
    const Hero& hero = game.world.hero;
    LOSRound(game, hero.x, hero.y, hero.sight_radius);
    ShowMessage(game, "Неожиданно стены комнаты опускаются, открывая скрытые комнаты с големами!",
                msg::kAcknowledge);
    ShowMessage(game, "Ты в ловушке!!! (хе-хе-хе)");
  }
  RemoveOwnSlot(game);
}

}  // namespace zaldrun
