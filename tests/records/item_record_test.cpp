#include "records/item_record.hpp"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "support/record_bytes.hpp"

namespace zaldrun {
namespace {

using testing::ExpectOffsets;
using testing::Padded;
using testing::PutOffsets;
using testing::TextAt;

TEST(ItemRecordLayout, EveryFieldSitsAtItsOffsetAndDecodesBack) {
  ItemDescription d;
  d.name_one = "Меч";
  d.name_many = "Б";
  d.name_few = "В";
  d.unknown_one = "Г";
  d.unknown_many = "Д";
  d.unknown_few = "Е";
  d.handler = "pHeal";
  d.kind = 300;
  PutOffsets(d.blessing_weights, 180, 1);
  PutOffsets(d.material_weights, 183, 1);
  PutOffsets(d.material_choices, 193, 1);
  PutOffsets(d.damage_min, 227, 2);
  PutOffsets(d.damage_max, 235, 2);
  PutOffsets(d.damage_kind, 243, 1);
  PutOffsets(d.attribute_modifiers, 251, 2);
  PutOffsets(d.resistances, 276, 2);
  PutOffsets(d.special_codes, 304, 1);
  PutOffsets(d.special_strengths, 308, 4);
  PutOffsets(d.special_values, 324, 2);
  using D = ItemDescription;
  const std::pair<int16_t D::*, int> shorts[] = {{&D::second_bonus_low, 247},
                                                 {&D::second_bonus_high, 249},
                                                 {&D::first_bonus_low, 272},
                                                 {&D::first_bonus_high, 274},
                                                 {&D::luck, 294},
                                                 {&D::health_bonus, 296},
                                                 {&D::mana_bonus, 298},
                                                 {&D::stack_min, 332},
                                                 {&D::stack_max, 334}};
  for (const auto& [field, at] : shorts) d.*field = static_cast<int16_t>(at);
  d.slot = 271 & 0xFF;
  d.survival = 336 & 0xFF;

  const std::vector<uint8_t> b = EncodeItemDescription(d);
  ASSERT_EQ(b.size(), kItemRecordSize);
  // Names in Windows-1251, blank-padded to 30; the handlers to 12.
  EXPECT_EQ(TextAt(b, 0, 180), Padded("\xCC\xE5\xF7", 30) + Padded("\xC1", 30) +
                                   Padded("\xC2", 30) + Padded("\xC3", 30) + Padded("\xC4", 30) +
                                   Padded("\xC5", 30));
  EXPECT_EQ(TextAt(b, 203, 24), Padded("pHeal", 24));
  const int runs[][3] = {// offset, fields, bytes each
                         {180, 23, 1}, {227, 8, 2}, {243, 4, 1}, {247, 12, 2}, {271, 1, 1},
                         {272, 14, 2}, {300, 1, 4}, {304, 4, 1}, {324, 6, 2},  {336, 1, 1}};
  for (const auto& [at, count, width] : runs) ExpectOffsets(b, at, count, width);
  for (int at = 308; at < 324; at += 4) EXPECT_EQ(testing::F32At(b, at), at);

  ItemDescription decoded;
  ASSERT_TRUE(DecodeItemDescription(b, &decoded));
  EXPECT_EQ(decoded, d);
  EXPECT_FALSE(DecodeItemDescription(std::span(b).first(336), &decoded));
}

// A sound record of the context's kind: a one-handed sword, a shield or a scroll.
ItemDescription Sound(const ItemRecordContext& c) {
  const bool scroll = c.category == 5;
  ItemDescription d;
  d.name_one = d.unknown_one = scroll ? "Свиток" : "Меч";
  d.name_many = d.unknown_many = scroll ? "Свитков" : "Мечей";
  d.name_few = d.unknown_few = scroll ? "Свитка" : "Меча";
  d.handler = scroll ? "sID" : "";
  d.blessing_weights = {10, 80, 11};
  d.material_weights.fill(kPaddingByte);
  d.material_choices.fill(kPaddingByte);
  d.material_weights[0] = 1;
  d.material_choices[0] = 5;
  d.slot = scroll ? 0 : 6;
  if (c.category == 0) {
    d.damage_min[0] = 3;
    d.damage_max[0] = 9;
    d.damage_kind[0] = 1;
  }
  return d;
}

// The checks the compiler's error tests do not reach.
TEST(ItemRecordChecks, EachFaultNamesItsField) {
  const ItemRecordContext sword{0, 2, 0, AppearancePool::kNone};
  const ItemRecordContext armour{1, 0, 0, AppearancePool::kNone};
  const ItemRecordContext scroll{5, 0, 0, AppearancePool::kScroll};
  const ItemRecordContext ring{3, 0, 0, AppearancePool::kNone};
  using Change = void (*)(ItemDescription&);
  const std::tuple<ItemRecordContext, Change, const char*> cases[] = {
      // "" for sound
      {sword, [](ItemDescription&) {}, ""},
      {sword, [](ItemDescription& d) { d.material_choices[0] = 21; }, "outside 1..20"},
      // A weight of 32 would be trimmed away with the padding.
      {sword, [](ItemDescription& d) { d.material_weights[0] = kPaddingByte; }, "padding"},
      {sword, [](ItemDescription& d) { d.slot = 12; }, "slot"},  // a sword is no launcher
      {armour, [](ItemDescription&) {}, ""},                     // a shield, held in one hand
      {armour, [](ItemDescription& d) { d.slot = 9; }, "slot"},  // bracelets are jewellery
      {armour, [](ItemDescription& d) { d.damage_max[0] = 9; }, "only weapons"},
      {ring, [](ItemDescription& d) { d.unknown_one = "Клинок"; }, "without a pool"},  // "К"
      {scroll, [](ItemDescription& d) { d.attribute_modifiers[0] = 1; }, "used_up"},
      {scroll, [](ItemDescription& d) { d.attribute_modifiers[1] = 2; }, "needs_target"},
      {scroll, [](ItemDescription& d) { d.attribute_modifiers[4] = 3; }, "no attribute"},
  };
  for (const auto& [context, change, error] : cases) {
    ItemDescription d = Sound(context);
    change(d);
    std::string errors;
    for (const std::string& e : ValidateItemRecord(d, context)) errors += e + "\n";
    if (*error == '\0') {
      EXPECT_EQ(errors, "");
    } else {
      EXPECT_NE(errors.find(error), std::string::npos) << error << " among:\n" << errors;
    }
  }
}

// Sound forms are the data's: every name of items.toml passes. These must not.
TEST(NameForms, MustAgreeInNumberAndGender) {
  const char* const cases[][3] = {
      {"Широкая меч", "Широких мечей", "Широких меча"},  // the adjective's gender
      {"Широкий меч", "Широкие мечей", "Широких меча"},  // not genitive plural
      {"Меч", "Меч", "Меча"},
      {"Свиток Опыта", "Свитков", "Свитка Опыта"},    // a word lost in one form
      {"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", "a", "b"},  // wider than 30 bytes
  };
  for (const auto& forms : cases) {
    EXPECT_FALSE(CheckNameForms("name", forms[0], forms[1], forms[2], 0).empty())
        << forms[0] << " / " << forms[1] << " / " << forms[2];
  }
}

}  // namespace
}  // namespace zaldrun
