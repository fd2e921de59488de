#include "events/heartbeat.hpp"

#include <gtest/gtest.h>

#include "engine/condition.hpp"
#include "model/world_ops.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

const std::vector<std::string> kRoom = {"AAAA", "A@CA", "AAAA"};

// Runs the handler from its own slot, as the turn cycle does.
void Fire(Game& game, void (*handler)(Game&), const char* name) {
  game.control.current_slot = static_cast<int16_t>(FindEvent(game, name));
  handler(game);
}

TEST(Heartbeat, RegenerationRatesReArmTheEvent) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  game.world.hero.max_hp = 50;
  game.world.hero.hp = 10;
  AddEvent(game, "Regen", 0, 1);
  struct Case {
    int rate;
    int countdown;
    int parameter;
  };
  for (const Case& c : {Case{20, 20, 1}, Case{0, 1, 1}, Case{-25, 1, 4}, Case{-5, 1, 2}}) {
    game.world.hero.regen_rate = static_cast<int16_t>(c.rate);
    Fire(game, Regen, "Regen");
    EXPECT_EQ(game.world.events[1].countdown, c.countdown) << c.rate;
    EXPECT_EQ(game.world.events[1].parameter, c.parameter) << c.rate;
  }
  EXPECT_EQ(game.world.hero.hp, 10 + 1 + 1 + 1 + 4) << "each firing heals by the parameter it had";
}

TEST(Heartbeat, PoisonHurtsInsteadOfHealing) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  game.world.hero.max_hp = 50;
  game.world.hero.hp = 30;
  game.world.hero.poison = 10;
  game.view.labels.Set(Condition::kPoisoned, true);
  AddEvent(game, "Regen", 0, 1);
  ASSERT_TRUE(fixture.Keys("{Space}").Act([](Game& g) { Fire(g, Regen, "Regen"); }));
  EXPECT_EQ(game.world.hero.poison, 6);
  EXPECT_EQ(game.world.hero.hp, 26) << "dose 4, no resistance: 4 hit points";
  EXPECT_EQ(game.control.end_reason, end_reason::kPoison);
  EXPECT_TRUE(game.view.labels.Has(Condition::kPoisoned));
  game.world.hero.poison = 3;
  game.world.hero.poison_resistance = 25;  // more than enough: no harm, and no healing either
  ASSERT_TRUE(fixture.Keys("{Space}").Act([](Game& g) { Fire(g, Regen, "Regen"); }));
  EXPECT_EQ(game.world.hero.hp, 26);
  EXPECT_EQ(game.world.hero.poison, 0);
  EXPECT_FALSE(game.view.labels.Has(Condition::kPoisoned));
}

TEST(Heartbeat, ConsumptionUsesFoodByTheHungerRate) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  game.world.hero.satiation = 3000;
  AddEvent(game, "Consumption", 0, 1);
  Fire(game, Consumption, "Consumption");
  EXPECT_EQ(game.world.hero.satiation, 2980);
  EXPECT_EQ(game.world.events[1].countdown, 50);
  game.world.hero.hunger_rate = 2.0f;
  Fire(game, Consumption, "Consumption");
  EXPECT_EQ(game.world.hero.satiation, 2940);
}

}  // namespace
}  // namespace zaldrun
