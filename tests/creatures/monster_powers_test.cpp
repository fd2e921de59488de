#include "creatures/monster_powers.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "creatures/behaviours.hpp"
#include "creatures/monster_table.hpp"
#include "engine/monsters_on_level.hpp"
#include "model/world_ops.hpp"
#include "records/game_enums.hpp"
#include "records/monster_type_table.hpp"
#include "support/game_fixture.hpp"
#include "support/open_room.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kRat = 1;
constexpr int kGoblin = 8;  // throws darts

class SpecialActionTest : public ::testing::Test {
 protected:
  SpecialActionTest() : fixture_(testing::OpenRoom(20, 9, 2, 4)) {
    Hero& hero = game().world.hero;
    hero.hp = hero.max_hp = 30000;
    hero.defence = 0;
    hero.fortune = -1000;  // gazes are never shrugged off by luck
  }
  Game& game() { return fixture_.game(); }
  MonsterTypeRecord& Type(int type) {
    return game().data.monsters.records[static_cast<size_t>(type)];
  }
  MonsterRecord& At(int slot) { return game().world.level.Monster(slot); }
  int Make(int type, int x, int y) {
    const int slot = CreateMonster(game(), x, y, type, 0, 0);
    At(slot).state = -1;
    At(slot).attack = 1000;
    At(slot).energy = 1000;
    return slot;
  }
  void Act(int code, int slot) {
    fixture_.Keys("                    ").Act([&](Game& g) { DoAction(g, code, slot); });
  }
  int Count(const std::string& line) { return fixture_.LogCount(line); }
  int Matching(const std::string& pattern) {
    const std::regex re(pattern);
    int n = 0;
    for (const auto& line : fixture_.LogLines()) n += std::regex_match(line, re) ? 1 : 0;
    return n;
  }

  GameFixture fixture_;
};

TEST_F(SpecialActionTest, AThrownDartHitsAndLandsAtTheHerosFeetAboutHalfTheTime) {
  const int goblin = Make(kGoblin, 6, 4);
  int landed = 0;
  for (int i = 0; i < 60; ++i) {
    At(goblin).energy = 1000;
    game().world.level.Cell(2, 4).item = 0;
    Act(monster_action::kThrow, goblin);
    landed += game().world.level.Cell(2, 4).item != 0 ? 1 : 0;
  }
  EXPECT_GT(landed, 15);
  EXPECT_LT(landed, 45);
  EXPECT_GT(Matching("Гоблин бросил в тебя .* и попал \\(\\d+\\)\\."), 0);
  EXPECT_EQ(game().control.killer_type, kGoblin);
}

TEST_F(SpecialActionTest, MissedThrowAndAcidSpitSpeakInTheMonstersGender) {
  const int goblin = Make(kGoblin, 6, 4);
  At(goblin).attack = 0;
  Act(monster_action::kThrow, goblin);
  EXPECT_EQ(Matching("Гоблин бросил в тебя .*, но промазал\\."), 1);
  EXPECT_EQ(At(goblin).energy, 1000 - MonsterTypeConstants(kGoblin).attack_cost);

  const int rat = Make(kRat, 5, 4);
  Type(kRat).damage_low[monster_attack::kMissile] = 3;
  Type(kRat).damage_high[monster_attack::kMissile] = 3;
  Type(kRat).damage_kind[monster_attack::kMissile] = damage_kind::kAcid;
  Act(monster_action::kSpitAcid, rat);
  EXPECT_EQ(Count("Крыса плюнула в тебя кислотой и попала (3)."), 1);
  EXPECT_EQ(game().world.hero.hp, 30000 - 3);
  EXPECT_EQ(At(rat).energy, 0);
}

