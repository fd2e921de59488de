#include "creatures/behaviours.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "combat/monster_damage.hpp"
#include "combat/traps.hpp"
#include "creatures/monster_steps.hpp"
#include "creatures/monster_table.hpp"
#include "engine/monsters_on_level.hpp"
#include "engine/turn.hpp"
#include "support/game_fixture.hpp"
#include "support/open_room.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kRat = 1;
constexpr int kBigRat = 2;  // bites and claws for 1000 energy each
constexpr int kGoblin = 8;  // intelligent humanoid; its kind raises the alarm

class BehaviourTest : public ::testing::Test {
 protected:
  explicit BehaviourTest(std::vector<std::string> picture = testing::OpenRoom(30, 8, 2, 3))
      : fixture_(std::move(picture)) {
    game().world.hero.hp = game().world.hero.max_hp = 30000;
  }
  Game& game() { return fixture_.game(); }
  MonsterRecord& At(int slot) { return game().world.level.Monster(slot); }
  MonsterTypeRecord& Type(int type) {
    return game().data.monsters.records[static_cast<size_t>(type)];
  }
  int Add(int type, int x, int y, bool awake = false, int energy = 0) {
    const int slot = CreateMonster(game(), x, y, type, 0, 0);
    if (awake) At(slot).state = -1;
    At(slot).energy = static_cast<int16_t>(energy);
    return slot;
  }

  GameFixture fixture_;
};

TEST_F(BehaviourTest, ASleeperWakesAtDistanceTenButNotEleven) {
  const int near = Add(kRat, 12, 3);
  const int far = Add(kRat, 13, 5);  // √(11² + 2²) rounds to 11
  StndAI(game(), near);
  StndAI(game(), far);
  EXPECT_EQ(At(near).state, -1);
  EXPECT_EQ(At(far).state, 0);
  const int peaceful = Add(kRat, 4, 3);
  At(peaceful).peaceful = 1;
  StndAI(game(), peaceful);
  EXPECT_EQ(At(peaceful).state, 0) << "peaceful creatures do not wake";
}

TEST_F(BehaviourTest, ASleeperDriftsAndSavesNoEnergy) {
  const int slot = Add(kRat, 20, 4);
  bool moved = false;
  for (int i = 0; i < 30; ++i) {
    const int x = At(slot).x;
    const int y = At(slot).y;
    At(slot).energy = 5000;
    StndAI(game(), slot);
    EXPECT_EQ(At(slot).energy, 0);
    EXPECT_LE(std::abs(At(slot).x - x), 1);
    EXPECT_LE(std::abs(At(slot).y - y), 1);
    moved |= At(slot).x != x || At(slot).y != y;
  }
  EXPECT_TRUE(moved);
  EXPECT_EQ(At(slot).state, 0) << "too far to see the hero";
}

TEST_F(BehaviourTest, EnergyForTwoActionsActsTwiceAndKeepsTheRest) {
  const int walker = Add(kBigRat, 20, 3, true, 2500);
  StndAI(game(), walker);
  EXPECT_EQ(At(walker).x, 18) << "two steps toward the hero";
  EXPECT_EQ(At(walker).energy, 500);

  const int biter = Add(kBigRat, 3, 3, true, 2500);
  Type(kBigRat).attack_low = Type(kBigRat).attack_high = 0;
  At(biter).attack = 0;  // misses: two messages, no harm
  StndAI(game(), biter);
  EXPECT_EQ(At(biter).energy, 500);
  EXPECT_EQ(fixture_.LogLines(), (std::vector<std::string>{"Большая крыса промахнулась по тебе.",
                                                           "Большая крыса промахнулась по тебе."}));
}

TEST_F(BehaviourTest, AnAlarmWakesTheWholeLevelAgainstTheHero) {
  const int goblin = Add(kGoblin, 6, 3);
  const int villager = Add(kRat, 20, 6);
  const int other = Add(kRat, 25, 6);
  At(villager).peaceful = At(other).peaceful = 1;
  StndAI(game(), goblin);
  EXPECT_EQ(At(goblin).state, -1);
  EXPECT_EQ(At(villager).peaceful, 0);
  EXPECT_EQ(At(other).peaceful, 0);

  // A peaceful alarm creature raises nothing.
  At(goblin).peaceful = 1;
  At(villager).peaceful = 1;
  StndAI(game(), goblin);
  EXPECT_EQ(At(villager).peaceful, 1);
}

