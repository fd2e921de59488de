#include "combat/monster_damage.hpp"

#include <gtest/gtest.h>

#include <string>

#include "creatures/monster_table.hpp"
#include "support/game_fixture.hpp"
#include "support/open_room.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kRat = 1;  // feminine

class MonsterDamageTest : public ::testing::Test {
 protected:
  MonsterDamageTest() : fixture_(testing::OpenRoom(12, 6, 2, 2)) {}
  Game& game() { return fixture_.game(); }
  MonsterRecord& At(int slot) { return game().world.level.Monster(slot); }
  GameFixture fixture_;
};

TEST_F(MonsterDamageTest, HarmlessAttacksAreShruggedOffAndNeverHeal) {
  const int slot = CreateMonster(game(), 5, 2, kRat, 0, 1);
  At(slot).hp = 4;
  EXPECT_FALSE(DamageMonster(game(), slot, -5, true, false));
  EXPECT_EQ(At(slot).hp, 4);
  EXPECT_EQ(game().view.message_line, " Но она не обратила на это внимания.");
  EXPECT_EQ(At(slot).peaceful, 1) << "not hurt by the hero";
  game().view.message_line.clear();
  EXPECT_FALSE(DamageMonster(game(), slot, 0, false, true));
  EXPECT_TRUE(game().view.message_line.empty()) << "without notice nothing is said";
  EXPECT_EQ(At(slot).peaceful, 0) << "the hero's attack angers it";
  EXPECT_EQ(At(slot).state, -1);
}

// How later slots move down is world_ops_test.cpp's.
TEST_F(MonsterDamageTest, ADeathNotByTheHeroIsSeenButNotCounted) {
  const int first = CreateMonster(game(), 4, 2, kRat, 0, 0);
  CreateMonster(game(), 5, 2, 2, 0, 0);
  game().world.kill_counts.fill(0);
  EXPECT_TRUE(DamageMonster(game(), first, 500, false, false));
  EXPECT_EQ(game().view.message_line, " Крыса умирает!");
  EXPECT_EQ(game().world.kill_counts[kRat], 0) << "only the hero's kills count";
  ASSERT_EQ(game().world.level.monster_count, 1);
  EXPECT_EQ(At(1).type, 2);
}

TEST_F(MonsterDamageTest, AConjuredCreatureOutOfSightLeavesNothingEither) {
  MonsterTypeRecord& rat = game().data.monsters.records[kRat];
  rat.loot_type[MonsterTypeRecord::LootIndex(1, 1)] = 117;
  rat.loot_percent[MonsterTypeRecord::LootIndex(1, 1)] = 100;
  rat.loot_count_low[MonsterTypeRecord::LootIndex(1, 1)] = 3;
  rat.loot_count_high[MonsterTypeRecord::LootIndex(1, 1)] = 3;
  const int conjured = CreateMonster(game(), 10, 4, kRat, kConjured, 0);
  // Walls hide the far corner from the hero.
  game().world.level.SetTerrain(9, 4, 'A');
  game().world.level.SetTerrain(9, 3, 'A');
  game().world.level.SetTerrain(10, 3, 'A');
  DamageMonster(game(), conjured, 500, false, false);
  EXPECT_EQ(game().world.level.Cell(10, 4).item, 0);
  EXPECT_TRUE(game().view.message_line.empty()) << "unseen, it goes unnoticed";
  const int plain = CreateMonster(game(), 10, 4, kRat, 0, 0);
  DamageMonster(game(), plain, 500, false, false);
  EXPECT_NE(game().world.level.Cell(10, 4).item, 0) << "an ordinary rat leaves its loot";
}

}  // namespace
}  // namespace zaldrun
