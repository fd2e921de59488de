// The monster types as authored in data/monsters.toml: strength that fits the depth, roles, and
// handler names the registries hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "records/handler_names.hpp"
#include "records/monster_names_check.hpp"
#include "records/monster_record.hpp"
#include "records/monster_type_table.hpp"
#include "support/data_files.hpp"

namespace zaldrun {
namespace {

MonsterTypeRecord Type(int type) { return testing::CompiledMonster(type); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

TEST(MonsterContent, StrengthGrowsWithDepthAndCastersAreIntelligent) {
  std::map<int, std::vector<double>> hp, experience, attack;
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    const MonsterTypeEntry& e = MonsterTypeConstants(type);
    EXPECT_EQ(e.native_depth == 200, e.weight == 0) << type << ": only the placed are never drawn";
    const MonsterTypeRecord& r = Type(type);
    for (int code = monster_action::kSpellMissile; code <= monster_action::kWeakenHero; ++code) {
      EXPECT_TRUE(!r.HasAction(code) || r.HasClass(monster_class::kIntelligent))
          << r.name << " casts " << code << ": casters are intelligent, so their murmurs show";
    }
    if (e.native_depth > 6) continue;
    hp[e.native_depth].push_back(r.hp_high);
    experience[e.native_depth].push_back(r.experience);
    attack[e.native_depth].push_back(r.attack_high);
    if (r.HasClass(monster_class::kDragon)) {
      EXPECT_TRUE(r.HasAction(monster_action::kBreathe)) << r.name;
    }
  }
  for (int depth = 1; depth <= 5; ++depth) EXPECT_GE(hp[depth].size(), 8u) << "depth " << depth;
  for (int depth = 2; depth <= 6; ++depth) {
    EXPECT_GT(Median(hp[depth]), Median(hp[depth - 1])) << depth;
    EXPECT_GT(Median(experience[depth]), Median(experience[depth - 1])) << depth;
    EXPECT_GT(Median(attack[depth]), Median(attack[depth - 1])) << depth;
  }
  EXPECT_LE(*std::max_element(hp[1].begin(), hp[1].end()), 12) << "depth-1 creatures are weak";
}

TEST(MonsterContent, FixedRolesAreFilled) {
  EXPECT_TRUE(Type(7).HasClass(monster_class::kSpider)) << "the spider a summoner calls";
  EXPECT_EQ(Type(18).name, "Живая дверь") << "a cursed opening wand brings a door to life";
  for (int summoned : {35, 55, 78, 79, 80}) {
    EXPECT_TRUE(Type(summoned).HasClass(monster_class::kDemon)) << Type(summoned).name;
  }
  EXPECT_EQ(Type(41).name_object, "вождя гоблинов") << "\"Ты убил вождя гоблинов?\"";
  EXPECT_EQ(Type(62).name, "Ведьма");
  EXPECT_EQ(Type(28).name_instrumental, "Чупакаброй") << "\"не разговаривай с Чупакаброй\"";
  // The placed folk and uniques, each with the behaviour and talk the places rely on.
  const std::tuple<int, const char*, const char*> roles[] = {
      {8, "StndAI", "Chukcha"},      {30, "HoldStill", "Fermer"},   {31, "HoldStill", "Lekar"},
      {33, "HoldStill", "Starosta"}, {41, "HoldStill", "Gobagoba"}, {61, "ShopKeeper", "Trader"},
      {65, "ShopKeeper", "Trader"},  {67, "HoldStill", "Priest"},   {81, "HoldStill", "NoAns"}};
  for (const auto& [type, behaviour, talk] : roles) {
    EXPECT_EQ(Type(type).behaviour, behaviour) << type;
    EXPECT_EQ(Type(type).talk, talk) << type;
  }
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    EXPECT_TRUE(Type(type).behaviour != "ShopKeeper" || type == 61 || type == 65) << type;
  }
}

TEST(MonsterHandlerNames, TheNameListsHoldEveryNameTheDataUses) {
  // Each record's own names are checked as the file loads (CheckMonsterHandlerNames).
  std::set<std::string> talks;
  for (int type = 1; type <= kMonsterTypeCount; ++type) talks.insert(Type(type).talk);
  for (std::string_view talk : TalkHandlerNames()) {
    EXPECT_TRUE(ListsName(EventHandlerNames(), talk)) << talk;
    EXPECT_EQ(talks.count(std::string(talk)), 1u) << talk << " has no creature to answer through";
  }
}

}  // namespace
}  // namespace zaldrun
