#include "state/item_record.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>

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

std::string BytesAt(const std::vector<uint8_t>& b, size_t offset, size_t count) {
  return std::string(b.begin() + static_cast<std::ptrdiff_t>(offset),
                     b.begin() + static_cast<std::ptrdiff_t>(offset + count));
}

// A long sword as a record, with every field set to a value of its own.
ItemDescription SampleSword() {
  ItemDescription d;
  d.name_one = "Меч";
  d.name_many = "Мечей";
  d.name_few = "Меча";
  d.unknown_one = "Клинок";
  d.unknown_many = "Клинков";
  d.unknown_few = "Клинка";
  d.blessing_weights = {10, 80, 11};
  d.material_weights.fill(kPaddingByte);
  d.material_choices.fill(kPaddingByte);
  d.material_weights[0] = 60;
  d.material_weights[1] = 40;
  d.material_choices[0] = 1;
  d.material_choices[1] = 3;
  d.handler = "pHeal";
  d.damage_min = {3, 1, 0, 0};
  d.damage_max = {9, 4, 0, 0};
  d.damage_kind = {1, 5, 0, 0};
  d.second_bonus_low = -2;
  d.second_bonus_high = 2;
  for (int i = 0; i < 10; ++i) d.attribute_modifiers[i] = static_cast<int16_t>(i + 1);
  d.slot = 6;
  d.first_bonus_low = -3;
  d.first_bonus_high = 7;
  for (int i = 0; i < 9; ++i) d.resistances[i] = static_cast<int16_t>(-i);
  d.luck = 5;
  d.health_bonus = -300;
  d.mana_bonus = 1000;
  d.kind = 131072 + 4;
  d.special_codes = {2, 3, 0, 0};
  d.special_strengths = {0.5f, 1.25f, 0.0f, 0.0f};
  d.special_values = {3, -4, 0, 0};
  d.stack_min = 2;
  d.stack_max = 513;
  d.unused_last = 0;
  return d;
}

TEST(ItemRecordLayout, EveryFieldSitsAtItsOffset) {
  const std::vector<uint8_t> b = EncodeItemDescription(SampleSword());
  ASSERT_EQ(b.size(), kItemRecordSize);
  // Names: Windows-1251, blank-padded to 30.
  EXPECT_EQ(BytesAt(b, 0, 30), "\xCC\xE5\xF7" + std::string(27, ' '));
  EXPECT_EQ(BytesAt(b, 30, 5), "\xCC\xE5\xF7\xE5\xE9");
  EXPECT_EQ(BytesAt(b, 60, 5), "\xCC\xE5\xF7\xE0 ");
  EXPECT_EQ(BytesAt(b, 90, 7), "\xCA\xEB\xE8\xED\xEE\xEA ");
  EXPECT_EQ(b[120], 0xCA);
  EXPECT_EQ(BytesAt(b, 150, 6), "\xCA\xEB\xE8\xED\xEA\xE0");
  EXPECT_EQ(b[179], ' ');
  // Blessing and material weights as character codes, blanks after the last choice.
  EXPECT_EQ(BytesAt(b, 180, 3), std::string("\x0A\x50\x0B"));
  EXPECT_EQ(b[183], 60);
  EXPECT_EQ(b[184], 40);
  EXPECT_EQ(b[185], ' ');
  EXPECT_EQ(b[193], 1);
  EXPECT_EQ(b[194], 3);
  EXPECT_EQ(b[202], ' ');
  EXPECT_EQ(BytesAt(b, 203, 12), "pHeal       ");
  EXPECT_EQ(BytesAt(b, 215, 12), std::string(12, ' '));
  EXPECT_EQ(I16At(b, 227), 3);
  EXPECT_EQ(I16At(b, 229), 1);
  EXPECT_EQ(I16At(b, 235), 9);
  EXPECT_EQ(I16At(b, 237), 4);
  EXPECT_EQ(b[243], 1);
  EXPECT_EQ(b[244], 5);
  EXPECT_EQ(I16At(b, 247), -2);
  EXPECT_EQ(I16At(b, 249), 2);
  EXPECT_EQ(I16At(b, 251), 1);
  EXPECT_EQ(I16At(b, 269), 10);
  EXPECT_EQ(b[271], 6);
  EXPECT_EQ(I16At(b, 272), -3);
  EXPECT_EQ(I16At(b, 274), 7);
  EXPECT_EQ(I16At(b, 276), 0);
  EXPECT_EQ(I16At(b, 292), -8);
  EXPECT_EQ(I16At(b, 294), 5);
  EXPECT_EQ(I16At(b, 296), -300);
  EXPECT_EQ(I16At(b, 298), 1000);
  EXPECT_EQ(I32At(b, 300), 131076);
  EXPECT_EQ(b[304], 2);
  EXPECT_EQ(b[305], 3);
  EXPECT_EQ(F32At(b, 308), 0.5f);
  EXPECT_EQ(F32At(b, 312), 1.25f);
  EXPECT_EQ(I16At(b, 324), 3);
  EXPECT_EQ(I16At(b, 326), -4);
  EXPECT_EQ(I16At(b, 332), 2);
  EXPECT_EQ(I16At(b, 334), 513);
  EXPECT_EQ(b[336], 0);
}

