#include "engine/turn.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/monsters_on_level.hpp"
#include "field/field.hpp"
#include "model/world_ops.hpp"
#include "records/game_enums.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

const std::vector<std::string> kField = {"AAAAAAAAAA", "ACCCCCCCCA", "ACCCC@CCCA", "ACCCCCCCCA",
                                         "AAAAAAAAAA"};

// Event handlers that record their calls.
std::vector<std::string> g_calls;
void Ping(Game& game) { g_calls.push_back("Ping " + std::to_string(game.control.current_slot)); }
void Rearm(Game& game) {
  g_calls.push_back("Rearm");
  game.world.events[static_cast<size_t>(game.control.current_slot)].countdown = 10;
}
void Vanish(Game& game) {
  g_calls.push_back("Vanish");
  RemoveEvent(game, game.control.current_slot);  // without stepping back: the next slot is skipped
}
void Killer(Game& game) { game.control.prompt_state = prompt::kGameOver; }
constexpr std::array<RegistryEntry<void (*)(Game&)>, 4> kEvents = {
    {{"Killer", Killer}, {"Ping", Ping}, {"Rearm", Rearm}, {"Vanish", Vanish}}};
constexpr Registry<void (*)(Game&)> kEventRegistry(kEvents);

// A behaviour that records its call and spends energy; one that removes the monster before it.
void Act(Game& game, int slot) {
  g_calls.push_back("Act " + std::to_string(game.world.level.Monster(slot).type) + " " +
                    std::to_string(game.world.level.Monster(slot).energy));
  game.world.level.Monster(slot).energy = 0;
}
constexpr std::array<RegistryEntry<void (*)(Game&, int)>, 1> kBehaviours = {{{"StndAI", Act}}};
constexpr Registry<void (*)(Game&, int)> kBehaviourRegistry(kBehaviours);

class TurnTest : public ::testing::Test {
 protected:
  TurnTest() : fixture_(kField) {
    game().session.event_handlers = &kEventRegistry;
    game().session.behaviours = &kBehaviourRegistry;
    // The monster types these tests use all behave by "StndAI".
    game().data.monsters.loaded = true;
    for (auto& record : game().data.monsters.records) record.behaviour = "StndAI";
    g_calls.clear();
  }
  Game& game() { return fixture_.game(); }
  GameFixture fixture_;
};

TEST_F(TurnTest, SpeedTurnsCostIntoElapsedTimeWithACarryAndBelowOneCountsAsOne) {
  game().world.hero.speed_base = 150;
  const int expected[][2] = {{7, 50}, {7, 100}, {6, 0}};
  for (const auto& [elapsed, carry] : expected) {
    AdvanceTime(game(), 1000);
    EXPECT_EQ(game().world.hero.last_action_time, elapsed);
    EXPECT_EQ(game().world.hero.time_carry, carry);
  }
  game().world.hero.speed_base = 100;
  AdvanceTime(game(), 1000);
  EXPECT_EQ(game().world.hero.last_action_time, 10);
  EXPECT_EQ(game().world.hero.time_carry, 0);

  game().world.hero.speed_base = 0;
  game().world.hero.speed_bonus = -50;
  AdvanceTime(game(), 5);
  EXPECT_EQ(game().world.hero.last_action_time, 5);
}

TEST_F(TurnTest, ACostBelowTheCarryPassesNoTimeButStillRunsThePasses) {
  game().world.hero.speed_base = 150;
  game().world.hero.time_carry = 50;
  AddEvent(game(), "Ping", 0, 0);
  fixture_.AddMonster(3, 2, 2);
  AdvanceTime(game(), 30);
  EXPECT_EQ(game().world.hero.last_action_time, 0);
  EXPECT_EQ(game().world.hero.time_carry, 0);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"Ping 1", "Act 3 0"}));
  EXPECT_EQ(game().world.events[1].countdown, 0);
}

TEST_F(TurnTest, ExpiredEventsFireUntilRearmedAndRemovalSkipsTheNext) {
  AddEvent(game(), "Rearm", 5, 0);
  AddEvent(game(), "Vanish", 10, 0);
  AddEvent(game(), "Ping", 100, 0);
  AdvanceTime(game(), 1000);  // elapsed 10
  EXPECT_EQ(g_calls, (std::vector<std::string>{"Rearm", "Vanish"}));
  EXPECT_EQ(game().world.event_count, 2);
  EXPECT_EQ(game().world.events[2].countdown, 100)
      << "the slot that moved up was skipped this pass";
  AdvanceTime(game(), 1000);
  EXPECT_EQ(game().world.events[2].countdown, 90);
}

TEST_F(TurnTest, MonstersGainEnergyOrWaitOutTheirDelay) {
  const int slot = fixture_.AddMonster(3, 2, 2);
  game().world.level.Monster(slot).action_delay = 3;
  AdvanceTime(game(), 500);  // elapsed 5
  EXPECT_TRUE(g_calls.empty());
  EXPECT_EQ(game().world.level.Monster(slot).action_delay, -2);
  AdvanceTime(game(), 500);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"Act 3 500"}));
}

