// The potions' effect handlers, family by family: their messages, what they do to the hero, the
// timed effects they schedule and prolong, and the knowledge they teach.
#include <gtest/gtest.h>

#include "events/timed_effects.hpp"
#include "items/hero_attributes.hpp"
#include "model/world_ops.hpp"
#include "use_game.hpp"

namespace zaldrun {
namespace {

using testing::ItemWith;
using testing::Said;
using testing::UseAs;
using testing::UseGame;

TEST(PotionEffects, EachShowsItsMessageAndDoesItsEffect) {
  struct Case {
    const char* handler;
    uint8_t blessing;
    void (*prepare)(Hero&);
    const char* message;
    bool (*effect)(const Game&);
  };
  const Case cases[] = {
      {"pHeal", 1, [](Hero& h) { h.hp = 1; }, "Твои раны залечиваются.",
       [](const Game& g) { return g.world.hero.hp == g.world.hero.max_hp; }},
      {"pHealEx", 2, [](Hero& h) { h.hp = 1; }, "Твоё здоровье улучшается!",
       [](const Game& g) {
         return g.world.hero.max_hp > 30 && g.world.hero.hp == g.world.hero.max_hp;
       }},
      {"pCurePoison", 1, [](Hero& h) { h.poison = 150; }, "Действие яда ослабевает.",
       [](const Game& g) { return g.world.hero.poison == 60; }},
      {"pCurePoison", 2, [](Hero& h) { h.poison = 150; }, "Действие яда прекратилось!",
       [](const Game& g) {
         return g.world.hero.poison == 0 && !g.view.labels.Has(Condition::kPoisoned);
       }},
      {"pCurePoison", 1, [](Hero&) {}, "Ничего не происходит.", [](const Game&) { return true; }},
      {"qVodka", 1, [](Hero& h) { h.hp = h.max_hp = 100; }, "Эта водка отравлена!",
       [](const Game& g) { return g.world.hero.hp <= 85 && g.world.hero.hp >= 56; }},
      {"BoostSpeed", 1, [](Hero&) {}, "Твоя скорость увеличивается!",
       [](const Game& g) {
         return g.world.hero.speed_bonus == 25 && FindEvent(g, "RemSpeed") > 0;
       }},
      {"BoostSpeed", 2, [](Hero&) {}, "Твоя скорость значительно увеличивается!",
       [](const Game& g) { return g.world.hero.speed_bonus == 50; }},
      {"BoostSpeed", 0, [](Hero& h) { h.speed_base = 50; }, "Ничего не происходит.",
       [](const Game& g) { return g.world.hero.speed_bonus == 0; }},
      {"ParalyzWard", 1, [](Hero&) {}, "Ты чувствуешь себя очень гибким и бодрым!",
       [](const Game& g) { return g.world.hero.paralysis_resistance == 15; }},
      {"IncrFireRes", 2, [](Hero&) {}, "Ты чувствуешь себя огнеупорным!",
       [](const Game& g) { return g.world.hero.resistance_bonus[damage_kind::kFire] == 20; }},
      {"IncrColdRes", 0, [](Hero&) {}, "Ты чувствуешь себя нечувствительным к холоду!",
       [](const Game& g) { return g.world.hero.resistance_bonus[damage_kind::kCold] == 7; }},
      {"Paralyze", 1, [](Hero&) {}, "Ты внезапно потерял возможность двигаться!",
       [](const Game& g) {  // the paralysis passes within the potion's time; the type is learned
         const int type = testing::TypeWithHandler(g, "Paralyze");
         return g.world.item_types[static_cast<size_t>(type)].knowledge == 1;
       }},
      {"Recovery", 1, [](Hero&) {}, "Ничего не происходит.", [](const Game&) { return true; }},
      {"pRawMana", 1, [](Hero&) {}, "Пить это зелье бесполезно, т.к. магию я ещё не добавил.",
       [](const Game&) { return true; }},
      {"IncrRegen", 2, [](Hero&) {}, "Твоя кровь начинает течь быстрее.",
       [](const Game& g) { return g.world.hero.regen_rate == 200 - 25; }},
      {"IncrRegen", 0, [](Hero&) {}, "Твоя кровь начинает течь медленнее.",
       [](const Game& g) { return g.world.hero.regen_rate == 200 + 12; }},
      {"qWater", 1, [](Hero&) {}, "Обычная вода", [](const Game&) { return true; }},
      {"qWater", 0, [](Hero&) {}, "Ты чувствуешь, что что-то с тобой не так.",
       [](const Game& g) { return g.world.hero.fortune < 0; }},
  };
  for (const Case& c : cases) {
    UseGame u;
    c.prepare(u.hero());
    u.hero().speed_base = u.hero().speed_base > 50 ? u.hero().speed_base : 50;
    UseAs(u.game(), ItemWith(u.game(), c.handler, c.blessing));
    EXPECT_TRUE(Said(u.game(), c.message)) << c.handler << " " << int(c.blessing);
    EXPECT_TRUE(c.effect(u.game())) << c.handler << " " << int(c.blessing);
  }
}

TEST(PotionEffects, ResistanceIsProlongedAndSaturates) {
  UseGame u;
  Game& game = u.game();
  UseAs(game, ItemWith(game, "IncrFireRes", 1));
  UseAs(game, ItemWith(game, "IncrFireRes", 1));
  EXPECT_EQ(u.hero().resistance_bonus[damage_kind::kFire], 14) << "the second only prolongs";
  const int slot = FindEvent(game, "RemFireRes");
  ASSERT_GT(slot, 0);
  EXPECT_EQ(game.world.events[static_cast<size_t>(slot)].parameter, 14);
  game.world.events[static_cast<size_t>(slot)].countdown = 32700;
  UseAs(game, ItemWith(game, "IncrFireRes", 2));
  // Saturated at the largest countdown, less the time the potion took; never wrapped round.
  EXPECT_GT(game.world.events[static_cast<size_t>(FindEvent(game, "RemFireRes"))].countdown, 32000);
}

TEST(PotionEffects, DispelAndRecoveryUndoWhatLasts) {
  UseGame u;
  Game& game = u.game();
  UseAs(game, ItemWith(game, "BoostSpeed", 2));
  for (int i = 0; i < 20 && FindEvent(game, "RemSpeed") > 0; ++i) {
    UseAs(game, ItemWith(game, "pDispel", 2));
  }
  EXPECT_TRUE(Said(game, "Вокруг тебя появляются серые искры."));
  EXPECT_EQ(FindEvent(game, "RemSpeed"), 0);
  EXPECT_EQ(u.hero().speed_bonus, 0);
  EXPECT_TRUE(Said(game, "Твоя скорость становится нормальной."));

  u.hero().attributes.temporary_b[attribute::kDexterity] = -5;
  ReapplyAttribute(game, attribute::kDexterity);
  UseAs(game, ItemWith(game, "Recovery", 1));
  EXPECT_EQ(u.hero().Current(attribute::kDexterity), 35);
}

TEST(PotionEffects, RecoveryAndBlueberryGiveBackWhatDrainsTookAndNoMore) {
  for (const char* handler : {"Recovery", "hDarkB"}) {
    UseGame u;
    Game& game = u.game();
    DrainAttribute(game, attribute::kWill, 3);  // as a bitter herb's "DrainAtr" does
    ASSERT_EQ(u.hero().Current(attribute::kWill), 32);
    UseAs(game, ItemWith(game, handler, 1));
    EXPECT_EQ(u.hero().Current(attribute::kWill), 35) << handler;
    EXPECT_TRUE(Said(game, "Ты становишься уверенней.")) << handler;
  }
  // A weakness ended by the potion is not given back a second time by its expiry.
  UseGame u;
  Game& game = u.game();
  u.hero().attributes.temporary_b[attribute::kStrength] = -14;
  ReapplyAttribute(game, attribute::kStrength);
  AddEvent(game, "RemWeak", 500, 14);
  UseAs(game, ItemWith(game, "Recovery", 1));
  EXPECT_EQ(u.hero().Current(attribute::kStrength), 35);
  EXPECT_EQ(FindEvent(game, "RemWeak"), 0);
  AddEvent(game, "RemWeak", 0, 14);  // an expiry still due from before, as an old save may hold
  game.control.current_slot = static_cast<int16_t>(FindEvent(game, "RemWeak"));
  RemWeak(game);
  EXPECT_EQ(u.hero().Current(attribute::kStrength), 35) << "no strength from nowhere";
}

}  // namespace
}  // namespace zaldrun
