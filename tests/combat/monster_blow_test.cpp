#include "combat/monster_blow.hpp"

#include <gtest/gtest.h>

#include <string>

#include "creatures/monster_table.hpp"
#include "items/hero_attributes.hpp"
#include "items/pack.hpp"
#include "records/game_enums.hpp"
#include "support/game_fixture.hpp"
#include "support/open_room.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kRat = 1;      // "Крыса", feminine, bites for 1..3, attack cost 800
constexpr int kSpider = 3;   // "Пещерный паук", masculine, poisonous
constexpr int kWraith = 17;  // "Умертвие", neuter, touches with dark energy

class MonsterBlowTest : public ::testing::Test {
 protected:
  MonsterBlowTest() : fixture_(testing::OpenRoom(8, 5, 2, 2)) {
    Hero& hero = game().world.hero;
    hero.hp = hero.max_hp = 30000;
    hero.defence = 0;
  }
  Game& game() { return fixture_.game(); }
  MonsterTypeRecord& Type(int type) {
    return game().data.monsters.records[static_cast<size_t>(type)];
  }
  // A monster of `type` beside the hero that always hits (or, with `misses`, never does).
  int Beside(int type, bool misses = false) {
    const int slot = CreateMonster(game(), 3, 2, type, 0, 0);
    game().world.level.Monster(slot).attack = misses ? 0 : 1000;
    return slot;
  }
  // A rat beside the hero whose every hit drains `attribute`, wearing its counter down by `strength`.
  int DrainingRat(int attribute, int strength) {
    MonsterTypeRecord& rat = Type(kRat);
    rat.flags = monster_flag::kDrainsAttribute;
    rat.on_hit_chance = 200;
    rat.on_hit_attribute = static_cast<int16_t>(attribute);
    rat.on_hit_low = rat.on_hit_high = static_cast<int16_t>(strength);
    return Beside(kRat);
  }
  // One blow, shown on a fresh message line.
  void Blow(int slot, int kind) {
    game().view.message_line.clear();
    MonsterMeleeBlow(game(), slot, 0, kind);
  }
  // Blows until the message line ends in `text`; false after 60 blows.
  bool BlowShows(int slot, int kind, const std::string& text) {
    for (int i = 0; i < 60; ++i) {
      game().view.message_line.clear();
      MonsterMeleeBlow(game(), slot, 0, kind);
      if (game().view.message_line == " " + text) return true;
    }
    return false;
  }

  GameFixture fixture_;
};

// The texts in every gender are grammar_test's; here a miss costs the blow and does no harm.
TEST_F(MonsterBlowTest, AMissCostsTheAttackAndHarmsNothing) {
  const int slot = Beside(kRat, true);
  game().world.level.Monster(slot).energy = 1000;
  Blow(slot, 2);
  EXPECT_EQ(game().view.message_line, " Крыса промахнулась по тебе.");
  EXPECT_EQ(game().world.level.Monster(slot).energy, 1000 - MonsterTypeConstants(kRat).attack_cost);
  EXPECT_EQ(game().world.hero.hp, 30000);
}

TEST_F(MonsterBlowTest, HitsPlainAndCriticalAndTheirDamage) {
  Type(kRat).damage_low[0] = Type(kRat).damage_high[0] = 3;
  const int slot = Beside(kRat);
  int plain = 0;
  int pierced = 0;
  for (int i = 0; i < 200; ++i) {
    game().view.message_line.clear();
    const int hp = game().world.hero.hp;
    MonsterMeleeBlow(game(), slot, 0, 2);
    if (game().view.message_line == " Крыса укусила тебя. (3)") {
      ++plain;
      EXPECT_EQ(game().world.hero.hp, hp - 3);
    } else {
      // A critical blow of a type that does not pierce armour pierces it this once.
      EXPECT_EQ(game().view.message_line, " Крыса пробила сквозь твою броню и укусила тебя. (4)");
      EXPECT_EQ(game().world.hero.hp, hp - 4);
      ++pierced;
    }
  }
  EXPECT_GT(plain, 0);
  EXPECT_GT(pierced, 0);
  EXPECT_EQ(game().control.killer_type, kRat);
  EXPECT_TRUE(BlowShows(slot, 6, "Крыса ударила тебя. (3)")) << "kind 6 speaks as kind 1";
}

TEST_F(MonsterBlowTest, ArmourTurnsBlowsIntoNoHarmAndElementsSpeak) {
  game().world.hero.resistance_base[2] = 100;
  const int rat = Beside(kRat);
  EXPECT_TRUE(BlowShows(rat, 2, "Крыса укусила тебя, но не причинила никаких повреждений."));

  game().world.level.monster_count = 0;
  game().world.level.Cell(3, 2).monster = 0;
  Type(kWraith).flags = 0;  // no draining here
  Type(kWraith).damage_low[0] = Type(kWraith).damage_high[0] = 5;
  const int wraith = Beside(kWraith);
  EXPECT_TRUE(
      BlowShows(wraith, 5, "Умертвие прикоснулось к тебе. Тебя ударило тёмной энергией! (5)"));
}

TEST_F(MonsterBlowTest, TheWardTurnsAsideOnlyConjuredCreatures) {
  game().world.hero.ward = 20;
  Type(kRat).damage_low[0] = Type(kRat).damage_high[0] = 3;
  const int slot = Beside(kRat);
  game().world.level.Monster(slot).creation_flag = 1;
  game().view.message_line.clear();
  MonsterMeleeBlow(game(), slot, 0, 2);
  EXPECT_EQ(game().view.message_line,
            " Крыса попыталась укусить тебя, но наткнулась на какую-то невидимую преграду.");
  EXPECT_EQ(game().world.hero.hp, 30000);
  game().world.level.Monster(slot).creation_flag = 0;
  MonsterMeleeBlow(game(), slot, 0, 2);
  EXPECT_LT(game().world.hero.hp, 30000);
}

