#include "state/monster_record.hpp"

#include <gtest/gtest.h>

#include <string>

namespace zaldrun {
namespace {

int16_t I16At(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<int16_t>(b[at] | (b[at + 1] << 8));
}
int32_t I32At(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<int32_t>(
      static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
      (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24));
}
std::string TextAt(const std::vector<uint8_t>& b, size_t at, size_t width) {
  return std::string(reinterpret_cast<const char*>(b.data() + at), width);
}

// A record whose every field holds a value of its own, so that a shifted field shows.
MonsterTypeRecord DistinctRecord() {
  MonsterTypeRecord r;
  r.name = "Крыса";
  r.name_object = "крысу";
  r.name_dative = "крысе";
  r.name_instrumental = "крысой";
  r.class_bits = 0x01020304;
  r.flags = 0x0A0B0C0D;
  for (int k = 0; k < kMonsterResistances; ++k) r.resistances[k] = static_cast<int16_t>(-1 - k);
  r.experience = 0x11223344;
  r.hp_low = 101;
  r.hp_high = 102;
  for (int s = 0; s < kMonsterAttackSlots; ++s) {
    r.damage_low[s] = static_cast<int16_t>(200 + s);
    r.damage_high[s] = static_cast<int16_t>(210 + s);
    r.damage_kind[s] = static_cast<int16_t>(220 + s);
  }
  r.defence_low = 301;
  r.defence_high = 302;
  r.attack_low = 303;
  r.attack_high = 304;
  r.speed_low = 305;
  r.speed_high = 306;
  r.action_parameter = -307;
  r.behaviour = "StndAI";
  r.reserved_short = 0x0708;
  r.reserved_long = 0x090A0B0C;
  for (int n = 0; n < kMonsterActionEntries; ++n) {
    r.action_codes[n] = static_cast<int16_t>(400 + n);
    r.action_weights[n] = static_cast<uint8_t>(410 - 256 + n);
    r.action_limits[n] = static_cast<int16_t>(-420 - n);
  }
  for (int i = 0; i < kMonsterLootEntries; ++i) {
    r.loot_type[i] = static_cast<uint8_t>(i + 1);
    r.loot_percent[i] = static_cast<int16_t>(1000 + i);
    r.loot_count_low[i] = static_cast<int16_t>(2000 + i);
    r.loot_count_high[i] = static_cast<int16_t>(3000 + i);
    r.loot_blessing[i] = static_cast<uint8_t>(100 + i);
  }
  r.on_hit_chance = 199;
  r.on_hit_low = 501;
  r.on_hit_high = 502;
  r.on_hit_attribute = 8;
  r.talk = "Trader";
  return r;
}

TEST(MonsterRecordLayout, EveryFieldSitsAtItsOffset) {
  const std::vector<uint8_t> b = EncodeMonsterRecord(DistinctRecord());
  ASSERT_EQ(b.size(), 661u);
  // Names: Windows-1251, blank-padded to 30 bytes.
  EXPECT_EQ(TextAt(b, 0, 30), "\xCA\xF0\xFB\xF1\xE0" + std::string(25, ' '));
  EXPECT_EQ(TextAt(b, 30, 5), "\xEA\xF0\xFB\xF1\xF3");
  EXPECT_EQ(TextAt(b, 60, 5), "\xEA\xF0\xFB\xF1\xE5");
  EXPECT_EQ(TextAt(b, 90, 6), "\xEA\xF0\xFB\xF1\xEE\xE9");
  EXPECT_EQ(b[119], ' ');
  EXPECT_EQ(I32At(b, 120), 0x01020304);
  EXPECT_EQ(b[120], 0x04) << "little-endian";
  EXPECT_EQ(I32At(b, 124), 0x0A0B0C0D);
  for (int k = 0; k < 10; ++k) EXPECT_EQ(I16At(b, 128 + 2 * k), -1 - k) << "resistance " << k;
  EXPECT_EQ(I32At(b, 148), 0x11223344);
  EXPECT_EQ(I16At(b, 152), 101);
  EXPECT_EQ(I16At(b, 154), 102);
  for (int s = 0; s < 4; ++s) {
    EXPECT_EQ(I16At(b, 156 + 2 * s), 200 + s);
    EXPECT_EQ(I16At(b, 164 + 2 * s), 210 + s);
    EXPECT_EQ(I16At(b, 172 + 2 * s), 220 + s);
  }
  EXPECT_EQ(I16At(b, 180), 301);
  EXPECT_EQ(I16At(b, 182), 302);
  EXPECT_EQ(I16At(b, 184), 303);
  EXPECT_EQ(I16At(b, 186), 304);
  EXPECT_EQ(I16At(b, 188), 305);
  EXPECT_EQ(I16At(b, 190), 306);
  EXPECT_EQ(I16At(b, 192), -307);
  EXPECT_EQ(TextAt(b, 194, 12), "StndAI      ");
  EXPECT_EQ(I16At(b, 206), 0x0708);
  EXPECT_EQ(I32At(b, 208), 0x090A0B0C);
  for (int n = 0; n < 6; ++n) {
    EXPECT_EQ(I16At(b, 212 + 2 * n), 400 + n);
    EXPECT_EQ(b[224 + n], 410 - 256 + n);
    EXPECT_EQ(I16At(b, 230 + 2 * n), -420 - n);
  }
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(b[242 + i], i + 1);
    EXPECT_EQ(I16At(b, 292 + 2 * i), 1000 + i);
    EXPECT_EQ(I16At(b, 392 + 2 * i), 2000 + i);
    EXPECT_EQ(I16At(b, 492 + 2 * i), 3000 + i);
    EXPECT_EQ(b[592 + i], 100 + i);
  }
  EXPECT_EQ(b[642], 199);
  EXPECT_EQ(I16At(b, 643), 501);
  EXPECT_EQ(I16At(b, 645), 502);
  EXPECT_EQ(I16At(b, 647), 8);
  EXPECT_EQ(TextAt(b, 649, 12), "Trader      ");
}

TEST(MonsterRecordLayout, LootRowsVaryFastest) {
  // Choice j of row i sits at (j - 1) * 10 + (i - 1).
  EXPECT_EQ(MonsterTypeRecord::LootIndex(1, 1), 0u);
  EXPECT_EQ(MonsterTypeRecord::LootIndex(2, 1), 1u);
  EXPECT_EQ(MonsterTypeRecord::LootIndex(1, 2), 10u);
  EXPECT_EQ(MonsterTypeRecord::LootIndex(10, 5), 49u);
}

TEST(MonsterRecordLayout, DecodeReversesEncodeAndRefusesShortInput) {
  const MonsterTypeRecord original = DistinctRecord();
  const std::vector<uint8_t> bytes = EncodeMonsterRecord(original);
  const auto decoded = DecodeMonsterRecord(bytes);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(*decoded, original);
  EXPECT_FALSE(DecodeMonsterRecord(std::span(bytes).first(660)).has_value());
  EXPECT_FALSE(DecodeMonsterRecord({}).has_value());
}

// A sound record to break one field at a time.
MonsterTypeRecord SoundRecord() {
  MonsterTypeRecord r;
  r.name = "Гоблин";
  r.name_object = "гоблина";
  r.name_dative = "гоблину";
  r.name_instrumental = "гоблином";
  r.class_bits = monster_class::kHumanoid;
  r.experience = 8;
  r.hp_low = 6;
  r.hp_high = 11;
  r.damage_low = {1, 0, 1, 0};
  r.damage_high = {5, 0, 4, 0};
  r.damage_kind = {1, 1, 3, 1};
  r.defence_low = 5;
  r.defence_high = 8;
  r.attack_low = 10;
  r.attack_high = 13;
  r.speed_low = 95;
  r.speed_high = 105;
  r.behaviour = "StndAI";
  r.action_codes = {monster_action::kHit, monster_action::kThrow, 0, 0, 0, 0};
  r.action_weights = {10, 4, 0, 0, 0, 0};
  r.action_limits = {0, 1, 0, 0, 0, 0};
  const size_t first = MonsterTypeRecord::LootIndex(1, 1);
  r.loot_type[first] = 36;
  r.loot_percent[first] = 30;
  r.loot_count_low[first] = 1;
  r.loot_count_high[first] = 1;
  r.loot_blessing[first] = 6;
  r.talk = "Chukcha";
  return r;
}

std::string FaultFields(const std::vector<MonsterRecordFault>& faults) {
  std::string fields;
  for (const auto& f : faults) fields += f.field + ": " + f.message + "\n";
  return fields;
}

TEST(MonsterRecordValidation, ASoundRecordPasses) {
  EXPECT_EQ(FaultFields(ValidateMonsterRecord(SoundRecord())), "");
  MonsterTypeRecord r = SoundRecord();
  r.action_codes[5] = monster_action::kWait;  // waiting with a weight is an action
  r.action_weights[5] = 2;
  const size_t second = MonsterTypeRecord::LootIndex(1, 2);
  r.loot_type[second] = 117;
  r.loot_percent[second] = 70;  // 30 + 70: the whole row
  r.loot_count_low[second] = 1;
  r.loot_count_high[second] = 5;
  EXPECT_EQ(FaultFields(ValidateMonsterRecord(r)), "");
}

TEST(MonsterRecordValidation, EachFaultNamesItsField) {
  using Change = void (*)(MonsterTypeRecord&);
  const struct {
    const char* field;
    Change change;
  } cases[] = {
      {"name_dative", [](MonsterTypeRecord& r) { r.name_dative.clear(); }},
      {"name", [](MonsterTypeRecord& r) { r.name = "Гоб\x01лин"; }},
      {"hit_points", [](MonsterTypeRecord& r) { r.hp_low = 12; }},  // above high
      {"hit_points", [](MonsterTypeRecord& r) { r.hp_low = 0; }},
      {"attack_value", [](MonsterTypeRecord& r) { r.attack_low = 20; }},
      {"speed", [](MonsterTypeRecord& r) { r.speed_low = 0; }},
      {"resistances", [](MonsterTypeRecord& r) { r.resistances[4] = 500; }},
      {"breath_attack", [](MonsterTypeRecord& r) { r.damage_kind[3] = 0; }},
      {"melee_attack", [](MonsterTypeRecord& r) { r.damage_kind[0] = 11; }},
      {"flags", [](MonsterTypeRecord& r) { r.flags = 2048; }},
      {"classes", [](MonsterTypeRecord& r) { r.class_bits = 1 << 20; }},
      {"experience", [](MonsterTypeRecord& r) { r.experience = -1; }},
      {"behaviour", [](MonsterTypeRecord& r) { r.behaviour.clear(); }},
      {"talk", [](MonsterTypeRecord& r) { r.talk = "Не имя"; }},
      // Actions: codes without an action, weights that never choose, limits out of reach.
      {"actions[3]", [](MonsterTypeRecord& r) { r.action_codes[2] = 6, r.action_weights[2] = 1; }},
      {"actions[3]", [](MonsterTypeRecord& r) { r.action_codes[2] = 43, r.action_weights[2] = 1; }},
      {"actions[1]", [](MonsterTypeRecord& r) { r.action_weights[0] = 0; }},
      {"actions[2]", [](MonsterTypeRecord& r) { r.action_limits[1] = 9; }},
      {"actions[1]", [](MonsterTypeRecord& r) { r.action_limits[0] = 3; }},
      {"actions[2]", [](MonsterTypeRecord& r) { r.damage_low[2] = r.damage_high[2] = 0; }},
      {"actions[2]", [](MonsterTypeRecord& r) { r.loot_count_high[0] = 3; }},  // stacks thrown
      {"actions[3]", [](MonsterTypeRecord& r) { r.action_codes[2] = 21, r.action_weights[2] = 3; }},
      {"actions[3]", [](MonsterTypeRecord& r) { r.action_codes[2] = 33, r.action_weights[2] = 3; }},
      {"actions[6]", [](MonsterTypeRecord& r) { r.action_limits[5] = 4; }},
      // Loot rows.
      {"loot[1]",
       [](MonsterTypeRecord& r) {
         const size_t i = MonsterTypeRecord::LootIndex(1, 2);
         r.loot_type[i] = 117, r.loot_percent[i] = 80, r.loot_count_low[i] = 1;
         r.loot_count_high[i] = 1;
       }},
      {"loot[1][2]", [](MonsterTypeRecord& r) { r.loot_percent[10] = 5; }},  // no item type
      {"loot[1][1]", [](MonsterTypeRecord& r) { r.loot_type[0] = 250; }},
      {"loot[1][1]", [](MonsterTypeRecord& r) { r.loot_percent[0] = 0; }},
      {"loot[1][1]", [](MonsterTypeRecord& r) { r.loot_count_low[0] = 0; }},
      {"loot[1][1]", [](MonsterTypeRecord& r) { r.loot_blessing[0] = 9; }},
      {"loot[3]",
       [](MonsterTypeRecord& r) {  // row 2 is empty, so row 3 is never read
         const size_t i = MonsterTypeRecord::LootIndex(3, 1);
         r.loot_type[i] = 117, r.loot_percent[i] = 10, r.loot_count_low[i] = 1;
         r.loot_count_high[i] = 1;
       }},
      {"loot[2]",
       [](MonsterTypeRecord& r) {  // a row whose first choice is empty is never read
         const size_t i = MonsterTypeRecord::LootIndex(2, 2);
         r.loot_type[i] = 117, r.loot_percent[i] = 10, r.loot_count_low[i] = 1;
         r.loot_count_high[i] = 1;
       }},
      // On-hit effects need their flag, and the flag its strength.
      {"on_hit", [](MonsterTypeRecord& r) { r.flags = monster_flag::kPoisonous; }},
      {"on_hit", [](MonsterTypeRecord& r) { r.on_hit_chance = 20; }},
      {"on_hit",
       [](MonsterTypeRecord& r) {
         r.flags = monster_flag::kDrainsAttribute, r.on_hit_chance = 40, r.on_hit_high = 100;
         r.on_hit_attribute = 9;
       }},
  };
  for (const auto& c : cases) {
    MonsterTypeRecord r = SoundRecord();
    c.change(r);
    const auto faults = ValidateMonsterRecord(r);
    bool found = false;
    for (const auto& f : faults) found = found || f.field == c.field;
    EXPECT_TRUE(found) << "expected a fault in " << c.field << ", got:\n" << FaultFields(faults);
  }
}

TEST(MonsterGrammar, NameFormsMustAgreeWithTheTypesGender) {
  const struct {
    int gender;
    const char* forms[4];
    bool sound;
  } cases[] = {
      {0, {"Гоблин-шаман", "гоблина-шамана", "гоблину-шаману", "гоблином-шаманом"}, true},
      {1, {"Большая крыса", "большую крысу", "большой крысе", "большой крысой"}, true},
      {1, {"Тень", "тень", "тени", "тенью"}, true},  // a noun in -ь keeps its nominative
      {2, {"Умертвие", "умертвие", "умертвию", "умертвием"}, true},
      {0, {"Чупакабра", "Чупакабру", "Чупакабре", "Чупакаброй"}, true},  // a name in -а
      {3, {"Крысы", "крыс", "крысам", "крысами"}, true},
      {0, {"Большая крыса", "большую крысу", "большой крысе", "большой крысой"}, false},
      {0, {"Крыса", "крысу", "крысе", "крысой"}, false},  // a common noun in -а
      {1, {"Паук", "паука", "пауку", "пауком"}, false},
      {2, {"Паук", "паука", "пауку", "пауком"}, false},
      {1, {"Крыса", "крыса", "крысе", "крысой"}, false},        // object left in the nominative
      {0, {"Гоблин", "гоблин", "гоблину", "гоблином"}, false},  // animate: the genitive
      {0, {"Гоблин", "гоблина", "гоблином", "гоблином"}, false},
      {0, {"гоблин", "гоблина", "гоблину", "гоблином"}, false},  // the nominative starts sentences
      {4, {"Гоблин", "гоблина", "гоблину", "гоблином"}, false},
  };
  for (const auto& c : cases) {
    MonsterTypeRecord r = SoundRecord();
    r.name = c.forms[0];
    r.name_object = c.forms[1];
    r.name_dative = c.forms[2];
    r.name_instrumental = c.forms[3];
    EXPECT_EQ(CheckMonsterGrammar(r, c.gender).empty(), c.sound) << c.forms[0] << " " << c.gender;
  }
  // "Раны " + object form + " залечиваются!" needs a genitive: "гоблина", never "крысу".
  MonsterTypeRecord r = SoundRecord();
  r.action_codes[2] = monster_action::kDrink;
  r.action_weights[2] = 2;
  r.action_limits[2] = 50;
  EXPECT_TRUE(CheckMonsterGrammar(r, 0).empty());
  r.name = "Крыса", r.name_object = "крысу", r.name_dative = "крысе",
  r.name_instrumental = "крысой";
  EXPECT_FALSE(CheckMonsterGrammar(r, 1).empty());
}

}  // namespace
}  // namespace zaldrun