TEST_F(SpecialActionTest, ABreathOfLengthFiveReachesFiveCellsOnly) {
  Type(kRat).damage_low[monster_attack::kBreath] = 9;
  Type(kRat).damage_high[monster_attack::kBreath] = 9;
  Type(kRat).damage_kind[monster_attack::kBreath] = damage_kind::kFire;
  const int far = Make(kRat, 9, 4);  // 7 cells away
  Act(monster_action::kBreathe, far);
  EXPECT_EQ(Count("Крыса дышит огнём!"), 1);
  EXPECT_EQ(Count("Струя огня попадает в тебя!"), 0);
  EXPECT_EQ(game().world.hero.hp, 30000);

  const int near = Make(kRat, 6, 4);  // 4 cells away on the row
  Act(monster_action::kBreathe, near);
  EXPECT_EQ(Count("Струя огня попадает в тебя!"), 1);
  EXPECT_EQ(game().world.hero.hp, 30000 - 9);
  EXPECT_EQ(At(far).hp, At(far).max_hp) << "the breath starts beside the breather";
}

TEST_F(SpecialActionTest, ABreathThatKillsAnEarlierSlotChargesTheBreatherWhereItNowStands) {
  Type(kRat).damage_low[monster_attack::kBreath] = 50;
  Type(kRat).damage_high[monster_attack::kBreath] = 50;
  Type(kRat).damage_kind[monster_attack::kBreath] = damage_kind::kFire;
  const int victim = Make(kRat, 4, 4);
  const int bystander = Make(kRat, 12, 6);
  const int breather = Make(kRat, 6, 4);
  At(victim).hp = 1;
  At(bystander).energy = 1000;
  Act(monster_action::kBreathe, breather);
  ASSERT_EQ(game().world.level.monster_count, 2);
  const int now = game().world.level.Cell(6, 4).monster;
  ASSERT_EQ(now, breather - 1);
  EXPECT_EQ(At(now).energy, 0);
  EXPECT_EQ(At(game().world.level.Cell(12, 6).monster).energy, 1000) << "no one else pays";
}

TEST_F(SpecialActionTest, GazesAgainstAStrongWillAreAlwaysWithstood) {
  game().world.hero.attributes.current[attribute::kWill] = 140;
  const int rat = Make(kRat, 5, 4);
  for (int i = 0; i < 20; ++i) {
    Act(monster_action::kParalysingGaze, rat);
    Act(monster_action::kHypnoticGaze, rat);
    Act(monster_action::kMindBlast, rat);
  }
  EXPECT_EQ(Count("Ты выдержал парализующий взгляд."), 20);
  EXPECT_EQ(Count("Ты выдержал гипнотизирующий взгляд."), 20);
  EXPECT_EQ(Count("Ты выдержал тяжёлый взгляд."), 20);
  EXPECT_EQ(game().world.hero.paralysis_time, 0);

  game().world.hero.attributes.current[attribute::kWill] = 0;
  Act(monster_action::kHypnoticGaze, rat);
  EXPECT_EQ(Count("Перед глазами у тебя всё расплывается..."), 1);
  EXPECT_TRUE(game().view.labels.Has(Condition::kConfused));
  EXPECT_NE(FindEvent(game(), "RemConfuse"), 0);
}

TEST_F(SpecialActionTest, ASummonerWithNoFreeCellConjuresNothingAndStillPays) {
  // A pocket of one cell walled in on every side.
  for (int x = 14; x <= 18; ++x) {
    for (int y = 2; y <= 6; ++y) game().world.level.SetTerrain(x, y, 'A');
  }
  game().world.level.SetTerrain(16, 4, 'C');
  const int caster = Make(kRat, 16, 4);
  const int before = game().world.level.monster_count;
  Act(monster_action::kSummon, caster);
  EXPECT_EQ(Count("Ничего не происходит."), 1);
  EXPECT_EQ(game().world.level.monster_count, before);
  EXPECT_EQ(At(caster).energy, 0);

  const int open = Make(kRat, 6, 4);
  Act(monster_action::kSummonSpider, open);
  EXPECT_EQ(Count("Внезапно из ниоткуда появляется паук!"), 1);
  ASSERT_EQ(game().world.level.monster_count, before + 2);
  const MonsterRecord& spider = At(game().world.level.monster_count);
  EXPECT_EQ(spider.type, 7);
  EXPECT_LE(std::max(std::abs(spider.x - 6), std::abs(spider.y - 4)), 2);
}