TEST_F(MonsterBlowTest, PoisonAddsWhatTheResistanceLeaves) {
  Type(kSpider).on_hit_chance = 200;  // every hit poisons
  const int slot = Beside(kSpider);
  Hero& hero = game().world.hero;
  hero.poison_resistance = 10;  // above the strongest dose of 6
  for (int i = 0; i < 5; ++i) Blow(slot, 2);
  EXPECT_EQ(hero.poison, 0) << "a resisted dose never cures";
  EXPECT_EQ(game().view.message_line.find("Ты отравлен!"), std::string::npos);
  EXPECT_FALSE(game().view.labels.Has(Condition::kPoisoned));

  hero.poison_resistance = 0;
  game().view.message_line.clear();
  MonsterMeleeBlow(game(), slot, 0, 2);
  EXPECT_GE(hero.poison, 3);
  EXPECT_LE(hero.poison, 6);
  EXPECT_NE(game().view.message_line.find("Ты отравлен!"), std::string::npos);
  EXPECT_TRUE(game().view.labels.Has(Condition::kPoisoned));
  EXPECT_EQ(game().control.poisoner_type, kSpider);
}

TEST_F(MonsterBlowTest, ParalysisIsNotExtendedAndResisted) {
  MonsterTypeRecord& rat = Type(kRat);
  rat.flags = monster_flag::kParalysing;
  rat.on_hit_chance = 200;
  rat.on_hit_low = rat.on_hit_high = 40;
  const int slot = Beside(kRat);
  Hero& hero = game().world.hero;
  MonsterMeleeBlow(game(), slot, 0, 2);
  EXPECT_EQ(hero.paralysis_time, 40);
  EXPECT_NE(game().view.message_line.find("Ты парализован!"), std::string::npos);
  hero.paralysis_time = 3;
  MonsterMeleeBlow(game(), slot, 0, 2);
  EXPECT_EQ(hero.paralysis_time, 3) << "a paralysed hero is not paralysed longer";

  // A resistance of 10 turns half of the hits aside and halves the rest.
  hero.paralysis_time = 0;
  hero.paralysis_resistance = 10;
  for (int i = 0; i < 40 && hero.paralysis_time == 0; ++i) Blow(slot, 2);
  EXPECT_EQ(hero.paralysis_time, 20);
  hero.paralysis_time = 0;
  hero.paralysis_resistance = 20;
  for (int i = 0; i < 20; ++i) Blow(slot, 2);
  EXPECT_EQ(hero.paralysis_time, 0);
}

TEST_F(MonsterBlowTest, DrainWearsTheCounterDownToALostPoint) {
  const int slot = DrainingRat(attribute::kDexterity, 400);
  Attributes& attributes = game().world.hero.attributes;
  attributes.natural[attribute::kDexterity] = 40;
  MonsterMeleeBlow(game(), slot, 0, 2);
  EXPECT_EQ(attributes.extra[attribute::kDexterity], -400);
  EXPECT_EQ(attributes.natural[attribute::kDexterity], 40);
  ASSERT_TRUE(fixture_.Keys(" ").Act([&](Game& g) { MonsterMeleeBlow(g, slot, 0, 2); }));
  EXPECT_EQ(attributes.extra[attribute::kDexterity], 200) << "-800 + 1000";
  EXPECT_EQ(attributes.natural[attribute::kDexterity], 40) << "the loss is kept apart";
  EXPECT_EQ(attributes.temporary_a[attribute::kDexterity], -1);
  EXPECT_EQ(attributes.current[attribute::kDexterity], 39);
  EXPECT_EQ(fixture_.LogLines().back(), "Твои движения становятся более неуклюжими.");
}

TEST_F(MonsterBlowTest, AStrengthDrainReweighsTheBurdenAndTheBlows) {
  const int slot = DrainingRat(attribute::kStrength, 700);
  Hero& hero = game().world.hero;
  hero.attributes.natural[attribute::kStrength] = 15;
  ReapplyAttribute(game(), attribute::kStrength);
  ChangeBurden(game(), hero.max_weight - hero.carried_weight);  // all strength 15 may carry
  ASSERT_NE(hero.burden, burden::kOverburdened);
  const size_t fist = AttackProfile::Component(hand::kRight, 0);
  ASSERT_EQ(hero.attack.damage_high[fist], 2);
  ASSERT_TRUE(fixture_.Keys(" ").Act([&](Game& g) { MonsterMeleeBlow(g, slot, 0, 2); }));
  EXPECT_EQ(hero.Current(attribute::kStrength), 14);
  EXPECT_EQ(hero.burden, burden::kOverburdened);
  EXPECT_EQ(hero.attack.damage_high[fist], 1) << "Round(1.4): the fist weakens at once";
}

TEST_F(MonsterBlowTest, AKillingBlowEndsTheGameAndNamesTheKiller) {
  Type(kRat).damage_low[0] = Type(kRat).damage_high[0] = 50;
  game().world.hero.hp = 10;
  const int slot = Beside(kRat);
  fixture_.Keys("  ");  // the more-mark before the death, and the death
  ASSERT_TRUE(fixture_.Act([&](Game& g) { MonsterMeleeBlow(g, slot, 0, 2); }));
  EXPECT_TRUE(game().GameOver()) << game().view.message_line;
  EXPECT_EQ(game().control.killer_type, kRat);
  EXPECT_EQ(game().control.end_reason, 2);
}

}  // namespace
}  // namespace zaldrun
