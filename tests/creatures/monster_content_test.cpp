// The monster types as authored in data/monsters.toml: roles, and strength that fits the depth.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "compilers.hpp"
#include "creatures/monster_types.hpp"
#include "state/monster_record.hpp"

namespace zaldrun {
namespace {

class MonsterContent : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const datac::CompileResult result = datac::CompileMonsters(ZALDRUN_SOURCE_DIR "/data");
    ASSERT_TRUE(result.errors.empty()) << result.errors.front();
    records_ = new std::vector<MonsterTypeRecord>(kMonsterTypeCount + 1);
    for (int type = 1; type <= kMonsterTypeCount; ++type) {
      const auto record = DecodeMonsterRecord(
          std::span(result.bytes).subspan(static_cast<size_t>(type - 1) * kMonsterRecordSize));
      ASSERT_TRUE(record.has_value());
      (*records_)[static_cast<size_t>(type)] = *record;
    }
  }
  static void TearDownTestSuite() {
    delete records_;
    records_ = nullptr;
  }
  static const MonsterTypeRecord& Type(int type) { return (*records_)[static_cast<size_t>(type)]; }

  static std::vector<MonsterTypeRecord>* records_;
};

std::vector<MonsterTypeRecord>* MonsterContent::records_ = nullptr;

TEST_F(MonsterContent, EveryDungeonDepthHasSeveralTypesToChooseFrom) {
  for (int depth = 1; depth <= 5; ++depth) {
    int weighted = 0;
    for (int type = 1; type <= kMonsterTypeCount; ++type) {
      const MonsterTypeEntry& e = MonsterTypeConstants(type);
      if (e.native_depth == depth && e.weight > 0) ++weighted;
    }
    EXPECT_GE(weighted, 8) << "depth " << depth;
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

TEST_F(MonsterContent, StrengthGrowsWithDepth) {
  std::map<int, std::vector<double>> hp;
  std::map<int, std::vector<double>> experience;
  std::map<int, std::vector<double>> attack;
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    const int depth = MonsterTypeConstants(type).native_depth;
    if (depth > 6) continue;
    const MonsterTypeRecord& r = Type(type);
    hp[depth].push_back(r.hp_high);
    experience[depth].push_back(r.experience);
    attack[depth].push_back(r.attack_high);
  }
  for (int depth = 2; depth <= 6; ++depth) {
    EXPECT_GT(Median(hp[depth]), Median(hp[depth - 1])) << depth;
    EXPECT_GT(Median(experience[depth]), Median(experience[depth - 1])) << depth;
    EXPECT_GT(Median(attack[depth]), Median(attack[depth - 1])) << depth;
  }
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    const MonsterTypeRecord& r = Type(type);
    const int depth = MonsterTypeConstants(type).native_depth;
    if (depth == 1) {
      EXPECT_LE(r.hp_high, 12) << r.name << ": a depth-1 creature is weak";
      EXPECT_LE(r.damage_high[monster_attack::kMelee], 5) << r.name;
    }
    if (r.HasClass(monster_class::kDragon)) {
      EXPECT_GE(r.hp_low, 120) << r.name << ": dragons are dangerous";
      EXPECT_TRUE(r.HasAction(monster_action::kBreathe)) << r.name;
      EXPECT_GE(r.damage_high[monster_attack::kBreath], 40) << r.name;
    }
  }
}

TEST_F(MonsterContent, FixedRolesAreFilled) {
  EXPECT_TRUE(Type(7).HasClass(monster_class::kSpider)) << "the spider a summoner calls";
  EXPECT_EQ(Type(18).name, "Живая дверь") << "a cursed opening wand brings a door to life";
  for (int summoned : {35, 55, 78, 79, 80}) {
    EXPECT_TRUE(Type(summoned).HasClass(monster_class::kDemon)) << Type(summoned).name;
  }
  EXPECT_EQ(Type(41).name_object, "вождя гоблинов") << "\"Ты убил вождя гоблинов?\"";
  EXPECT_EQ(Type(62).name, "Ведьма");
  EXPECT_EQ(Type(28).name_instrumental, "Чупакаброй") << "\"не разговаривай с Чупакаброй\"";
  for (int goblin : {8, 9, 24, 75}) EXPECT_EQ(Type(goblin).talk, "Chukcha");
}

TEST_F(MonsterContent, VillageFolkAndUniquesHaveTheirBehaviourAndTalk) {
  struct Role {
    int type;
    const char* name;  // nullptr: any
    const char* behaviour;
    const char* talk;
  };
  const Role roles[] = {
      {27, nullptr, "StndAI", "Kva"},           {28, "Чупакабра", "StndAI", "Dedok"},
      {29, "Чазор", "StndAI", "Dedok"},         {30, "Негиф", "HoldStill", "Fermer"},
      {31, "Дарон", "HoldStill", "Lekar"},      {32, "Каргуд", "HoldStill", "Ohotnik"},
      {33, "Браннус", "HoldStill", "Starosta"}, {41, nullptr, "HoldStill", "Gobagoba"},
      {44, nullptr, "StndAI", "NoAns"},         {61, "Тазар", "ShopKeeper", "Trader"},
      {63, nullptr, "StndAI", "Kornavin"},      {64, nullptr, "StndAI", "Muzhik"},
      {65, nullptr, "ShopKeeper", "Trader"},    {66, "Кычкыдум", "HoldStill", "Balbes"},
      {67, nullptr, "HoldStill", "Priest"},     {81, "Аракус", "HoldStill", "NoAns"},
  };
  int roles_checked = 0;
  for (const Role& role : roles) {
    ASSERT_EQ(MonsterTypeConstants(role.type).native_depth, 200) << role.type;
    const MonsterTypeRecord& r = Type(role.type);
    if (role.name) {
      EXPECT_EQ(r.name, role.name);
    }
    EXPECT_EQ(r.behaviour, role.behaviour) << r.name;
    EXPECT_EQ(r.talk, role.talk) << r.name;
    ++roles_checked;
  }
  int depth_200 = 0;
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    if (MonsterTypeConstants(type).native_depth == 200) ++depth_200;
    if (Type(type).behaviour == "ShopKeeper") {
      EXPECT_TRUE(type == 61 || type == 65) << type;
    }
  }
  EXPECT_EQ(roles_checked, depth_200) << "every depth-200 type has a role";
}

TEST_F(MonsterContent, SpellCastersAreIntelligentSoTheirMurmursShow) {
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    const MonsterTypeRecord& r = Type(type);
    for (int code : {29, 30, 31, 32, 33, 34, 35, 36, 37, 38}) {
      if (r.HasAction(code)) {
        EXPECT_TRUE(r.HasClass(monster_class::kIntelligent)) << r.name << " casts " << code;
      }
    }
  }
}

}  // namespace
}  // namespace zaldrun
