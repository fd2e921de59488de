#include "creatures/monster_names_check.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "compilers.hpp"
#include "creatures/behaviour_registry.hpp"
#include "events/event_registry.hpp"

namespace zaldrun {
namespace {

TEST(HandlerRegistries, AreSortedAndHoldEveryName) {
  EXPECT_TRUE(BehaviourRegistry().IsSorted());
  EXPECT_TRUE(EventRegistry().IsSorted());
  for (const char* name : {"StndAI", "HoldStill", "ShopKeeper"}) {
    EXPECT_TRUE(BehaviourRegistry().Contains(name)) << name;
  }
  for (const char* name :
       {"Regen",      "EnemyRegen", "Consumption", "CreateMon", "RaiseAtr",  "DrainAtr",
        "DamageAtr",  "Rvota",      "RemConfuse",  "RemWeak",   "RemSpeed",  "RemParIm",
        "RemFireRes", "RemColdRes", "SoftSkin",    "UnBless",   "CountMons", "CheckGobs",
        "CheckWitch", "CheckAra",   "TombTrap",    "ArakTalk"}) {
    EXPECT_TRUE(EventRegistry().Contains(name)) << name;
  }
  for (std::string_view talk : TalkHandlerNames()) {
    EXPECT_TRUE(EventRegistry().Contains(talk)) << talk;
  }
  EXPECT_EQ(TalkHandlerNames().size(), 13u);
  EXPECT_EQ(EventRegistry().entries().size(), 35u);
  EXPECT_TRUE(EventRegistry().Contains("Trader      ")) << "stored names are blank-padded";
  EXPECT_FALSE(EventRegistry().Contains("trader"));
  EXPECT_FALSE(BehaviourRegistry().Contains("RandStep")) << "a building block, not a behaviour";
}

TEST(MonsterHandlerNames, KnownNamesPassAndOthersNameTheirField) {
  const struct {
    const char* behaviour;
    const char* talk;
    const char* faulty_field;  // "" when sound
  } cases[] = {
      {"StndAI", "NoAns", ""},
      {"ShopKeeper", "Trader", ""},
      {"HoldStill", "", ""},
      {"StndAI      ", "Kva         ", ""},
      {"Sleep", "NoAns", "behaviour"},
      {"", "NoAns", "behaviour"},
      {"StndAI", "Chatter", "talk"},
      // A timed handler acts on its event slot; a creature must not name one as its talk.
      {"StndAI", "Regen", "talk"},
      {"StndAI", "ArakTalk", "talk"},
  };
  for (const auto& c : cases) {
    MonsterTypeRecord r;
    r.behaviour = c.behaviour;
    r.talk = c.talk;
    const auto faults = CheckMonsterHandlerNames(r);
    EXPECT_EQ(faults.empty() ? "" : faults.front().field, c.faulty_field) << c.behaviour << c.talk;
    EXPECT_LE(faults.size(), 1u);
  }
}

TEST(MonsterHandlerNames, EveryNameTheDataUsesIsRegistered) {
  const datac::CompileResult result = datac::CompileMonsters(ZALDRUN_SOURCE_DIR "/data");
  ASSERT_TRUE(result.errors.empty()) << result.errors.front();
  std::set<std::string> behaviours;
  std::set<std::string> talks;
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    const auto record = DecodeMonsterRecord(
        std::span(result.bytes).subspan(static_cast<size_t>(type - 1) * kMonsterRecordSize));
    ASSERT_TRUE(record.has_value());
    behaviours.insert(record->behaviour);
    talks.insert(record->talk);
    EXPECT_TRUE(CheckMonsterHandlerNames(*record).empty()) << type;
  }
  for (const std::string& name : behaviours) EXPECT_TRUE(BehaviourRegistry().Contains(name));
  for (const std::string& name : talks) {
    EXPECT_TRUE(IsSilentTalk(name) || EventRegistry().Contains(name)) << name;
  }
  // Every talk handler has a creature to answer through.
  for (std::string_view talk : TalkHandlerNames()) {
    EXPECT_TRUE(talks.count(std::string(talk)) == 1) << talk;
  }
  EXPECT_EQ(behaviours, (std::set<std::string>{"HoldStill", "ShopKeeper", "StndAI"}));
}

}  // namespace
}  // namespace zaldrun
