#include "records/affix_record.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <utility>

#include "support/record_bytes.hpp"

namespace zaldrun {
namespace {

using testing::ExpectOffsets;
using testing::PutOffsets;

TEST(AffixRecordLayout, EveryFieldSitsAtItsOffsetAndDecodesBack) {
  using A = AffixRecord;
  A a;
  a.level = 7;  // not 0, its offset: a list end
  a.frequency = 1;
  a.allowed_mask = 2;
  a.unused = 6;
  a.price_multiplier = 10;
  a.damage_multiplier = 54;
  a.attribute_multiplier = 60;
  a.extra_damage_kind = 68;
  PutOffsets(a.attribute_addends, 16, 2);
  PutOffsets(a.resistance_addends, 36, 2);
  PutOffsets(a.kind_flags, 75, 4);
  PutOffsets(a.special_codes, 83, 1);
  PutOffsets(a.special_strengths, 85, 4);
  PutOffsets(a.special_values, 93, 2);
  const std::pair<int16_t A::*, int> shorts[] = {
      {&A::price_addend, 14},     {&A::damage_addend, 58}, {&A::extra_damage_min, 64},
      {&A::extra_damage_max, 66}, {&A::luck_addend, 69},   {&A::health_addend, 71},
      {&A::mana_addend, 73}};
  for (const auto& [field, at] : shorts) a.*field = static_cast<int16_t>(at);

  const std::vector<uint8_t> b = EncodeAffixRecord(a);
  ASSERT_EQ(b.size(), kAffixRecordSize);
  const int runs[][3] = {// offset, fields, bytes each
                         {1, 1, 1},  {2, 2, 4},  {14, 20, 2}, {36, 9, 2}, {58, 1, 2}, {64, 2, 2},
                         {68, 1, 1}, {69, 3, 2}, {75, 2, 4},  {83, 2, 1}, {93, 2, 2}};
  for (const auto& [at, count, width] : runs) ExpectOffsets(b, at, count, width);
  EXPECT_EQ(b[0], 7);
  for (int at : {10, 54, 60, 85, 89}) EXPECT_EQ(testing::F32At(b, at), at);

  A decoded;
  ASSERT_TRUE(DecodeAffixRecord(b, &decoded));
  EXPECT_EQ(decoded, a);
  EXPECT_FALSE(DecodeAffixRecord(std::span(b).first(96), &decoded));
  EXPECT_EQ(EncodeAffixRecord(EndOfListAffix()), std::vector<uint8_t>(kAffixRecordSize, 0));
}

// The range checks the compiler's error tests do not reach.
TEST(AffixRecordChecks, RangesAreEnforced) {
  AffixRecord sound;
  sound.level = 4;
  sound.frequency = 18;
  sound.allowed_mask = 0x1FFF;
  sound.kind_flags = {8, 4096};
  sound.special_codes = {2, 16};
  sound.special_strengths = {0.5f, 2.0f};
  EXPECT_TRUE(ValidateAffixRecord(sound).empty());
  using Change = void (*)(AffixRecord&);
  const Change faults[] = {
      [](AffixRecord& a) { a.allowed_mask = 0x2000; },
      [](AffixRecord& a) { a.kind_flags[0] = 8 + 16; },  // two bits cannot be added bit by bit
      [](AffixRecord& a) { a.kind_flags[1] = 2048; },    // no such property
      [](AffixRecord& a) { a.extra_damage_max = 5; },    // damage without a kind
      [](AffixRecord& a) { a.damage_multiplier = std::bit_cast<float>(0x7FC00000u); },  // NaN
      [](AffixRecord& a) { a.special_codes[0] = 17; },
      [](AffixRecord& a) { a = EndOfListAffix(), a.frequency = 3; },  // a list end is empty
  };
  for (size_t i = 0; i < std::size(faults); ++i) {
    AffixRecord a = sound;
    faults[i](a);
    EXPECT_FALSE(ValidateAffixRecord(a).empty()) << "case " << i;
  }
}

}  // namespace
}  // namespace zaldrun
