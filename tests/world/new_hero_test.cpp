#include "world/new_hero.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/skills.hpp"
#include "model/game.hpp"
#include "records/hero_tables.hpp"

namespace zaldrun {
namespace {

std::unique_ptr<Game> NewHero(int race, int hero_class, int weapon = 1, int missile = 0,
                              uint64_t seed = 1) {
  auto game = std::make_unique<Game>();
  game->random.Seed(seed);
  SetUpNewHero(*game, HeroChoice{static_cast<uint8_t>(race), static_cast<uint8_t>(hero_class),
                                 static_cast<uint8_t>(weapon), static_cast<uint8_t>(missile)});
  return game;
}

TEST(NewHero, StartsWithFourEventsInOrderAndSatiation4980) {
  auto game = NewHero(1, 1);
  ASSERT_EQ(game->world.event_count, 4);
  const char* names[] = {"Consumption", "Regen", "EnemyRegen", "CreateMon"};
  const int countdowns[] = {50, 240, 160, 300};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(game->world.events[static_cast<size_t>(i + 1)].name, names[i]);
    EXPECT_EQ(game->world.events[static_cast<size_t>(i + 1)].countdown, countdowns[i]);
    EXPECT_EQ(game->world.events[static_cast<size_t>(i + 1)].parameter, 1);
  }
  EXPECT_EQ(game->world.hero.satiation, 4980);
  EXPECT_FALSE(game->view.labels.hunger_visible);
  EXPECT_EQ(game->world.hero.level, 1);
  EXPECT_EQ(game->world.hero.experience_to_next, 126) << "140 scaled by the human factor 0.9";
  EXPECT_EQ(game->view.labels.hp, std::to_string(game->world.hero.hp) + "(" +
                                      std::to_string(game->world.hero.max_hp) + ")");
}

TEST(NewHero, ClassAndRaceSettings) {
  EXPECT_EQ(NewHero(1, 4)->world.hero.move_cost, 800) << "barbarians walk fast";
  for (int c = 1; c <= 3; ++c)
    EXPECT_EQ(NewHero(2, c, 1, c >= 2 ? 1 : 0)->world.hero.move_cost, 1000);
  EXPECT_GE(NewHero(1, 1)->world.hero.SkillAt(skill::kLiteracy).value, 1.0f)
      << "a human warrior reads";
  EXPECT_LT(NewHero(3, 1)->world.hero.SkillAt(skill::kLiteracy).value, 1.0f)
      << "an orc warrior cannot";
  EXPECT_LT(NewHero(5, 1)->world.hero.SkillAt(skill::kLiteracy).value, 1.0f)
      << "nor a troll warrior";
  auto troll = NewHero(5, 1);
  EXPECT_EQ(troll->world.hero.regen_rate, 60);
  EXPECT_FLOAT_EQ(troll->world.hero.hunger_rate, 2.0f);
  EXPECT_FLOAT_EQ(troll->world.hero.experience_factor, 1.6f);
  EXPECT_EQ(NewHero(2, 1)->world.hero.resistance_base[4], 5) << "elves resist magic";
  EXPECT_EQ(NewHero(4, 1)->world.hero.resistance_base[5], 5) << "dwarves resist fire";
  EXPECT_EQ(NewHero(3, 1)->world.hero.poison_resistance, 5);
  // A troll warrior: daggers are unlisted for the class, and trolls take 300 from them.
  EXPECT_EQ(troll->world.hero.SkillAt(3).learning_rate, 400);
  auto wanderer = NewHero(1, 3, 1, 2);
  for (int kind = 5; kind <= 8; ++kind)
    EXPECT_EQ(wanderer->world.hero.resistance_base[static_cast<size_t>(kind)], 4);
}

TEST(NewHero, ChosenWeaponGetsItsTraining) {
  auto axe = NewHero(1, 1, 2);    // warrior, weapon 2: axes
  auto sword = NewHero(1, 1, 1);  // weapon 1: long blades
  EXPECT_GT(axe->world.hero.SkillAt(4).value, sword->world.hero.SkillAt(4).value);
  EXPECT_EQ(axe->world.hero.SkillAt(4).learning_rate, 1300);
  auto archer = NewHero(2, 2, 1, 3);  // slings
  EXPECT_EQ(archer->world.hero.SkillAt(11).learning_rate, 1300 - 100 + 70);
  EXPECT_GT(archer->world.hero.SkillAt(11).value, archer->world.hero.SkillAt(10).value);
}

// Every race and class with every weapon and missile: every figure in range, every skill under
// its cap, no learning rate or gain below nothing, nothing negative that must not be.
TEST(NewHero, EveryChoiceGivesASoundHero) {
  for (int race = 1; race <= kRaceCount; ++race) {
    for (int c = 1; c <= kClassCount; ++c) {
      const ClassInfo& info = ClassTable(c);
      const int weapons = static_cast<int>(info.weapon_skills.size());
      const int missiles = static_cast<int>(info.missile_skills.size());
      for (int w = 1; w <= weapons; ++w) {
        for (int m = missiles > 0 ? 1 : 0; m <= missiles; ++m) {
          for (uint64_t seed : {1u, 2u, 3u}) {
            auto game = NewHero(race, c, w, m, seed);
            const Hero& hero = game->world.hero;
            SCOPED_TRACE("race " + std::to_string(race) + " class " + std::to_string(c) +
                         " weapon " + std::to_string(w) + " missile " + std::to_string(m) +
                         " seed " + std::to_string(seed));
            for (int a = 0; a < kAttributeCount; ++a) {
              EXPECT_GE(hero.Current(a), 1);
              EXPECT_LE(hero.Current(a), 100);
            }
            for (int s = 1; s <= kSkillCount; ++s) {
              EXPECT_GE(hero.SkillAt(s).value, 0.0f);
              EXPECT_LE(hero.SkillAt(s).value, hero.SkillAt(s).cap);
              EXPECT_LT(hero.SkillAt(s).value, hero.SkillAt(s).cap) << "room to grow";
              EXPECT_GE(hero.SkillAt(s).learning_rate, 0);
              EXPECT_GE(SkillGain(*game, s), 0.0);
            }
            EXPECT_LT(hero.SkillAt(skill::kHerbology).cap, 30);
            EXPECT_GT(hero.max_hp, 0);
            EXPECT_EQ(hero.hp, hero.max_hp);
            EXPECT_GE(hero.max_pp, 0);
            EXPECT_GE(hero.hp_per_level, 0);
            EXPECT_GE(hero.pp_per_level, 0);
            EXPECT_GE(hero.speed_base, 90);
            EXPECT_LE(hero.speed_base, 130);
            EXPECT_GE(hero.sight_radius, 4);
            EXPECT_LE(hero.sight_radius, 20);
            EXPECT_GT(hero.max_weight, 0);
            EXPECT_GE(hero.price_factor, 0.5f);
            EXPECT_GT(hero.regen_rate, 0);
            EXPECT_GT(hero.experience_to_next, 0);
            for (int s = 1; s <= 12; ++s) EXPECT_GE(hero.SkillAt(s).combat_value2, 0);
          }
        }
      }
    }
  }
}

TEST(NewHero, ChoiceText) {
  HeroChoice choice;
  std::string error;
  ASSERT_TRUE(ParseHeroChoice("2,3,4,1", &choice, &error)) << error;
  EXPECT_EQ(choice.race, 2);
  EXPECT_EQ(choice.hero_class, 3);
  EXPECT_EQ(choice.weapon, 4);
  EXPECT_EQ(choice.missile, 1);
  ASSERT_TRUE(ParseHeroChoice("1,1,1", &choice, &error));
  EXPECT_EQ(choice.missile, 0);
  EXPECT_FALSE(ParseHeroChoice("6,1,1,0", &choice, &error));
  EXPECT_FALSE(ParseHeroChoice("1,4,4,0", &choice, &error)) << "barbarians have three weapons";
  EXPECT_FALSE(ParseHeroChoice("1,2,1,0", &choice, &error)) << "archers need a missile";
  EXPECT_FALSE(ParseHeroChoice("1,1,1,1", &choice, &error)) << "warriors have none";
  EXPECT_FALSE(ParseHeroChoice("a,b", &choice, &error));
}

}  // namespace
}  // namespace zaldrun