TEST_F(BehaviourTest, APeacefulCreatureNeverFights) {
  const int slot = Add(kBigRat, 3, 3, true, 3000);
  At(slot).peaceful = 1;
  StndAI(game(), slot);
  EXPECT_EQ(At(slot).energy, 0);
  EXPECT_TRUE(fixture_.LogLines().empty());

  HoldStill(game(), slot);
  EXPECT_EQ(At(slot).energy, 0);
  MoveMonster(game(), slot, 3, 3);  // back beside the hero after its drift
  At(slot).peaceful = 0;
  At(slot).energy = 1000;
  At(slot).attack = 0;
  HoldStill(game(), slot);
  EXPECT_EQ(fixture_.LogLines().size(), 1u) << "an angered one strikes";
}

TEST_F(BehaviourTest, TurnSpendersNeverLoopForEver) {
  const int slot = Add(kBigRat, 3, 3, true, 3000);
  MonsterTypeRecord& type = Type(kBigRat);
  for (int code : {0, 7, 43, 44}) {
    SCOPED_TRACE(code);
    type.action_codes = {static_cast<int16_t>(code), 0, 0, 0, 0, 0};
    type.action_weights = {10, 0, 0, 0, 0, 0};
    type.action_limits = {5, 0, 0, 0, 0, 0};
    At(slot).energy = 3000;
    StndAI(game(), slot);
    EXPECT_EQ(At(slot).energy, 0);
    EXPECT_EQ(At(slot).x, 3) << "spent, not walked";
  }
  EXPECT_TRUE(fixture_.LogLines().empty());
  EXPECT_EQ(game().world.hero.hp, 30000);

  // All weights 0: the pick is the character 0, and action 0 spends the turn.
  type.action_codes = {2, 4, 0, 0, 0, 0};
  type.action_weights = {0, 0, 0, 0, 0, 0};
  At(slot).energy = 2000;
  StndAI(game(), slot);
  EXPECT_EQ(At(slot).energy, 0);
  EXPECT_TRUE(fixture_.LogLines().empty());
}

TEST_F(BehaviourTest, ApplicableActionsFollowDistanceAndAdjacency) {
  MonsterTypeRecord& type = Type(kBigRat);
  type.action_codes = {2, 11, 12, 0, 13, 0};
  type.action_weights = {7, 3, 4, 0, 9, 0};
  type.action_limits = {0, 4, 2, 0, 50, 0};
  const int slot = Add(kBigRat, 3, 3, true);
  ActionChoices near = ChekActions(game(), slot, LookAtHero(game(), slot));
  EXPECT_THAT(near.Actions(), ::testing::ElementsAre(2, 12))
      << "bite and retreat; code 13 waits for its action";
  EXPECT_THAT(near.Weights(), ::testing::ElementsAre(7, 4));
  MoveMonster(game(), slot, 10, 3);
  ActionChoices far = ChekActions(game(), slot, LookAtHero(game(), slot));
  EXPECT_THAT(far.Actions(), ::testing::ElementsAre(11)) << "approach beyond distance 4";
}

TEST_F(BehaviourTest, StepsTowardAndAwayFromTheHero) {
  const int slot = Add(kRat, 6, 3);
  MoveToHero(game(), slot, -1);
  EXPECT_EQ(At(slot).x, 7);
  EXPECT_EQ(At(slot).energy, -1000) << "a step costs 1000";
  MoveToHero(game(), slot, 1);
  EXPECT_EQ(At(slot).x, 6);
  MoveMonster(game(), slot, 5, 6);
  MoveToHero(game(), slot, 1);
  EXPECT_EQ(At(slot).x, 4);
  EXPECT_EQ(At(slot).y, 5) << "diagonally";
  MoveMonster(game(), slot, 3, 3);
  MoveToHero(game(), slot, 1);
  EXPECT_EQ(At(slot).x, 2) << "never onto the hero: beside him";
  EXPECT_EQ(At(slot).y, 4);
}

class CorridorTest : public BehaviourTest {
 protected:
  // A corridor along row 3 with niches above and below column 5; the hero at its west end.
  CorridorTest()
      : BehaviourTest(
            {"AAAAAAAAAA", "AAAAAAAAAA", "AAAAACAAAA", "A@CCCCCCCA", "AAAAACAAAA", "AAAAAAAAAA"}) {}
};

