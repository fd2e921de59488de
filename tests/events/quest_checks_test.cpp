// The quests' scheduled checks: a catacomb tier counted once, the goblin camp turning hostile
// together, the witch's death, Аракус's death opening his hall, the tomb's trap opening the golem
// rooms; each keeps or gives up its own slot as the turn cycle expects.
#include "events/quest_checks.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/dispatch.hpp"
#include "engine/monsters_on_level.hpp"
#include "model/world_ops.hpp"
#include "records/monster_type_ids.hpp"
#include "support/game_fixture.hpp"
#include "support/open_room.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr const char* kClearedLine = "Ты чувствуешь, что перебил всех врагов на этом ярусе";

class QuestCheckTest : public ::testing::Test {
 protected:
  QuestCheckTest() : fixture_(testing::OpenRoom(30, 10, 2, 2)) {}

  Game& game() { return fixture_.game(); }
  int16_t& Quest(int entry) { return game().world.hero.quests[static_cast<size_t>(entry)]; }
  void Enter(int place, int level) {
    game().world.current_place = static_cast<int16_t>(place);
    game().world.current_level = static_cast<int16_t>(level);
  }
  // Fires the named handler from its own slot as the turn cycle does, answering every wait.
  void Fire(const char* name) {
    game().control.current_slot = static_cast<int16_t>(FindEvent(game(), name));
    ASSERT_NE(game().control.current_slot, 0) << name;
    fixture_.Keys("                ");
    ASSERT_TRUE(fixture_.Act([&](Game& g) { ASSERT_TRUE(CallEventHandler(g, name)); }));
  }
  const EventSlot& Slot(const char* name) {
    return game().world.events[static_cast<size_t>(FindEvent(game(), name))];
  }
  int Said(std::string_view line) { return fixture_.LogCount(line); }

  GameFixture fixture_;
};

TEST_F(QuestCheckTest, CountMonsTellsOncePerTierThatItIsCleared) {
  Enter(2, 1);
  AddEvent(game(), "CountMons", 0, 4);  // tier 1: cleared flag in entry 3
  const int rat = fixture_.AddMonster(monster_type::kRat, 5, 5);
  Fire("CountMons");
  EXPECT_EQ(Quest(3), 0) << "a creature is left";
  RemoveMonster(game(), rat);
  for (int pass = 0; pass < 3; ++pass) Fire("CountMons");
  EXPECT_EQ(Quest(3), 1);
  EXPECT_EQ(Said(kClearedLine), 1);
  EXPECT_EQ(Slot("CountMons").countdown, 30) << "it keeps counting while in the catacombs";
  // Another tier has its own flag.
  game().world.events[static_cast<size_t>(FindEvent(game(), "CountMons"))].parameter = 5;
  Enter(2, 2);
  Fire("CountMons");
  EXPECT_EQ(Quest(4), 1);
  EXPECT_EQ(Said(kClearedLine), 2);
  EXPECT_EQ(Quest(5), 0);
}

TEST_F(QuestCheckTest, CountMonsGoesAwayOutsideTheCatacombsAndIgnoresADamagedParameter) {
  Enter(2, 1);
  for (int parameter : {0, -7, 101, 32767}) {
    AddEvent(game(), "CountMons", 0, parameter);
    Fire("CountMons");
    EXPECT_EQ(Slot("CountMons").countdown, 30) << parameter;
    RemoveEvent(game(), FindEvent(game(), "CountMons"));
  }
  EXPECT_EQ(Said(kClearedLine), 0);
  AddEvent(game(), "CountMons", 0, 4);
  AddEvent(game(), "Regen", 240, 1);
  Enter(1, 1);
  Fire("CountMons");
  EXPECT_EQ(FindEvent(game(), "CountMons"), 0);
  EXPECT_EQ(Quest(3), 0);
  EXPECT_EQ(game().control.current_slot, 0) << "the next step lands on the slot that moved up";
  EXPECT_EQ(game().world.events[1].name, "Regen");
}