TEST_F(SpecialActionTest, SpellsOnAlliesHasteHealAndShield) {
  const int caster = Make(kRat, 8, 4);
  const int ally = Make(kRat, 10, 4);
  const int speed = At(ally).speed;
  Type(kRat).action_parameter = 5;
  At(caster).status = 8;  // the caster is hasted already: only the ally can be chosen
  Act(monster_action::kHasteAlly, caster);
  EXPECT_EQ(Count("Крыса начинает двигаться быстрее!"), 1);
  EXPECT_EQ(At(ally).status, 8);
  EXPECT_EQ(At(ally).speed, speed + 15);

  Type(kRat).action_codes[0] = monster_action::kHealAlly;
  Type(kRat).action_limits[0] = 50;
  At(ally).max_hp = 100;
  At(ally).hp = 10;
  At(caster).max_hp = At(caster).hp = 100;
  Act(monster_action::kHealAlly, caster);
  EXPECT_EQ(Count("Крыса залечивает свои раны."), 1);
  EXPECT_EQ(At(ally).hp, 55);  // 35 + 10 + 2 × 5

  At(caster).status = 1;
  Act(monster_action::kShieldAlly, caster);
  EXPECT_EQ(At(ally).status, 9);
}

TEST_F(SpecialActionTest, SlowingAndWeakeningScheduleTheirUndoing) {
  Hero& hero = game().world.hero;
  hero.attributes.current[attribute::kStrength] = 50;
  const int rat = Make(kRat, 5, 4);
  Type(kRat).action_parameter = 4;
  Act(monster_action::kSlowHero, rat);
  EXPECT_EQ(Count("Внезапно мир вокруг тебя становится быстрее!"), 1);
  const int slow = FindEvent(game(), "RemSpeed");
  ASSERT_NE(slow, 0);
  const EventSlot& event = game().world.events[static_cast<size_t>(slow)];
  EXPECT_EQ(event.parameter, hero.speed_bonus) << "it gives back exactly what it took";
  EXPECT_GE(-event.parameter, 3);
  EXPECT_LE(-event.parameter, 6);

  Act(monster_action::kWeakenHero, rat);
  EXPECT_EQ(Count("Ты внезапно слабеешь!"), 1);
  EXPECT_TRUE(game().view.labels.Has(Condition::kWeak));
  const int weak = FindEvent(game(), "RemWeak");
  ASSERT_NE(weak, 0);
  EXPECT_EQ(game().world.events[static_cast<size_t>(weak)].parameter, 20);

  hero.resistance_base[damage_kind::kMagic] = 1000;
  Act(monster_action::kWeakenHero, rat);
  EXPECT_EQ(Count("Но ничего не происходит."), 1);
}

TEST_F(SpecialActionTest, ABlinkMovesTheMonsterAndCostsMore) {
  const int rat = Make(kRat, 5, 4);
  At(rat).energy = 1200;
  Act(monster_action::kBlink, rat);
  EXPECT_EQ(At(rat).energy, 0);
  EXPECT_EQ(game().world.level.Cell(At(rat).x, At(rat).y).monster, rat);
  EXPECT_EQ(Count("Крыса внезапно исчезает."), 1);
}

TEST_F(SpecialActionTest, ChekActionsOffersAThrowOnlyInRange) {
  const int goblin = Make(kGoblin, 6, 4);
  auto offered = [&](int slot) {
    const ActionChoices choices = ChekActions(game(), slot, LookAtHero(game(), slot));
    return std::ranges::count(choices.Actions(), monster_action::kThrow) != 0;
  };
  EXPECT_TRUE(offered(goblin));
  MoveMonster(game(), goblin, 3, 4);
  EXPECT_FALSE(offered(goblin)) << "the limit of 1 keeps it from throwing point-blank";
}

}  // namespace
}  // namespace zaldrun
