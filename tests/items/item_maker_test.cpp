// Making items: blessing, count, material, charge and affix requests; the random choice of types
// and affixes by their windows; affixes applied to a description; the percentage pick.
#include "items/item_maker.hpp"

#include <gtest/gtest.h>

#include <set>

#include "item_game.hpp"
#include "items/item_types.hpp"

namespace zaldrun {
namespace {

namespace tt = testing::test_type;
constexpr int kDraws = 400;

class ItemMaker : public ::testing::Test {
 protected:
  ItemDescription& Description(int type) { return game_->data.items.descriptions[type - 1]; }
  ItemRecord Make(const ItemRequest& request) {
    const std::optional<ItemRecord> item = MakeItem(*game_, request);
    EXPECT_TRUE(item.has_value()) << request.type;
    return item.value_or(ItemRecord{});
  }

  std::unique_ptr<Game> game_ = testing::NewItemGame();
};

TEST_F(ItemMaker, BlessingRequestsDrawKnownOrUnknownStatesByTheTypesWeights) {
  std::set<int> unknown;
  std::set<int> known;
  for (int i = 0; i < kDraws; ++i) {
    unknown.insert(Make({.type = tt::kShortSword, .blessing = blessing::kRandomUnknown}).blessing);
    known.insert(Make({.type = tt::kShortSword, .blessing = blessing::kRandomKnown}).blessing);
  }
  EXPECT_EQ(unknown, (std::set<int>{3, 4, 5}));
  EXPECT_EQ(known, (std::set<int>{0, 1, 2}));

  Description(tt::kShortSword).blessing_weights = {0, 0, 9};
  EXPECT_EQ(Make({.type = tt::kShortSword, .blessing = blessing::kRandomUnknown}).blessing, 5);
  EXPECT_EQ(Make({.type = tt::kShortSword, .blessing = blessing::kRandomKnown}).blessing, 2);
  for (int state = 0; state <= 5; ++state) {
    EXPECT_EQ(Make({.type = tt::kShortSword, .blessing = state}).blessing, state);
  }
  EXPECT_FALSE(MakeItem(*game_, {.type = tt::kShortSword, .blessing = 8}).has_value());
}

TEST_F(ItemMaker, CountsAreGivenOrDrawnFromTheStackRange) {
  EXPECT_EQ(Make({.type = tt::kHealingPotion, .count = 3}).count, 3);
  EXPECT_EQ(Make({.type = tt::kHealingPotion, .count = 0}).count, 0);
  std::set<int> counts;
  for (int i = 0; i < kDraws; ++i)
    counts.insert(Make({.type = tt::kHealingPotion, .count = -2}).count);
  EXPECT_EQ(counts, (std::set<int>{2, 4})) << "stack 1..2, twice";
}

TEST_F(ItemMaker, MaterialsAreGivenOrDrawnAndFaultsAreRefused) {
  EXPECT_EQ(Make({.type = tt::kShortSword, .material = 13}).material, 13);
  std::set<int> materials;
  for (int i = 0; i < kDraws; ++i) materials.insert(Make({.type = tt::kCudgel}).material);
  EXPECT_EQ(materials, (std::set<int>{9, 11, 12, 15, 16})) << "wood, oak, willow, stone, granite";

  testing::RecordingIo io;
  game_->session.io = &io;
  EXPECT_FALSE(MakeItem(*game_, {.type = tt::kShortSword, .material = 21}).has_value());
  ItemDescription& broken = Description(tt::kCudgel);
  broken.material_choices = {25, 32, 32, 32, 32, 32, 32, 32, 32, 32};
  broken.material_weights = {1, 32, 32, 32, 32, 32, 32, 32, 32, 32};
  EXPECT_FALSE(MakeItem(*game_, {.type = tt::kCudgel, .blessing = 7, .count = -1}).has_value());
  ASSERT_EQ(io.boxes.size(), 2u);
  EXPECT_EQ(io.boxes[1].first, "22 7 -1") << "type, blessing and count requests";
}

TEST_F(ItemMaker, WandsGetChargesOtherItemsBonuses) {
  for (int i = 0; i < kDraws; ++i) {
    const ItemRecord wand = Make({.type = tt::kWand});
    EXPECT_GE(wand.charges, 6);
    EXPECT_LE(wand.charges, 14);
    EXPECT_EQ(wand.bonus1, 0);
    const ItemRecord sword = Make({.type = tt::kShortSword, .charges = 7});
    EXPECT_EQ(sword.charges, 7) << "a value given by the maker";
    EXPECT_GE(sword.bonus1, -1);
    EXPECT_LE(sword.bonus1, 3);
  }
  EXPECT_EQ(Make({.type = tt::kWand, .charges = 3}).charges, 3);
}

TEST_F(ItemMaker, KnownTypesAreMadeIdentified) {
  EXPECT_EQ(Make({.type = tt::kApple}).identified, 1);
  EXPECT_EQ(Make({.type = tt::kShortSword}).identified, 0);
  EXPECT_EQ(Make({.type = tt::kShortSword, .identified = 1}).identified, 1);
  game_->world.item_types[tt::kShortSword].knowledge = 1;
  EXPECT_EQ(Make({.type = tt::kShortSword}).identified, 1);
}

TEST_F(ItemMaker, AffixRequestsAndTypesThatRefuseAffixes) {
  for (int i = 0; i < kDraws; ++i) {
    const ItemRecord rusty = Make({.type = tt::kRustySword});
    EXPECT_EQ(rusty.prefix, 0);
    EXPECT_EQ(rusty.suffix, 0);
    const ItemRecord potion = Make({.type = tt::kHealingPotion});
    EXPECT_EQ(potion.prefix + potion.suffix, 0) << "no slot, no affixes";
  }
  const ItemRecord given = Make({.type = tt::kRustySword, .prefix = 5, .suffix = 0});
  EXPECT_EQ(given.prefix, 5);
  EXPECT_FALSE(MakeItem(*game_, {.type = tt::kShortSword, .prefix = 201}).has_value());
  EXPECT_FALSE(MakeItem(*game_, {.type = 0}).has_value());
  EXPECT_FALSE(MakeItem(*game_, {.type = 208}).has_value());
}

TEST_F(ItemMaker, AffixesComeFromTheLevelsWindowAndFitTheItem) {
  game_->world.level.item_min_level = 3;
  game_->world.level.item_max_level = 4;
  int chosen = 0;
  for (int i = 0; i < 3000; ++i) {
    const AffixChoice choice = ChooseAffixes(*game_, tt::kShortSword);
    for (const int record : {int{choice.prefix}, choice.suffix == 0 ? 0 : choice.suffix + 200}) {
      if (record == 0) continue;
      ++chosen;
      const AffixRecord& affix = game_->data.items.affixes[static_cast<size_t>(record - 1)];
      EXPECT_GE(affix.level, 3);
      EXPECT_LE(affix.level, 4);
      EXPECT_NE(affix.allowed_mask & 1, 0) << "fits short blades in one hand: " << record;
    }
  }
  EXPECT_GT(chosen, 300) << "a weapon takes an affix 11 times in 50";
  game_->world.level.item_min_level = 60;
  game_->world.level.item_max_level = 70;
  for (int i = 0; i < kDraws; ++i) {
    const AffixChoice choice = ChooseAffixes(*game_, tt::kShortSword);
    EXPECT_EQ(choice.prefix + choice.suffix, 0) << "no candidates";
  }
}

TEST_F(ItemMaker, TypesComeFromTheRequestedCategoryAndWindows) {
  const std::set<int> level_one_weapons = {5, 19, 22, 56, 57};
  for (int i = 0; i < kDraws; ++i) {
    EXPECT_TRUE(level_one_weapons.contains(ChooseItemType(*game_, 1, 1, 0, 0, 100000)));
    const int cheap = ChooseItemType(*game_, 1, 50, kAnyCategory, 0, 10);
    EXPECT_LE(game_->world.item_types[static_cast<size_t>(cheap)].price, 10);
    const int not_potion = ChooseItemType(*game_, 1, 50, 14, 0, 100000);
    EXPECT_NE(game_->world.item_types[static_cast<size_t>(not_potion)].category, 4);
    const int no_books = ChooseItemType(*game_, 1, 50, 6, 0, 100000);
    EXPECT_NE(no_books, 0) << "an empty requested category falls back to the others";
  }
}

TEST_F(ItemMaker, ChoosingGivesUpWhenEveryCategoryFailed) {
  EXPECT_EQ(ChooseItemType(*game_, 0, 0, kAnyCategory, 0, 100000), 0);
  EXPECT_EQ(ChooseItemType(*game_, 1, 50, 2, 200000, 300000), 0);
  // Level 200 types exist but are never drawn (frequency 0).
  EXPECT_EQ(ChooseItemType(*game_, 200, 200, 4, 0, 100000), 0);
}

TEST_F(ItemMaker, AffixesChangeTheCurrentDescription) {
  AffixRecord& affix = game_->data.items.affixes[0];
  affix = AffixRecord{.level = 1, .frequency = 1};
  affix.attribute_multiplier = 1.5f;
  affix.attribute_addends[0] = 2;
  affix.attribute_addends[9] = -1;
  affix.resistance_addends[1] = 3;
  affix.damage_multiplier = 2.0f;
  affix.damage_addend = 1;
  affix.luck_addend = 4;
  affix.kind_flags = {4, 1};
  affix.special_codes = {3, 0};
  affix.special_strengths = {0.5f, 0};
  affix.special_values = {2, 0};
  affix.extra_damage_kind = 5;
  affix.extra_damage_min = 1;
  affix.extra_damage_max = 3;

  LoadItemDescription(*game_, tt::kShortSword);
  ItemDescription& d = game_->data.items.current;
  d.attribute_modifiers[0] = 3;
  d.kind = 1;
  d.damage_kind = {1, 6, 0, 0};
  const ItemDescription before = d;
  ASSERT_TRUE(ApplyAffix(*game_, 1));
  EXPECT_EQ(d.attribute_modifiers[0], 6) << "Round(4.5) is 4, then +2";
  EXPECT_EQ(d.attribute_modifiers[9], before.attribute_modifiers[9] - 1);
  EXPECT_EQ(d.resistances[1], before.resistances[1] + 3);
  EXPECT_EQ(d.damage_min[0], before.damage_min[0] * 2 + 1);
  EXPECT_EQ(d.damage_max[0], before.damage_max[0] * 2 + 1);
  EXPECT_EQ(d.luck, before.luck + 4);
  EXPECT_EQ(d.kind, 5) << "flag 4 added, flag 1 already there";
  EXPECT_EQ(d.special_codes[0], 3);
  EXPECT_FLOAT_EQ(d.special_strengths[0], 0.5f);
  EXPECT_EQ(d.special_values[0], 2);
  EXPECT_EQ(d.damage_kind[2], 5) << "the first free extra-damage entry after the cold one";
  EXPECT_EQ(d.damage_max[2], before.damage_max[2] + 3);

  const ItemDescription after = d;
  EXPECT_TRUE(ApplyAffix(*game_, 0));
  EXPECT_TRUE(ApplyAffix(*game_, 200));
  EXPECT_FALSE(ApplyAffix(*game_, 401));
  EXPECT_FALSE(ApplyAffix(*game_, 399)) << "past the end of the suffix list";
  EXPECT_EQ(d, after);
}

TEST(PercentPick, PicksByPercentagesOrNothing) {
  Game game;
  std::set<char> seen;
  for (int i = 0; i < kDraws; ++i) {
    seen.insert(PercentPick(game, "ab", "\x32\x32"));
    EXPECT_EQ(PercentPick(game, "xyz", std::string_view("\0\x64\0", 3)), 'y');
    EXPECT_EQ(PercentPick(game, "ab", std::string_view("\0\0", 2)), '\0');
  }
  EXPECT_EQ(seen, (std::set<char>{'a', 'b'}));
}

}  // namespace
}  // namespace zaldrun