TEST_F(QuestCheckTest, CheckGobsWaitsWhileAllArePeacefulThenTurnsTheCampHostile) {
  Enter(1, 2);
  AddEvent(game(), "CheckGobs", 0, 0);
  const int a = fixture_.AddMonster(monster_type::kGoblin, 5, 5, true);
  const int b = fixture_.AddMonster(monster_type::kGoblin, 7, 5, true);
  const int c = fixture_.AddMonster(27, 9, 5, true);
  Fire("CheckGobs");
  Fire("CheckGobs");
  EXPECT_EQ(Slot("CheckGobs").countdown, 10);
  for (int slot : {a, b, c}) EXPECT_EQ(game().world.level.Monster(slot).peaceful, 1);
  game().world.level.Monster(b).peaceful = 0;
  Fire("CheckGobs");
  for (int slot : {a, b, c}) EXPECT_EQ(game().world.level.Monster(slot).peaceful, 0) << slot;
  EXPECT_EQ(FindEvent(game(), "CheckGobs"), 0);
  // Elsewhere it goes away and leaves everybody as they are: the village is not the camp.
  Enter(1, 1);
  game().world.level.Monster(a).peaceful = 1;
  AddEvent(game(), "CheckGobs", 0, 0);
  Fire("CheckGobs");
  EXPECT_EQ(FindEvent(game(), "CheckGobs"), 0);
  EXPECT_EQ(game().world.level.Monster(a).peaceful, 1);
}

TEST_F(QuestCheckTest, CheckWitchNeverTurnsTheCurseBackAndGoesAwayElsewhere) {
  Enter(3, 3);
  AddEvent(game(), "CheckWitch", 0, 0);
  Quest(quest_entry::kWitch) = 100;
  Fire("CheckWitch");
  EXPECT_EQ(Quest(quest_entry::kWitch), 100);
  // Killed before the chief told of her: stage 0 moves on too.
  Quest(quest_entry::kWitch) = 0;
  Fire("CheckWitch");
  EXPECT_EQ(Quest(quest_entry::kWitch), 2);
  EXPECT_EQ(FindEvent(game(), "CheckWitch"), 0);
  AddEvent(game(), "CheckWitch", 0, 0);
  Enter(3, 2);
  Quest(quest_entry::kWitch) = 1;
  Fire("CheckWitch");
  EXPECT_EQ(FindEvent(game(), "CheckWitch"), 0);
  EXPECT_EQ(Quest(quest_entry::kWitch), 1) << "no witch on another level proves nothing";
}

TEST_F(QuestCheckTest, CheckAraWaitsAwayFromTheHallAndOpensItOnceArakusIsDead) {
  Enter(6, 5);
  Level& level = game().world.level;
  level.Cell(39, 16).feature = feature::kPortal;
  level.Cell(39, 23).params = {0, 0, 12, 34};
  Quest(quest_entry::kSwamp) = 1;
  AddEvent(game(), "CheckAra", 0, 1);
  Fire("CheckAra");
  EXPECT_EQ(level.Cell(39, 16).feature, feature::kPortal) << "Аракус lives";
  game().world.kill_counts[monster_type::kArakus] = 1;
  // Away from the hall (the hero fled up a level) nothing is written; the check waits.
  Enter(6, 4);
  Fire("CheckAra");
  EXPECT_EQ(Quest(quest_entry::kSwamp), 1);
  EXPECT_EQ(Slot("CheckAra").countdown, 10);
  Enter(6, 5);
  Fire("CheckAra");
  EXPECT_EQ(Quest(quest_entry::kSwamp), 2);
  EXPECT_EQ(level.Cell(39, 16).feature, feature::kNone);
  EXPECT_EQ(level.Cell(39, 23).feature, feature::kStairsUp);
  EXPECT_EQ(level.Cell(39, 23).params, (std::array<int16_t, 4>{6, 4, 12, 34}))
      << "the arrival is left as it was";
  EXPECT_EQ(FindEvent(game(), "CheckAra"), 0);
  EXPECT_EQ(Said("\"Я тебя на том свете достану!\""), 1);
}

TEST_F(QuestCheckTest, TombTrapOpensTheGolemRoomsOnlyInTheTombAndAlwaysGoesAway) {
  const Level& level = game().world.level;
  for (const int place : {2, 4}) {
    Enter(place, 1);
    AddEvent(game(), "TombTrap", 0, 0);
    Fire("TombTrap");
    EXPECT_EQ(FindEvent(game(), "TombTrap"), 0);
    EXPECT_EQ(Said("Ты в ловушке!!! (хе-хе-хе)"), place == 4 ? 1 : 0);
    EXPECT_EQ(level.Terrain(7, 15), place == 4 ? 'C' : 'A');
  }
  for (int x : {7, 15}) {
    for (int y : {15, 16, 17, 20, 21, 22}) EXPECT_EQ(level.Terrain(x, y), 'C') << x << "," << y;
    for (int y : {14, 18, 19, 23}) EXPECT_EQ(level.Terrain(x, y), 'A') << x << "," << y;
  }
  for (int x = 9; x <= 13; ++x) EXPECT_EQ(level.Terrain(x, 25), x == 9 || x == 13 ? 'A' : 'C') << x;
}

}  // namespace
}  // namespace zaldrun