TEST(ItemRecordLayout, DecodeGivesBackWhatWasEncoded) {
  const ItemDescription sword = SampleSword();
  ItemDescription decoded;
  ASSERT_TRUE(DecodeItemDescription(EncodeItemDescription(sword), &decoded));
  EXPECT_EQ(decoded, sword);
  EXPECT_EQ(decoded.MaterialCount(), 2);
}

TEST(ItemRecordLayout, DecodeRefusesAWrongLength) {
  std::vector<uint8_t> bytes = EncodeItemDescription(SampleSword());
  ItemDescription decoded;
  bytes.pop_back();
  EXPECT_FALSE(DecodeItemDescription(bytes, &decoded));
  bytes.push_back(0);
  bytes.push_back(0);
  EXPECT_FALSE(DecodeItemDescription(bytes, &decoded));
}

// A sound one-handed sword of class 2, masculine: the base every check below spoils once.
ItemDescription SoundSword() {
  ItemDescription d = SampleSword();
  d.handler.clear();
  d.damage_min = {3, 0, 0, 0};
  d.damage_max = {9, 0, 0, 0};
  d.damage_kind = {1, 0, 0, 0};
  d.health_bonus = 0;
  d.mana_bonus = 0;
  d.stack_min = d.stack_max = 1;
  return d;
}

const ItemRecordContext kSword{0, 2, 0, AppearancePool::kNone};

bool HasErrorAbout(const std::vector<std::string>& errors, std::string_view field) {
  return std::any_of(errors.begin(), errors.end(),
                     [&](const std::string& e) { return e.find(field) != std::string::npos; });
}

TEST(ItemRecordChecks, ASoundRecordPasses) {
  EXPECT_EQ(ValidateItemRecord(SoundSword(), kSword), std::vector<std::string>{});
}

TEST(ItemRecordChecks, RefusesBrokenWeightsAndStacks) {
  ItemDescription d = SoundSword();
  d.blessing_weights = {0, 0, 0};
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, kSword), "blessing_weights"));

  d = SoundSword();
  d.material_weights[0] = d.material_weights[1] = 0;
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, kSword), "no material 1..20"));

  d = SoundSword();
  d.material_choices[1] = 21;
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, kSword), "outside 1..20"));

  d = SoundSword();
  d.material_weights[1] = kPaddingByte;  // would be trimmed away with the padding
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, kSword), "padding"));

  d = SoundSword();
  d.stack_min = 0;
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, kSword), "stack"));
}

TEST(ItemRecordChecks, SlotsFollowTheCategory) {
  ItemDescription d = SoundSword();
  d.slot = 3;
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, kSword), "slot"));
  d.slot = 12;  // a sword is no launcher
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, kSword), "slot"));
  d.slot = 7;
  EXPECT_FALSE(HasErrorAbout(ValidateItemRecord(d, kSword), "slot"));
  const ItemRecordContext bow{0, 9, 0, AppearancePool::kNone};
  d.slot = 12;
  EXPECT_FALSE(HasErrorAbout(ValidateItemRecord(d, bow), "slot"));
  const ItemRecordContext shield{1, 0, 0, AppearancePool::kNone};
  d = SoundSword();
  d.damage_min = d.damage_max = {0, 0, 0, 0};
  d.damage_kind = {0, 0, 0, 0};
  d.special_codes = {0, 0, 0, 0};
  d.special_strengths = {0, 0, 0, 0};
  d.special_values = {0, 0, 0, 0};
  EXPECT_EQ(ValidateItemRecord(d, shield), std::vector<std::string>{});
  d.slot = 9;  // bracelets are jewellery
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, shield), "slot"));
}

TEST(ItemRecordChecks, NonWeaponsDealNoDamage) {
  ItemDescription d = SoundSword();
  d.slot = 3;
  const ItemRecordContext armour{1, 0, 0, AppearancePool::kNone};
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, armour), "only weapons"));
}

TEST(ItemRecordChecks, WandsAimOnlyAsTheGameReads) {
  ItemDescription d;
  d.name_one = "Жезл Огня";
  d.name_many = "Жезлов Огня";
  d.name_few = "Жезла Огня";
  d.unknown_one = "Жезл";
  d.unknown_many = "Жезлов";
  d.unknown_few = "Жезла";
  d.blessing_weights = {1, 1, 1};
  d.material_weights.fill(kPaddingByte);
  d.material_choices.fill(kPaddingByte);
  d.material_weights[0] = 1;
  d.material_choices[0] = 5;
  d.handler = "wBreath";
  d.first_bonus_low = 3;
  d.first_bonus_high = 8;
  d.second_bonus_low = 2;
  const ItemRecordContext wand{7, 0, 0, AppearancePool::kWand};
  EXPECT_EQ(ValidateItemRecord(d, wand), std::vector<std::string>{});
  d.second_bonus_low = 3;
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, wand), "aiming"));
  d.second_bonus_low = 1;
  d.unknown_one = "Кривой Жезл";
  d.unknown_many = "Кривых Жезлов";
  d.unknown_few = "Кривых Жезла";
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, wand), "bare noun"));
}

