#include "state/affix_record.hpp"

#include <gtest/gtest.h>

#include <bit>

namespace zaldrun {
namespace {

int I16At(const std::vector<uint8_t>& b, size_t offset) {
  return static_cast<int16_t>(b[offset] | (b[offset + 1] << 8));
}

int32_t I32At(const std::vector<uint8_t>& b, size_t offset) {
  return static_cast<int32_t>(static_cast<uint32_t>(b[offset]) | (uint32_t{b[offset + 1]} << 8) |
                              (uint32_t{b[offset + 2]} << 16) | (uint32_t{b[offset + 3]} << 24));
}

float F32At(const std::vector<uint8_t>& b, size_t offset) {
  return std::bit_cast<float>(static_cast<uint32_t>(I32At(b, offset)));
}

AffixRecord SampleAffix() {
  AffixRecord a;
  a.level = 4;
  a.frequency = 18;
  a.allowed_mask = 0x1FFF;
  a.price_multiplier = 1.5f;
  a.price_addend = -150;
  for (int i = 0; i < 10; ++i) a.attribute_addends[i] = static_cast<int16_t>(i + 1);
  for (int i = 0; i < 9; ++i) a.resistance_addends[i] = static_cast<int16_t>(-1 - i);
  a.damage_multiplier = 1.25f;
  a.damage_addend = 2;
  a.attribute_multiplier = 0.75f;
  a.extra_damage_min = 2;
  a.extra_damage_max = 5;
  a.extra_damage_kind = 7;
  a.luck_addend = 3;
  a.health_addend = -20;
  a.mana_addend = 40;
  a.kind_flags = {8, 4096};
  a.special_codes = {2, 16};
  a.special_strengths = {0.5f, 2.0f};
  a.special_values = {3, -1};
  return a;
}

TEST(AffixRecordLayout, EveryFieldSitsAtItsOffset) {
  const std::vector<uint8_t> b = EncodeAffixRecord(SampleAffix());
  ASSERT_EQ(b.size(), kAffixRecordSize);
  EXPECT_EQ(b[0], 4);
  EXPECT_EQ(b[1], 18);
  EXPECT_EQ(I32At(b, 2), 0x1FFF);
  EXPECT_EQ(I32At(b, 6), 0);
  EXPECT_EQ(F32At(b, 10), 1.5f);
  EXPECT_EQ(I16At(b, 14), -150);
  EXPECT_EQ(I16At(b, 16), 1);
  EXPECT_EQ(I16At(b, 34), 10);
  EXPECT_EQ(I16At(b, 36), -1);
  EXPECT_EQ(I16At(b, 52), -9);
  EXPECT_EQ(F32At(b, 54), 1.25f);
  EXPECT_EQ(I16At(b, 58), 2);
  EXPECT_EQ(F32At(b, 60), 0.75f);
  EXPECT_EQ(I16At(b, 64), 2);
  EXPECT_EQ(I16At(b, 66), 5);
  EXPECT_EQ(b[68], 7);
  EXPECT_EQ(I16At(b, 69), 3);
  EXPECT_EQ(I16At(b, 71), -20);
  EXPECT_EQ(I16At(b, 73), 40);
  EXPECT_EQ(I32At(b, 75), 8);
  EXPECT_EQ(I32At(b, 79), 4096);
  EXPECT_EQ(b[83], 2);
  EXPECT_EQ(b[84], 16);
  EXPECT_EQ(F32At(b, 85), 0.5f);
  EXPECT_EQ(F32At(b, 89), 2.0f);
  EXPECT_EQ(I16At(b, 93), 3);
  EXPECT_EQ(I16At(b, 95), -1);
}

TEST(AffixRecordLayout, RoundTripAndWrongLengths) {
  const AffixRecord a = SampleAffix();
  AffixRecord decoded;
  std::vector<uint8_t> bytes = EncodeAffixRecord(a);
  ASSERT_TRUE(DecodeAffixRecord(bytes, &decoded));
  EXPECT_EQ(decoded, a);
  bytes.push_back(0);
  EXPECT_FALSE(DecodeAffixRecord(bytes, &decoded));
  EXPECT_EQ(EncodeAffixRecord(EndOfListAffix()), std::vector<uint8_t>(kAffixRecordSize, 0));
}

TEST(AffixRecordChecks, RangesAreEnforced) {
  EXPECT_TRUE(ValidateAffixRecord(SampleAffix()).empty());
  EXPECT_TRUE(ValidateAffixRecord(EndOfListAffix()).empty());

  AffixRecord a = SampleAffix();
  a.level = 51;
  EXPECT_FALSE(ValidateAffixRecord(a).empty());
  a = SampleAffix();
  a.frequency = 0;
  EXPECT_FALSE(ValidateAffixRecord(a).empty());
  a = SampleAffix();
  a.allowed_mask = 0x2000;
  EXPECT_FALSE(ValidateAffixRecord(a).empty());
  a = SampleAffix();
  a.kind_flags[0] = 8 + 16;  // two bits at once cannot be added bit by bit
  EXPECT_FALSE(ValidateAffixRecord(a).empty());
  a = SampleAffix();
  a.kind_flags[1] = 2048;  // no such property
  EXPECT_FALSE(ValidateAffixRecord(a).empty());
  a = SampleAffix();
  a.extra_damage_kind = 0;
  EXPECT_FALSE(ValidateAffixRecord(a).empty()) << "damage without a kind";
  a = SampleAffix();
  a.damage_multiplier = std::bit_cast<float>(0x7FC00000u);
  EXPECT_FALSE(ValidateAffixRecord(a).empty()) << "not a number";
  a = SampleAffix();
  a.special_codes[0] = 17;
  EXPECT_FALSE(ValidateAffixRecord(a).empty());
  a = EndOfListAffix();
  a.frequency = 3;  // a list end must be empty
  EXPECT_FALSE(ValidateAffixRecord(a).empty());
}

}  // namespace
}  // namespace zaldrun
