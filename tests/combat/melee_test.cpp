#include "combat/melee.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "actions/movement.hpp"
#include "combat/attack_time.hpp"
#include "creatures/monster_table.hpp"
#include "engine/condition.hpp"
#include "engine/skills.hpp"
#include "items/hand_figures.hpp"
#include "support/game_fixture.hpp"
#include "support/open_room.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kRat = 1;  // "Крыса", feminine, 3 experience

class HeroBlowTest : public ::testing::Test {
 protected:
  HeroBlowTest() : fixture_(testing::OpenRoom(12, 6, 2, 2)) {
    Hero& hero = game().world.hero;
    hero.to_hit = 1000;                                   // every blow lands
    hero.fortune = -1000;                                 // and none is critical
    hero.attributes.current[attribute::kStrength] = 100;  // fists of 5..10
    RebuildHands(game());
    hero.hp = hero.max_hp = 100;
    hero.experience_to_next = 100;
    hero.level = 1;
    slot_ = CreateMonster(game(), 3, 2, kRat, 0, 0);
    Rat().hp = Rat().max_hp = 100;
    Rat().defence = 5;
    Rat().speed = 0;  // it never gets to strike back here
  }
  Game& game() { return fixture_.game(); }
  MonsterRecord& Rat() { return game().world.level.Monster(slot_); }
  MonsterTypeRecord& RatType() { return game().data.monsters.records[kRat]; }
  // The last message shown, without the line's leading blank.
  std::string Shown() {
    const std::string& line = game().view.message_line;
    return line.size() > 1 ? line.substr(1) : line;
  }
  // The number in "(n)" at the end of the message line.
  int ShownDamage() {
    std::smatch match;
    const std::string line = game().view.message_line;
    if (!std::regex_search(line, match, std::regex("\\((\\d+)\\)$"))) return -1;
    return std::stoi(match[1]);
  }

  GameFixture fixture_;
  int slot_ = 0;
};

TEST_F(HeroBlowTest, MissHitAndCriticalMessages) {
  game().world.hero.to_hit = 0;
  EXPECT_FALSE(HeroMeleeBlow(game(), slot_, hand::kRight));
  EXPECT_EQ(Shown(), "Ты промахнулся по крысе.");
  EXPECT_EQ(Rat().hp, 100);
  EXPECT_EQ(game().world.hero.last_action_time, 10) << "bare hands take a plain turn";

  game().world.hero.to_hit = 1000;
  game().view.message_line.clear();
  HeroMeleeBlow(game(), slot_, hand::kRight);
  const int damage = ShownDamage();
  EXPECT_TRUE(damage >= 5 && damage <= 10) << Shown();
  EXPECT_EQ(Shown(), "Ты ударил крысу. (" + std::to_string(damage) + ")");
  EXPECT_EQ(Rat().hp, 100 - damage);
  EXPECT_EQ(game().world.hero.weapon_practice, 2);

  game().world.hero.fortune = 1000;
  game().view.message_line.clear();
  HeroMeleeBlow(game(), slot_, hand::kRight);
  const int critical = ShownDamage();
  EXPECT_TRUE(critical >= 10 && critical <= 20) << Shown();
  EXPECT_EQ(Shown(), "Ты критически ударил крысу. (" + std::to_string(critical) + ")");
  EXPECT_EQ(game().world.hero.weapon_practice, 7) << "3 for the critical and 2 for the damage";
}

TEST_F(HeroBlowTest, ArmourThatStopsTheBlowGivesNoHarmAndNeverHeals) {
  RatType().resistances[2] = 200;  // against physical_3, the fists' kind
  HeroMeleeBlow(game(), slot_, hand::kRight);
  EXPECT_EQ(Shown(), "Ты ударил крысу, но не причинил никаких повреждений.");
  EXPECT_EQ(Rat().hp, 100);
  EXPECT_EQ(game().world.hero.weapon_practice, 1);
}

TEST_F(HeroBlowTest, AProtectiveFieldHalvesAndLifeDrainHeals) {
  Rat().status = 1;
  game().world.hero.hp = 50;
  game().world.hero.life_drain = 10;  // all of the damage comes back
  HeroMeleeBlow(game(), slot_, hand::kRight);
  const int damage = ShownDamage();
  EXPECT_TRUE(damage >= 2 && damage <= 5) << Shown();
  EXPECT_EQ(game().world.hero.hp, 50 + damage);
}

