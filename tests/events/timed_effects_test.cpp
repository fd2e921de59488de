// The one-shot timed effects: each undoes its change with its message, hides its label and
// removes its own slot without making the turn cycle skip the slot that moves into its place.
#include "events/timed_effects.hpp"

#include <gtest/gtest.h>

#include "model/world_ops.hpp"
#include "usage/use_game.hpp"

namespace zaldrun {
namespace {

using testing::Said;
using testing::UseGame;

// Fires the handler from slot 1 as the turn cycle does, with a second event after it.
void FireFirst(Game& game, void (*handler)(Game&)) {
  game.control.current_slot = 1;
  handler(game);
}

TEST(TimedEffects, EachUndoesItsChangeWithItsMessage) {
  struct Case {
    const char* name;
    void (*handler)(Game&);
    int parameter;
    void (*prepare)(Game&);
    const char* message;
    bool (*undone)(const Game&);
  };
  const Case cases[] = {
      {"RemSpeed", RemSpeed, 25, [](Game& g) { g.world.hero.speed_bonus = 25; },
       "Твоя скорость становится нормальной.",
       [](const Game& g) { return g.world.hero.speed_bonus == 0; }},
      {"RemParIm", RemParIm, 15, [](Game& g) { g.world.hero.paralysis_resistance = 15; },
       "Ты почувствовал усталость.",
       [](const Game& g) { return g.world.hero.paralysis_resistance == 0; }},
      {"RemFireRes", RemFireRes, 7, [](Game& g) { g.world.hero.resistance_bonus[5] = 7; },
       "Ты на мгновение почувствовал жар.",
       [](const Game& g) { return g.world.hero.resistance_bonus[5] == 0; }},
      {"RemColdRes", RemColdRes, 7, [](Game& g) { g.world.hero.resistance_bonus[6] = 7; },
       "Тебя внезапно охватил озноб.",
       [](const Game& g) { return g.world.hero.resistance_bonus[6] == 0; }},
      {"SoftSkin", SoftSkin, 2, [](Game& g) { g.world.hero.resistance_bonus.fill(2); },
       "Твоя кожа вернулась к нормальному состоянию.",
       [](const Game& g) {
         const auto& r = g.world.hero.resistance_bonus;
         return r[1] == 0 && r[3] == 0 && r[4] == 2 && r[8] == 0 && r[9] == 2;
       }},
      {"UnBless", UnBless, 3,
       [](Game& g) {
         g.world.hero.defence_bonus = 3;
         g.world.hero.attack.to_hit = {3, 3, 3};
         g.view.labels.Set(Condition::kBlessed, true);
       },
       "Свечение вокруг тебя исчезло.",
       [](const Game& g) {
         return g.world.hero.defence_bonus == 0 && g.world.hero.attack.to_hit[2] == 0 &&
                !g.view.labels.Has(Condition::kBlessed);
       }},
      {"RemWeak", RemWeak, 5,
       [](Game& g) {
         g.world.hero.attributes.temporary_b[0] = -5;
         g.view.labels.Set(Condition::kWeak, true);
       },
       "Твоя сила возвращается к тебе.",
       [](const Game& g) {
         return g.world.hero.Current(0) == 35 && !g.view.labels.Has(Condition::kWeak);
       }},
      {"RemConfuse", RemConfuse, 0, [](Game& g) { g.view.labels.Set(Condition::kConfused, true); },
       "Ты снова можешь ясно мыслить.",
       [](const Game& g) { return !g.view.labels.Has(Condition::kConfused); }},
      {"RaiseAtr", RaiseAtr, 23, [](Game&) {}, "Твои движения становятся более быстрыми.",
       [](const Game& g) { return g.world.hero.Current(3) == 37; }},
      {"DrainAtr", DrainAtr, 10, [](Game&) {}, "Ты чувствуешь себя слабее.",
       [](const Game& g) {
         const Attributes& at = g.world.hero.attributes;
         return at.natural[0] == 35 && at.temporary_a[0] == -1 && g.world.hero.Current(0) == 34;
       }},
      {"Rvota", Rvota, 300,
       [](Game& g) {
         g.world.hero.satiation = 3000;
         g.world.hero.poison = 5;
         g.view.labels.Set(Condition::kPoisoned, true);
       },
       "Тебя внезапно вырвало.",
       [](const Game& g) {
         return g.world.hero.satiation == 2700 && g.world.hero.poison == 0 &&
                !g.view.labels.Has(Condition::kPoisoned);
       }},
  };
  for (const Case& c : cases) {
    UseGame u;
    Game& game = u.game();
    c.prepare(game);
    AddEvent(game, c.name, 0, c.parameter);
    AddEvent(game, "Regen", 5, 1);
    FireFirst(game, c.handler);
    EXPECT_TRUE(Said(game, c.message)) << c.name;
    EXPECT_TRUE(c.undone(game)) << c.name;
    EXPECT_EQ(game.world.event_count, 1) << c.name;
    EXPECT_EQ(game.world.events[1].name, "Regen") << c.name;
    EXPECT_EQ(game.control.current_slot, 0) << c.name << ": the next step lands on slot 1";
  }
}

}  // namespace
}  // namespace zaldrun
