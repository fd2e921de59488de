#include "records/monster_record.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "support/record_bytes.hpp"

namespace zaldrun {
namespace {

using testing::ExpectOffsets;
using testing::Padded;
using testing::PutOffsets;
using testing::TextAt;
using R = MonsterTypeRecord;

TEST(MonsterRecordLayout, EveryFieldSitsAtItsOffsetAndDecodesBack) {
  R r;
  r.name = "Крыса";
  r.name_object = "Ж";
  r.name_dative = "Щ";
  r.name_instrumental = "я";
  r.behaviour = "StndAI";
  r.talk = "Trader";
  r.class_bits = 120;
  r.flags = 124;
  r.experience = 148;
  r.reserved_long = 208;
  r.on_hit_chance = 642 & 0xFF;
  const std::pair<int16_t R::*, int> shorts[] = {
      {&R::hp_low, 152},          {&R::hp_high, 154},    {&R::defence_low, 180},
      {&R::defence_high, 182},    {&R::attack_low, 184}, {&R::attack_high, 186},
      {&R::speed_low, 188},       {&R::speed_high, 190}, {&R::action_parameter, 192},
      {&R::reserved_short, 206},  {&R::on_hit_low, 643}, {&R::on_hit_high, 645},
      {&R::on_hit_attribute, 647}};
  for (const auto& [field, at] : shorts) r.*field = static_cast<int16_t>(at);
  PutOffsets(r.resistances, 128, 2);
  PutOffsets(r.damage_low, 156, 2);
  PutOffsets(r.damage_high, 164, 2);
  PutOffsets(r.damage_kind, 172, 2);
  PutOffsets(r.action_codes, 212, 2);
  PutOffsets(r.action_weights, 224, 1);
  PutOffsets(r.action_limits, 230, 2);
  PutOffsets(r.loot_type, 242, 1);
  PutOffsets(r.loot_percent, 292, 2);
  PutOffsets(r.loot_count_low, 392, 2);
  PutOffsets(r.loot_count_high, 492, 2);
  PutOffsets(r.loot_blessing, 592, 1);

  const std::vector<uint8_t> b = EncodeMonsterRecord(r);
  ASSERT_EQ(b.size(), 661u);
  // Texts in Windows-1251, blank-padded: names to 30 bytes, handlers to 12.
  EXPECT_EQ(TextAt(b, 0, 120), Padded("\xCA\xF0\xFB\xF1\xE0", 30) + Padded("\xC6", 30) +
                                   Padded("\xD9", 30) + Padded("\xFF", 30));
  EXPECT_EQ(TextAt(b, 194, 12), "StndAI      ");
  EXPECT_EQ(TextAt(b, 649, 12), "Trader      ");
  const int runs[][3] = {// offset, fields, bytes each
                         {120, 2, 4},   {128, 10, 2}, {148, 1, 4}, {152, 21, 2}, {206, 1, 2},
                         {208, 1, 4},   {212, 6, 2},  {224, 6, 1}, {230, 6, 2},  {242, 50, 1},
                         {292, 150, 2}, {592, 51, 1}, {643, 3, 2}};
  for (const auto& [at, count, width] : runs) ExpectOffsets(b, at, count, width);
  // Choice j of loot row i sits at (j - 1) * 10 + (i - 1).
  EXPECT_EQ(R::LootIndex(2, 1), 1u);
  EXPECT_EQ(R::LootIndex(1, 2), 10u);

  EXPECT_EQ(DecodeMonsterRecord(b), r);
  EXPECT_FALSE(DecodeMonsterRecord(std::span(b).first(660)).has_value());
}

// A sound goblin that hits and throws, to break one field at a time.
MonsterTypeRecord SoundRecord() {
  MonsterTypeRecord r;
  r.name = "Гоблин";
  r.name_object = "гоблина";
  r.name_dative = "гоблину";
  r.name_instrumental = "гоблином";
  r.hp_low = 6;
  r.hp_high = 11;
  r.damage_low = {1, 0, 1, 0};
  r.damage_high = {5, 0, 4, 0};
  r.damage_kind = {1, 1, 3, 1};
  r.speed_low = 95;
  r.speed_high = 105;
  r.behaviour = "StndAI";
  r.action_codes = {monster_action::kHit, monster_action::kThrow, 0, 0, 0, 0};
  r.action_weights = {10, 4, 0, 0, 0, 0};
  r.action_limits = {0, 1, 0, 0, 0, 0};
  r.loot_type[0] = 36;  // the missile it throws, the first choice of the first loot row
  r.loot_percent[0] = 30;
  r.loot_count_low[0] = r.loot_count_high[0] = 1;
  return r;
}

// The range checks the compiler's error tests do not reach, one case per check.
TEST(MonsterRecordValidation, ASoundRecordPassesAndEachFaultNamesItsField) {
  EXPECT_TRUE(ValidateMonsterRecord(SoundRecord()).empty());
  using Change = void (*)(R&);
  const std::pair<const char*, Change> cases[] = {
      {"name", [](R& r) { r.name = "Гоб\x01лин"; }},
      {"hit_points", [](R& r) { r.hp_low = 0; }},
      {"melee_attack", [](R& r) { r.damage_kind[0] = 11; }},
      {"flags", [](R& r) { r.flags = 2048; }},
      {"actions[3]", [](R& r) { r.action_codes[2] = 6, r.action_weights[2] = 1; }},
      {"actions[1]", [](R& r) { r.action_weights[0] = 0; }},
      {"actions[1]", [](R& r) { r.action_limits[0] = 3; }},    // hits read none
      {"actions[6]", [](R& r) { r.action_limits[5] = 4; }},    // an empty entry
      {"actions[2]", [](R& r) { r.damage_high[2] = 0; }},      // throws nothing
      {"actions[2]", [](R& r) { r.loot_count_high[0] = 3; }},  // stacks thrown
      {"loot[1][2]", [](R& r) { r.loot_percent[10] = 5; }},    // no item type
      {"loot[1][1]", [](R& r) { r.loot_type[0] = 250; }},
      // Row 2 is empty, so row 3 is never read; nor is a row whose first choice is empty.
      {"loot[3]", [](R& r) { r.loot_type[R::LootIndex(3, 1)] = 117; }},
      {"loot[2]", [](R& r) { r.loot_type[R::LootIndex(2, 2)] = 117; }},
      // On-hit effects need their flag, and the flag its strength.
      {"on_hit", [](R& r) { r.flags = monster_flag::kPoisonous; }},
      {"on_hit", [](R& r) { r.on_hit_chance = 20; }},
  };
  for (const auto& [field, change] : cases) {
    MonsterTypeRecord r = SoundRecord();
    change(r);
    std::string faults;
    for (const auto& f : ValidateMonsterRecord(r)) faults += f.field + ": " + f.message + "\n";
    EXPECT_NE(faults.find(std::string(field) + ": "), std::string::npos) << field << ":\n"
                                                                         << faults;
  }
}

// Sound forms are the data's: every monster of monsters.toml passes. These must not.
TEST(MonsterGrammar, NameFormsMustAgreeWithTheTypesGender) {
  const std::pair<int, std::array<const char*, 4>> cases[] = {
      {0, {"Крыса", "крысу", "крысе", "крысой"}},        // a common noun in -а
      {0, {"Гоблин", "гоблин", "гоблину", "гоблином"}},  // animate: the genitive
      {0, {"Гоблин", "гоблина", "гоблину", "гоблину"}},
      {0, {"гоблин", "гоблина", "гоблину", "гоблином"}},  // the nominative starts sentences
      {4, {"Гоблин", "гоблина", "гоблину", "гоблином"}},
  };
  for (const auto& [gender, forms] : cases) {
    MonsterTypeRecord r = SoundRecord();
    r.name = forms[0];
    r.name_object = forms[1];
    r.name_dative = forms[2];
    r.name_instrumental = forms[3];
    EXPECT_FALSE(CheckMonsterGrammar(r, gender).empty()) << forms[0] << " " << gender;
  }
  // "Раны " + object form + " залечиваются!" needs a genitive: "гоблина", never "крысу".
  MonsterTypeRecord r = SoundRecord();
  r.action_codes[2] = monster_action::kDrink;
  r.action_weights[2] = 2;
  EXPECT_TRUE(CheckMonsterGrammar(r, 0).empty());
  r.name = "Крыса";
  r.name_object = "крысу";
  r.name_dative = "крысе";
  r.name_instrumental = "крысой";
  EXPECT_FALSE(CheckMonsterGrammar(r, 1).empty());
}

}  // namespace
}  // namespace zaldrun