TEST(ItemRecordChecks, ScrollFlagsTakeOnlyTheirTwoValues) {
  ItemDescription d;
  d.name_one = d.unknown_one = "Свиток";
  d.name_many = d.unknown_many = "Свитков";
  d.name_few = d.unknown_few = "Свитка";
  d.blessing_weights = {1, 1, 1};
  d.material_weights.fill(kPaddingByte);
  d.material_choices.fill(kPaddingByte);
  d.material_weights[0] = 1;
  d.material_choices[0] = 5;
  d.handler = "sID";
  const ItemRecordContext scroll{5, 0, 0, AppearancePool::kScroll};
  d.attribute_modifiers[0] = 2;
  d.attribute_modifiers[1] = 1;
  EXPECT_EQ(ValidateItemRecord(d, scroll), std::vector<std::string>{});
  d.attribute_modifiers[0] = 1;
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, scroll), "used_up"));
  d.attribute_modifiers[0] = 0;
  d.attribute_modifiers[1] = 2;
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, scroll), "needs_target"));
  d.attribute_modifiers[1] = 0;
  d.attribute_modifiers[4] = 3;
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, scroll), "scrolls have no attribute"));
}

TEST(ItemRecordChecks, PoolNamesStartAsTheNameBuilderExpects) {
  ItemDescription d;
  d.name_one = "Амулет Удачи";
  d.name_many = "Амулетов Удачи";
  d.name_few = "Амулета Удачи";
  d.unknown_one = "Амулет";
  d.unknown_many = "Амулетов";
  d.unknown_few = "Амулета";
  d.blessing_weights = {1, 1, 1};
  d.material_weights.fill(kPaddingByte);
  d.material_choices.fill(kPaddingByte);
  d.material_weights[0] = 1;
  d.material_choices[0] = 5;
  d.slot = 2;
  const ItemRecordContext amulet{3, 0, 0, AppearancePool::kAmulet};
  EXPECT_EQ(ValidateItemRecord(d, amulet), std::vector<std::string>{});
  const ItemRecordContext ring{3, 0, 0, AppearancePool::kRing};
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, ring), "\"К\""));
  const ItemRecordContext no_pool{3, 0, 0, AppearancePool::kNone};
  EXPECT_TRUE(HasErrorAbout(ValidateItemRecord(d, no_pool), "without a pool"));
}

TEST(NameForms, AgreementOfNumberAndGender) {
  EXPECT_TRUE(CheckNameForms("name", "Широкий меч", "Широких мечей", "Широких меча", 0).empty());
  EXPECT_TRUE(CheckNameForms("name", "Лёгкое Копье", "Лёгких Копий", "Лёгких Копья", 2).empty());
  EXPECT_TRUE(CheckNameForms("name", "Вилы", "Вил", "Вил", 3).empty());
  EXPECT_TRUE(
      CheckNameForms("name", "Утренняя Звезда", "Утренних Звёзд", "Утренних Звезды", 1).empty());
  // The adjective shows a gender the type does not have.
  EXPECT_FALSE(CheckNameForms("name", "Широкая меч", "Широких мечей", "Широких меча", 0).empty());
  // After numbers the adjective must be genitive plural.
  EXPECT_FALSE(CheckNameForms("name", "Широкий меч", "Широкие мечей", "Широких меча", 0).empty());
  // Copied forms and missing forms.
  EXPECT_FALSE(CheckNameForms("name", "Меч", "Меч", "Меча", 0).empty());
  EXPECT_FALSE(CheckNameForms("name", "Меч", "Мечей", "Мечей", 0).empty());
  EXPECT_FALSE(CheckNameForms("name", "Меч", "", "Меча", 0).empty());
  // Words lost in one form.
  EXPECT_FALSE(CheckNameForms("name", "Свиток Опыта", "Свитков", "Свитка Опыта", 0).empty());
  // Blanks and width.
  EXPECT_FALSE(CheckNameForms("name", "Меч  Света", "Мечей  Света", "Меча  Света", 0).empty());
  EXPECT_FALSE(CheckNameForms("name", std::string(31, 'x'), "a", "b", 0).empty());
}

TEST(ItemWords, WordsAndValuesMapBothWays) {
  int value = 0;
  ASSERT_TRUE(ItemValueOf(ItemSlotWords(), "two_hands", &value));
  EXPECT_EQ(value, 7);
  EXPECT_EQ(ItemWordOf(ItemAttributeWords(), 1), "defence");
  EXPECT_EQ(ItemWordOf(ItemProtectionWords(), 4), "fire");
  EXPECT_FALSE(ItemValueOf(ItemPropertyWords(), "flying", &value));
  EXPECT_EQ(KnownKindBits() & 2048, 0);
  EXPECT_NE(KnownKindBits() & 524288, 0);
}

}  // namespace
}  // namespace zaldrun
