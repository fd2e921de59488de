#include "creatures/monster_table.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/monsters_on_level.hpp"
#include "field/free_cells.hpp"
#include "model/chance.hpp"
#include "model/game.hpp"
#include "records/monster_type_table.hpp"

namespace zaldrun {

namespace {

constexpr int kCodeWidth = 3;
constexpr double kNeighbourWeight = 0.66;

// The candidates for a depth: three-digit codes and one weight character per code.
void BuildList(int depth, std::string& codes, std::string& weights) {
  codes.clear();
  weights.clear();
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    const MonsterTypeEntry& entry = MonsterTypeConstants(type);
    int weight = 0;
    if (entry.native_depth == depth) {
      weight = entry.weight;
    } else if (entry.native_depth == depth - 1 || entry.native_depth == depth + 1) {
      weight = static_cast<int>(std::floor(entry.weight * kNeighbourWeight));
    } else {
      continue;
    }
    char code[4];
    code[0] = static_cast<char>('0' + type / 100);
    code[1] = static_cast<char>('0' + type / 10 % 10);
    code[2] = static_cast<char>('0' + type % 10);
    codes.append(code, kCodeWidth);
    weights.push_back(static_cast<char>(static_cast<unsigned char>(weight)));
  }
}

// The type a picked code names; the empty pick ("0", or the character 0) names none.
int CodeValue(const std::string& code) {
  int value = 0;
  for (char c : code) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
  }
  return value >= 1 && value <= kMonsterTypeCount ? value : 0;
}

int16_t Rolled(Game& game, int low, int high) {
  return RandomRange(game, std::min(low, high), std::max(low, high));
}

}  // namespace

int PickMonsterType(Game& game, int depth) {
  if (depth == kLevelListDepth) {
    Level& level = game.world.level;
    if (level.monster_list.empty())
      BuildList(level.monster_depth, level.monster_list, level.monster_weights);
    return CodeValue(
        PickFromList(game, level.monster_list, level.monster_weights, kCodeWidth, false));
  }
  std::string codes;
  std::string weights;
  BuildList(depth, codes, weights);
  return CodeValue(PickFromList(game, codes, weights, kCodeWidth, false));
}

void ClearLevelMonsterList(Game& game) {
  game.world.level.monster_list.clear();
  game.world.level.monster_weights.clear();
}

void SetLevelMonsterList(Game& game, std::string_view codes, std::string_view weights) {
  game.world.level.monster_list = std::string(codes);
  game.world.level.monster_weights = std::string(weights);
}

int CreateMonster(Game& game, int x, int y, int type, int creation_flag, int peaceful) {
  Level& level = game.world.level;
  if (!game.data.monsters.loaded || type < 1 || type > kMonsterTypeCount) return 0;
  if (!Level::Inside(x, y) || level.Cell(x, y).monster != 0 ||
      level.monster_count >= kMaxMonsters) {
    return 0;
  }
  const MonsterTypeRecord& record = game.data.monsters.records[static_cast<size_t>(type)];
  MonsterRecord monster;
  monster.max_hp = monster.hp = Rolled(game, record.hp_low, record.hp_high);
  monster.defence = Rolled(game, record.defence_low, record.defence_high);
  monster.attack = Rolled(game, record.attack_low, record.attack_high);
  monster.speed = Rolled(game, record.speed_low, record.speed_high);
  monster.x = static_cast<uint8_t>(x);
  monster.y = static_cast<uint8_t>(y);
  monster.type = static_cast<int16_t>(type);
  monster.creation_flag = static_cast<uint8_t>(creation_flag);
  monster.peaceful = static_cast<uint8_t>(peaceful);
  return PlaceMonster(game, monster) ? level.monster_count : 0;
}

int PlaceRandomMonster(Game& game, int flag) {
  int16_t x = 0;
  int16_t y = 0;
  if (!RandomFreeCell(game, x, y, false)) return 0;
  const int type = PickMonsterType(game, kLevelListDepth);
  if (type == 0) return 0;
  const int slot = CreateMonster(game, x, y, type, 0, 0);
  if (slot != 0 && flag == -1 && game.random.Next() < 0.5f)
    game.world.level.Monster(slot).state = -1;
  return slot;
}

bool PlaceMonsterOfType(Game& game, int x, int y, int type, bool awake) {
  if (!CellIsFree(game, x, y, false)) return false;
  const int slot = CreateMonster(game, x, y, type, 0, 0);
  if (slot == 0) return false;
  if (awake) game.world.level.Monster(slot).state = -1;
  return true;
}

}  // namespace zaldrun
