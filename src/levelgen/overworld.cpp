#include "levelgen/overworld.hpp"

#include "engine/message_line.hpp"
#include "engine/turn.hpp"
#include "field/field.hpp"
#include "items/pack.hpp"
#include "levelgen/level_tools.hpp"
#include "levelgen/place_builds.hpp"
#include "levelgen/places.hpp"
#include "model/chance.hpp"
#include "model/game.hpp"
#include "records/item_type_table.hpp"

namespace zaldrun {

bool BuildOverworld(Game& game) {
  if (!LoadPlaceMap(game, 7)) return false;
  Level& level = game.world.level;
  level.monster_depth = 1;
  level.spawn_rate = 0;
  for (const OverworldEntrance& entrance : kOverworldEntrances) {
    int arrival_x = entrance.arrival_x;
    int arrival_y = entrance.arrival_y;
    // The swamp is entered somewhere along its top edge, drawn once for the whole game.
    if (entrance.x == kSwampEntranceX && entrance.y == kSwampEntranceY) {
      arrival_x = RandomRange(game, 10, 60);
    }
    // Hidden ways in keep their destination from the start and get their feature when found.
    PutFeature(game, entrance.x, entrance.y, entrance.hidden ? feature::kNone : feature::kEntrance,
               entrance.destination, entrance.name_text, arrival_x, arrival_y);
  }
  game.world.hero.x = kNewGameX;
  game.world.hero.y = kNewGameY;
  return true;
}

void SearchOverworld(Game& game) {
  const Hero& hero = game.world.hero;
  MapCell& cell = game.world.level.Cell(hero.x, hero.y);
  if (hero.x == kAnthillX && hero.y == kAnthillY && cell.feature == feature::kNone) {
    ShowMessage(game, "Ты обнаружил вход в гигансткий муравейник!", msg::kAcknowledge);
    cell.feature = feature::kEntrance;
    game.world.level.SetTerrain(hero.x, hero.y, 'X');
    Renew(game, hero.x, hero.y);
  } else {
    ShowMessage(game, "Ты не нашёл ничего особенного.");
  }
  AdvanceTime(game, kOverworldStepCost);
}

void OpenThicketIfRead(Game& game) {
  int16_t& riddle = game.world.hero.quests[kForestRiddleEntry];
  if (riddle != 1) return;
  MapCell& cell = game.world.level.Cell(kThicketX, kThicketY);
  game.world.level.SetTerrain(kThicketX, kThicketY, 'Z');
  cell.feature = feature::kEntrance;
  riddle = 2;
}

void SolveRiddleIfFound(Game& game) {
  int16_t& riddle = game.world.hero.quests[kForestRiddleEntry];
  if (riddle == 2 && FindCarried(game, item_type::kForestArtefact) != 0) riddle = kQuestDone;
}

}  // namespace zaldrun