TEST_F(TurnTest, ARegeneratingMonsterHealsOnePointUpToItsMaximum) {
  game().data.monsters.records[5].flags = monster_flag::kRegenerates;
  struct Case {
    int hp;
    int expected;
  } cases[] = {{5, 6}, {10, 10}, {14, 10}};  // maximum 10; vodka may have lifted it above
  for (const Case& c : cases) {
    const int slot = fixture_.AddMonster(5, 2, 2);
    game().world.level.Monster(slot).hp = static_cast<int16_t>(c.hp);
    AdvanceTime(game(), 1000);
    EXPECT_EQ(game().world.level.Monster(slot).hp, c.expected) << "from " << c.hp;
    RemoveMonster(game(), slot);
  }
}

TEST_F(TurnTest, ParalysisPlaysOutInStepsOfTen) {
  for (int paralysis : {25, 10}) {
    g_calls.clear();
    AddEvent(game(), "Ping", -100, 0);  // fires in every turn body
    game().world.hero.paralysis_time = static_cast<int16_t>(paralysis);
    game().view.message_line.clear();
    AdvanceTime(game(), 1000);
    EXPECT_EQ(g_calls.size(), paralysis == 25 ? 4u : 2u);
    EXPECT_EQ(game().view.labels.time_figures[0], paralysis == 25 ? "5" : "10");
    EXPECT_EQ(game().world.hero.paralysis_time, 0);
    EXPECT_EQ(game().view.message_line, " Ты снова можешь двигаться.");
    EXPECT_FALSE(game().view.labels.Has(Condition::kParalyzed));
    RemoveEvent(game(), 1);
  }
}

TEST_F(TurnTest, DeathStopsTimeAndParalysis) {
  AddEvent(game(), "Killer", 0, 0);
  game().world.hero.paralysis_time = 50;
  AdvanceTime(game(), 1000);
  EXPECT_TRUE(game().GameOver());
  EXPECT_EQ(game().world.hero.paralysis_time, 50) << "no paralysis turn after death";
  game().world.hero.last_action_time = 77;
  AdvanceTime(game(), 1000);
  EXPECT_EQ(game().world.hero.last_action_time, 77);
}

TEST_F(TurnTest, TheMonsterPassNeitherSkipsNorRepeatsAfterARemoval) {
  // The first monster's behaviour removes it; the second must still act, once.
  static int remove_first = 0;
  struct Remover {
    static void Run(Game& game, int slot) {
      g_calls.push_back("Act " + std::to_string(game.world.level.Monster(slot).type));
      if (remove_first-- > 0) RemoveMonster(game, slot);
    }
  };
  static constexpr std::array<RegistryEntry<void (*)(Game&, int)>, 1> kRemoving = {
      {{"StndAI", Remover::Run}}};
  static constexpr Registry<void (*)(Game&, int)> kRemovingRegistry(kRemoving);
  game().session.behaviours = &kRemovingRegistry;
  fixture_.AddMonster(1, 2, 2);
  fixture_.AddMonster(2, 3, 2);
  fixture_.AddMonster(3, 4, 2);
  remove_first = 1;
  AdvanceTime(game(), 1000);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"Act 1", "Act 2", "Act 3"}));
  EXPECT_EQ(game().world.level.monster_count, 2);
}

TEST_F(TurnTest, UnknownHandlersAreReportedOnceAndSkipped) {
  AddEvent(game(), "NoSuchThing", 0, 0);
  AdvanceTime(game(), 1000);
  AdvanceTime(game(), 1000);
  const auto log = fixture_.LogLines();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log[0].find("NoSuchThing"), std::string::npos);
}

// Behaviours are looked up once per type, and again when the table changes: each monster acts
// by its own type's, and a type without one is reported once and skipped.
TEST_F(TurnTest, EachTypeActsByItsOwnBehaviourLookedUpAgainWhenTheTableChanges) {
  struct Flier {
    static void Run(Game& game, int slot) {
      g_calls.push_back("Fly " + std::to_string(game.world.level.Monster(slot).type));
      game.world.level.Monster(slot).energy = 0;
    }
  };
  static constexpr std::array<RegistryEntry<void (*)(Game&, int)>, 2> kBoth = {
      {{"Fly", Flier::Run}, {"StndAI", Act}}};
  static constexpr Registry<void (*)(Game&, int)> kBothRegistry(kBoth);
  game().data.monsters.records[2].behaviour = "Fly";
  game().data.monsters.records[3].behaviour = "NoSuch";
  for (int type = 1; type <= 3; ++type) fixture_.AddMonster(type, 1 + type, 2);
  AdvanceTime(game(), 1000);
  game().session.behaviours = &kBothRegistry;
  AdvanceTime(game(), 1000);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"Act 1 1000", "Act 1 1000", "Fly 2"}));
  const auto log = fixture_.LogLines();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_NE(log[0].find("\"Fly\""), std::string::npos);
  EXPECT_NE(log[1].find("\"NoSuch\""), std::string::npos);
}

TEST_F(TurnTest, SightIsThreeOnTheOverworld) {
  game().world.current_place = kOverworldPlace;
  game().world.current_level = kOverworldLevel;
  game().world.hero.sight_radius = 20;
  for (auto& row : game().world.level.terrain) row.fill('Q');
  Clear(game());
  AdvanceTime(game(), 1000);
  EXPECT_EQ(game().world.level.Cell(5 + 3, 2).seen, 1);
  EXPECT_EQ(game().world.level.Cell(5 + 4, 2).seen, 0);
}

}  // namespace
}  // namespace zaldrun