TEST_F(CorridorTest, ABlockedCorridorTriesBelowThenAbove) {
  Add(kRat, 5, 3);  // blocks the straight step
  const int slot = Add(kRat, 6, 3);
  MoveToHero(game(), slot, 1);
  EXPECT_EQ(At(slot).x, 5);
  EXPECT_EQ(At(slot).y, 4);
  MoveMonster(game(), slot, 6, 3);
  Add(kRat, 5, 4);
  MoveToHero(game(), slot, 1);
  EXPECT_EQ(At(slot).x, 5);
  EXPECT_EQ(At(slot).y, 2);
  MoveMonster(game(), slot, 6, 3);
  Add(kRat, 5, 2);
  At(slot).energy = 0;
  MoveToHero(game(), slot, 1);
  EXPECT_EQ(At(slot).x, 6) << "nowhere to go";
  EXPECT_EQ(At(slot).energy, -1000) << "the turn is spent all the same";
}

TEST_F(BehaviourTest, TheShopkeeperKeepsItsPost) {
  GameFixture big(testing::OpenRoom(40, 30, 2, 2));
  Game& g = big.game();
  g.world.current_place = 1;
  const int keeper = CreateMonster(g, 10, 5, kRat, 0, 1);
  const struct {
    int level;
    int debt;
    int x;
    int y;
  } posts[] = {{1, 0, 32, 6}, {1, 50, 33, 7}, {5, 0, 33, 26}, {5, 50, 32, 27}, {2, 0, 32, 27}};
  for (const auto& post : posts) {
    g.world.current_level = static_cast<int16_t>(post.level);
    g.world.hero.shop_debt = post.debt;
    g.world.level.Monster(keeper).energy = 3000;
    ShopKeeper(g, keeper);
    EXPECT_EQ(g.world.level.Monster(keeper).x, post.x) << post.level << " " << post.debt;
    EXPECT_EQ(g.world.level.Monster(keeper).y, post.y);
    EXPECT_EQ(g.world.level.Monster(keeper).energy, 0);
  }
  // Someone else on the post: the keeper stays where it is.
  g.world.current_level = 1;
  CreateMonster(g, 32, 6, kRat, 0, 1);
  g.world.hero.shop_debt = 0;
  ShopKeeper(g, keeper);
  EXPECT_EQ(g.world.level.Monster(keeper).x, 32);
  EXPECT_EQ(g.world.level.Monster(keeper).y, 27);
}

TEST_F(BehaviourTest, OnlyIntelligentCastersInSightMumble) {
  const int rat = Add(kRat, 4, 3);
  const int goblin = Add(kGoblin, 5, 3);
  Mumble(game(), rat, LookAtHero(game(), rat));
  Mumble(game(), goblin, MonsterSight(false, 2));
  EXPECT_TRUE(game().view.message_line.empty());
  Mumble(game(), goblin, LookAtHero(game(), goblin));
  EXPECT_EQ(game().view.message_line.rfind(" " + Type(kGoblin).name + " ", 0), 0u);
}

// Spears under (x, y), where a monster of one hit point dies.
void SpearTrap(Game& game, int x, int y) {
  MapCell& cell = game.world.level.Cell(x, y);
  cell.feature = feature::kHiddenTrap;
  cell.params[0] = trap_kind::kSpears;
}

TEST_F(BehaviourTest, AMonsterKilledOnItsWayStopsAtOnce) {
  SpearTrap(game(), 7, 3);
  const int victim = Add(kBigRat, 8, 3, true, 3000);
  At(victim).hp = 1;
  Add(kBigRat, 20, 5, true, 3000);
  StndAI(game(), victim);
  EXPECT_EQ(game().world.level.monster_count, 1);
  EXPECT_EQ(At(1).x, 20) << "the monster that moved into the slot did not act in its place";
  EXPECT_EQ(At(1).energy, 3000);
}

TEST_F(BehaviourTest, TheTurnGoesOnWithTheNextMonsterAfterADeath) {
  SpearTrap(game(), 8, 4);
  const int victim = Add(kBigRat, 9, 5, true);
  At(victim).hp = 1;
  const int next = Add(kBigRat, 14, 3, true);
  At(victim).speed = At(next).speed = 100;
  game().world.level.shopkeeper = static_cast<int16_t>(victim);
  game().control.target_monster = static_cast<int16_t>(next);
  AdvanceTime(game(), 1000);  // 1000 energy each: one step each
  ASSERT_EQ(game().world.level.monster_count, 1);
  EXPECT_EQ(At(1).x, 13) << "the survivor stepped once: neither skipped nor run twice";
  EXPECT_EQ(At(1).energy, 0);
  EXPECT_EQ(game().world.level.shopkeeper, 0) << "the keeper's slot is forgotten with it";
  EXPECT_EQ(game().control.target_monster, 1) << "the target follows its monster";
}

}  // namespace
}  // namespace zaldrun