TEST_F(HeroBlowTest, TheCrimsonAuraBurnsAfterEveryHitButNotAfterAMiss) {
  Rat().status = 4;
  game().world.hero.to_hit = 0;
  HeroMeleeBlow(game(), slot_, hand::kRight);
  EXPECT_EQ(game().world.hero.hp, 100);
  game().world.hero.to_hit = 1000;
  RatType().resistances[2] = 200;  // the hit does no harm; the aura burns all the same
  game().view.message_line.clear();
  HeroMeleeBlow(game(), slot_, hand::kRight);
  const int burn = ShownDamage();
  EXPECT_TRUE(burn >= 4 && burn <= 16) << Shown();
  EXPECT_NE(Shown().find("Тебя обжигает багряная аура! ("), std::string::npos) << Shown();
  EXPECT_EQ(game().world.hero.hp, 100 - burn);
  EXPECT_EQ(game().control.end_reason, end_reason::kCrimsonAura);
}

TEST_F(HeroBlowTest, PracticeGrowsTheSkillOfTheWeaponInHand) {
  game().world.hero.equipment[6] = ItemRecord{.type = 12, .count = 1};  // a class-1 blade
  RebuildHands(game());
  game().world.hero.weapon_practice = 24;
  Skill& blades = game().world.hero.SkillAt(1);
  blades.learning_rate = 1000;
  blades.cap = 30;
  blades.value = 2.99f;
  RefreshCombatValues(game(), 1);
  RebuildHands(game());
  const int16_t to_hit = game().world.hero.attack.to_hit[hand::kRight];
  ASSERT_TRUE(fixture_.Keys("    ").Act([&](Game& g) { HeroMeleeBlow(g, slot_, hand::kRight); }));
  EXPECT_EQ(game().world.hero.weapon_practice, 1);
  EXPECT_GE(game().world.hero.SkillAt(1).value, 3.0f);
  EXPECT_EQ(game().world.hero.attack.to_hit[hand::kRight], to_hit + 4)
      << "blades 3 strike with 6 to-hit instead of 2, from the very next blow";

  // Bare hands practise too, but no skill grows from them.
  game().world.hero.equipment[6] = ItemRecord{};
  RebuildHands(game());
  game().world.hero.weapon_practice = 24;
  const float blade = game().world.hero.SkillAt(1).value;
  HeroMeleeBlow(game(), slot_, hand::kRight);
  EXPECT_EQ(game().world.hero.weapon_practice, 1);
  EXPECT_EQ(game().world.hero.SkillAt(1).value, blade);
}

TEST_F(HeroBlowTest, AKillCountsForTheTypeAndBringsExperience) {
  Rat().hp = 1;
  game().control.target_monster = static_cast<int16_t>(slot_);
  fixture_.Keys(" ");
  bool killed = false;
  ASSERT_TRUE(fixture_.Act([&](Game& g) { killed = HeroMeleeBlow(g, slot_, hand::kRight); }));
  EXPECT_TRUE(killed);
  EXPECT_EQ(game().world.level.monster_count, 0);
  EXPECT_EQ(game().world.level.Cell(3, 2).monster, 0);
  EXPECT_EQ(game().world.kill_counts[kRat], 1);
  EXPECT_EQ(game().world.hero.experience_to_next, 100 - RatType().experience);
  EXPECT_EQ(game().control.target_monster, 0) << "the cursor forgets the dead";
  const auto log = fixture_.LogLines();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log.back(), "Ты убил крысу!");
}

TEST_F(HeroBlowTest, AConjuredCreatureVanishesWithoutLootButStillCounts) {
  Rat().hp = 1;
  Rat().creation_flag = 1;
  RatType().loot_type[MonsterTypeRecord::LootIndex(1, 1)] = 117;
  RatType().loot_percent[MonsterTypeRecord::LootIndex(1, 1)] = 100;
  ASSERT_TRUE(fixture_.Keys(" ").Act([&](Game& g) { HeroMeleeBlow(g, slot_, hand::kRight); }));
  const auto log = fixture_.LogLines();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "Крыса внезапно испарается...");
  EXPECT_EQ(log.back(), "Ты убил крысу!");
  EXPECT_EQ(game().world.level.Cell(3, 2).item, 0) << "nothing is left behind";
  EXPECT_EQ(game().world.kill_counts[kRat], 1);
}

