// The helpers the fixed places share: doors, inhabitants and the preset monster lists.
#include <string>

#include "creatures/monster_table.hpp"
#include "field/free_cells.hpp"
#include "levelgen/level_tools.hpp"
#include "levelgen/place_builds.hpp"
#include "levelgen/places.hpp"
#include "model/game.hpp"

namespace zaldrun {

void StandAt(Game& game, int x, int y) {
  game.world.hero.x = static_cast<int16_t>(x);
  game.world.hero.y = static_cast<int16_t>(y);
}

void FixedDoor(Game& game, int x, int y, bool locked) {
  PutFeature(game, x, y, feature::kClosedDoor, locked ? 1 : 0, 0, 0, 0);
}

void FixedSecretDoor(Game& game, int x, int y) {
  PutFeature(game, x, y, feature::kSecretDoor, 0, 0, 0, 0);
}

int Inhabitant(Game& game, int x, int y, int type, bool peaceful) {
  return CreateMonster(game, x, y, type, 0, peaceful ? 1 : 0);
}

void Inhabitants(Game& game, int count, int type, bool peaceful) {
  for (int i = 0; i < count; ++i) {
    int16_t x = 0;
    int16_t y = 0;
    if (RandomFreeCell(game, x, y, false)) Inhabitant(game, x, y, type, peaceful);
  }
}

void MonsterList(Game& game, std::string_view codes, std::initializer_list<int> weights) {
  std::string weight_text;
  for (int w : weights) weight_text += static_cast<char>(w);
  SetLevelMonsterList(game, codes, weight_text);
}

void PresetMonsterList(Game& game, int place, int level) {
  if (place == place::kTomb) {
    if (level < place::kTombBottom) {
      MonsterList(game, "015035049053068070072085", {40, 14, 17, 28, 35, 28, 31, 17});
    } else {
      MonsterList(game, "005006068069071007", {76, 68, 22, 13, 16, 11});
    }
  } else if (place == place::kThicket && level <= 3) {
    MonsterList(game, "004007023060019036037038054071082083",
                {8, 18, 30, 7, 20, 15, 12, 16, 13, 12, 13, 25});
  }
}

}  // namespace zaldrun
