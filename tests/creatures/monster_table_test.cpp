#include "creatures/monster_table.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "records/monster_type_table.hpp"
#include "support/game_fixture.hpp"
#include "support/open_room.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

// The level's list as type -> weight.
std::map<int, int> ListedWeights(const Game& game) {
  std::map<int, int> weights;
  const Level& level = game.world.level;
  for (size_t i = 0; i * 3 < level.monster_list.size(); ++i) {
    weights[std::stoi(level.monster_list.substr(i * 3, 3))] =
        static_cast<unsigned char>(level.monster_weights[i]);
  }
  return weights;
}

class MonsterTableTest : public ::testing::Test {
 protected:
  MonsterTableTest() : fixture_(testing::OpenRoom(20, 8, 1, 1)) {}
  Game& game() { return fixture_.game(); }
  GameFixture fixture_;
};

TEST_F(MonsterTableTest, DepthOneWeighsItsOwnFullyAndItsNeighboursAtTwoThirds) {
  game().world.level.monster_depth = 1;
  const int type = PickMonsterType(game(), kLevelListDepth);
  const std::map<int, int> weights = ListedWeights(game());
  EXPECT_EQ(weights.count(type), 1u);
  EXPECT_EQ(weights.at(1), 28);  // depth 1
  EXPECT_EQ(weights.at(7), 26);  // depth 2: 40 → 26
  EXPECT_EQ(weights.at(5), 16);  // 25 → 16
  for (const auto& [listed, weight] : weights) {
    const int depth = MonsterTypeConstants(listed).native_depth;
    EXPECT_TRUE(depth == 1 || depth == 2) << listed;
  }
  EXPECT_EQ(weights.count(6), 0u) << "depth 3 is two away";
}

TEST_F(MonsterTableTest, TheLevelListIsKeptUntilTheLevelChanges) {
  game().world.level.monster_depth = 1;
  PickMonsterType(game(), kLevelListDepth);
  const std::string list = game().world.level.monster_list;
  game().world.level.monster_depth = 5;
  for (int i = 0; i < 30; ++i) {
    const int type = PickMonsterType(game(), kLevelListDepth);
    EXPECT_LE(MonsterTypeConstants(type).native_depth, 2) << "still the depth-1 list";
  }
  EXPECT_EQ(game().world.level.monster_list, list);
  // Another depth asked for directly leaves the level's list alone.
  EXPECT_GE(MonsterTypeConstants(PickMonsterType(game(), 5)).native_depth, 4);
  EXPECT_EQ(game().world.level.monster_list, list);
  ClearLevelMonsterList(game());
  EXPECT_GE(MonsterTypeConstants(PickMonsterType(game(), kLevelListDepth)).native_depth, 4);
}

TEST_F(MonsterTableTest, NoCandidateMeansNoMonster) {
  EXPECT_EQ(PickMonsterType(game(), 90), 0) << "no type lives that deep";
  SetLevelMonsterList(game(), "013", std::string(1, '\0'));
  EXPECT_EQ(PickMonsterType(game(), kLevelListDepth), 0);
  EXPECT_EQ(PlaceRandomMonster(game(), -1), 0);
  EXPECT_EQ(game().world.level.monster_count, 0);
}

TEST_F(MonsterTableTest, CreationRollsWithinTheTypesRanges) {
  const MonsterTypeRecord& rat = game().data.monsters.records[1];
  for (int i = 0; i < 20; ++i) {
    const int slot = CreateMonster(game(), 2 + i % 16, 2 + i / 16, 1, 1, 1);
    ASSERT_NE(slot, 0);
    const MonsterRecord& m = game().world.level.Monster(slot);
    EXPECT_EQ(m.hp, m.max_hp);
    EXPECT_TRUE(m.max_hp >= rat.hp_low && m.max_hp <= rat.hp_high);
    EXPECT_TRUE(m.defence >= rat.defence_low && m.defence <= rat.defence_high);
    EXPECT_TRUE(m.attack >= rat.attack_low && m.attack <= rat.attack_high);
    EXPECT_TRUE(m.speed >= rat.speed_low && m.speed <= rat.speed_high);
    EXPECT_EQ(m.state, 0) << "asleep";
    EXPECT_EQ(m.energy, 0);
    EXPECT_EQ(m.creation_flag, 1);
    EXPECT_EQ(m.peaceful, 1);
    EXPECT_EQ(game().world.level.Cell(m.x, m.y).monster, slot);
  }
}

TEST_F(MonsterTableTest, CreationRefusalsAndPlacingByHand) {
  ASSERT_NE(CreateMonster(game(), 5, 5, 1, 0, 0), 0);
  for (const auto& [x, type] : {std::pair{5, 2}, {6, 0}, {6, 86}, {80, 1}}) {
    EXPECT_EQ(CreateMonster(game(), x, 5, type, 0, 0), 0) << x << " " << type;
  }
  EXPECT_TRUE(PlaceMonsterOfType(game(), 4, 4, 2, true));
  EXPECT_EQ(game().world.level.Monster(2).state, -1) << "awake";
  EXPECT_FALSE(PlaceMonsterOfType(game(), 1, 1, 2, false)) << "the hero's cell";
  EXPECT_FALSE(PlaceMonsterOfType(game(), 0, 4, 2, false)) << "a wall";
  game().world.level.monster_count = kMaxMonsters;
  EXPECT_EQ(CreateMonster(game(), 6, 5, 1, 0, 0), 0) << "300 are on the level";
}

TEST_F(MonsterTableTest, RandomMonstersComeFromTheListOnFreeCellsAwakeHalfTheTime) {
  SetLevelMonsterList(game(), "001002", "AA");
  int awake = 0;
  for (int i = 0; i < 40; ++i) {
    const int slot = PlaceRandomMonster(game(), -1);
    ASSERT_NE(slot, 0);
    const MonsterRecord& m = game().world.level.Monster(slot);
    EXPECT_TRUE(m.type == 1 || m.type == 2);
    awake += m.state == -1;
  }
  EXPECT_GT(awake, 5);
  EXPECT_LT(awake, 35);
}

}  // namespace
}  // namespace zaldrun