TEST_F(HeroBlowTest, LootFallsOnTheCellWithTheExtraItemOfRichTypes) {
  Rat().hp = 1;
  const size_t first = MonsterTypeRecord::LootIndex(1, 1);
  RatType().loot_type[first] = 117;  // money
  RatType().loot_percent[first] = 100;
  RatType().loot_count_low[first] = RatType().loot_count_high[first] = 5;
  RatType().loot_blessing[first] = 4;
  RatType().flags |= monster_flag::kExtraLoot;
  game().world.hero.fortune = 70;  // 30 + 70: the extra item always comes
  game().world.hero.to_hit = 1000;
  ASSERT_TRUE(fixture_.Keys("  ").Act([&](Game& g) { HeroMeleeBlow(g, slot_, hand::kRight); }));
  const MapCell& cell = game().world.level.Cell(3, 2);
  ASSERT_GE(cell.item, 1);
  ASSERT_LT(cell.item, kPileCount) << "two things lie there: a pile";
  const PileRecord& pile = game().world.piles[static_cast<size_t>(cell.item)];
  EXPECT_EQ(pile.count, 2);
  bool money = false;
  bool extra = false;
  for (const auto& group : pile.groups) {
    for (const ItemRecord& item : group) {
      if (item.type == 117) {
        money = item.count == 5;
      } else {
        extra = item.blessing >= 3 && item.blessing <= 5;  // random and unknown
      }
    }
  }
  EXPECT_TRUE(money);
  EXPECT_TRUE(extra);
}

// Attack times: one weapon, two weapons (charged once for the pair), a kill with the first of
// two, fists, and the floor of 100 for the most skilled.
TEST_F(HeroBlowTest, AttackTimeByHandsAndSkill) {
  Hero& hero = game().world.hero;
  EXPECT_EQ(MeleeAttackCost(game(), hand::kRight, false), 1000) << "fists";
  hero.equipment[6] = ItemRecord{.type = 4, .count = 1};  // a club: class 7, attack time 1300
  hero.SkillAt(7).value = 3.4f;
  EXPECT_EQ(MeleeAttackCost(game(), hand::kRight, false), 1300 - 12 * 3);
  hero.SkillAt(7).value = 200;
  EXPECT_EQ(MeleeAttackCost(game(), hand::kRight, false), kMinimumAttackCost);

  hero.equipment[6] = ItemRecord{.type = 12, .count = 1};  // attack time 1000
  hero.equipment[7] = ItemRecord{.type = 5, .count = 1};   // a dagger, 700
  RebuildHands(game());
  hero.SkillAt(skill::kDualWielding).value = 2;
  EXPECT_EQ(MeleeAttackCost(game(), hand::kRight, false), 0)
      << "the pair is charged after the second";
  EXPECT_EQ(MeleeAttackCost(game(), hand::kLeft, false), 1700 * 9 / 10 - 60);
  EXPECT_EQ(MeleeAttackCost(game(), hand::kLeft, true), 1700 * 9 / 10 - 60)
      << "a kill by the second";
  EXPECT_EQ(MeleeAttackCost(game(), hand::kRight, true), 800 - 20);
}

TEST_F(HeroBlowTest, TheBumpStrikesWithBothHandsUnlessTheFirstKills) {
  Hero& hero = game().world.hero;
  hero.equipment[6] = ItemRecord{.type = 12, .count = 1};
  hero.equipment[7] = ItemRecord{.type = 5, .count = 1};
  RebuildHands(game());
  hero.SkillAt(skill::kDualWielding).value = 2;
  MoveHero(game(), 3, 2);
  auto log = fixture_.LogLines();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].rfind("Ты ударил крысу. (", 0), 0u);
  EXPECT_EQ(log[1].rfind("Ты ударил крысу. (", 0), 0u);
  EXPECT_EQ(game().view.labels.time_figures[1], "1470") << "one charge for the pair";

  Rat().hp = 1;
  ASSERT_TRUE(fixture_.Keys(" ").Act([](Game& g) { MoveHero(g, 3, 2); }));
  log = fixture_.LogLines();
  ASSERT_EQ(log.size(), 4u) << "one blow and the kill";
  EXPECT_EQ(log[3], "Ты убил крысу!");
  EXPECT_EQ(game().view.labels.time_figures[1], "780");
}

TEST_F(HeroBlowTest, PeacefulCreaturesAreAskedAbout) {
  for (const char* answer : {"n", "y"}) {
    Rat().peaceful = 1;
    game().view.message_line.clear();
    ASSERT_TRUE(fixture_.Keys(answer).Act([](Game& g) { MoveHero(g, 3, 2); }));
    const bool yes = std::string(answer) == "y";
    EXPECT_EQ(Rat().peaceful, yes ? 0 : 1);
    EXPECT_EQ(Rat().hp < 100, yes);
    EXPECT_EQ(game().control.prompt_state, prompt::kIdle) << "the answer is not left behind";
  }
  EXPECT_EQ(fixture_.LogLines().front(), "Ты действительно ударишь крысу?");
}

}  // namespace
}  // namespace zaldrun
