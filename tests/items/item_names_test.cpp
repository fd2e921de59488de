// Item names: number and gender agreement, looks of unknown items, blessing, material and affix
// words, wand charges and shop prices; the value of a stack.
#include "items/item_names.hpp"

#include <gtest/gtest.h>

#include "item_game.hpp"
#include "items/item_maker.hpp"
#include "items/item_types.hpp"

namespace zaldrun {
namespace {

using testing::Item;
namespace tt = testing::test_type;

class ItemNames : public ::testing::Test {
 protected:
  std::string Name(ItemRecord item) const { return ItemName(*game_, item); }

  std::unique_ptr<Game> game_ = testing::NewItemGame();
};

TEST_F(ItemNames, CountsAgreeByTheirLastTwoDigits) {
  const std::pair<int, const char*> cases[] = {
      {1, "Короткий Меч"},        {2, "2 Коротких Меча"},      {5, "5 Коротких Мечей"},
      {11, "11 Коротких Мечей"},  {12, "12 Коротких Мечей"},   {14, "14 Коротких Мечей"},
      {20, "20 Коротких Мечей"},  {21, "21 Короткий Меч"},     {22, "22 Коротких Меча"},
      {101, "101 Короткий Меч"},  {111, "111 Коротких Мечей"}, {112, "112 Коротких Мечей"},
      {124, "124 Коротких Меча"}, {0, "0 Коротких Мечей"}};
  for (const auto& [count, name] : cases) {
    EXPECT_EQ(Name(Item(tt::kShortSword, count)), name) << count;
  }
}

// Water by its blessing; unknown items by their looks, which show no affixes, material or
// charges; materials and prefixes agreeing in gender and number.
TEST_F(ItemNames, WaterLooksMaterialsAndPrefixesAgree) {
  constexpr uint8_t kUnknown = blessing::kUncursedUnknown, kPlain = blessing::kUncursed;
  struct Case {
    int type, count;
    uint8_t blessing;
    int material, prefix, identified;
    const char* name;
  };
  const Case cases[] = {
      {item_type::kWater, 1, kPlain, 5, 0, 1, "Бутылка Воды"},
      {item_type::kWater, 3, blessing::kBlessed, 5, 0, 1, "3 Бутылки Святой Воды"},
      {item_type::kWater, 5, blessing::kCursed, 5, 0, 1, "5 Бутылок Проклятой Воды"},
      {item_type::kWater, 21, blessing::kBlessedUnknown, 5, 0, 1, "21 Бутылка Воды"},
      {tt::kHealingPotion, 1, kUnknown, 1, 1, 0, "Синее Зелье"},
      {tt::kHealingPotion, 2, kUnknown, 1, 1, 0, "2 Синих Зелья"},
      {tt::kHealingPotion, 5, kPlain, 1, 1, 0, "5 Синих Зелий"},
      {tt::kHealingPotion, 1, blessing::kCursed, 1, 1, 0, "проклятое Синее Зелье"},
      {tt::kHealingPotion, 5, blessing::kCursed, 1, 1, 0, "5 проклятых Синих Зелий"},
      {tt::kScroll, 1, kUnknown, 1, 1, 0, "Свиток \"Ынц Ынц\""},
      {tt::kScroll, 3, kUnknown, 1, 1, 0, "3 Свитка \"Ынц Ынц\""},
      {tt::kAmulet, 1, kUnknown, 1, 1, 0, "Гексагональный Амулет"},
      {tt::kRing, 1, blessing::kBlessed, 1, 1, 0, "благословлённое Узорчатое Кольцо"},
      {tt::kWand, 1, kUnknown, 1, 1, 0, "Стеклянный Жезл"},
      {tt::kShortSword, 1, kPlain, 1, 0, 1, "железный Короткий Меч"},
      {tt::kShortSword, 5, kPlain, 1, 0, 1, "5 железных Коротких Мечей"},
      {tt::kCudgel, 1, kPlain, 1, 0, 1, "железная Дубинка"},
      {tt::kCudgel, 1, kPlain, 11, 0, 1, "дубовая Дубинка"},
      {tt::kSpear, 1, kPlain, 1, 0, 1, "железное Копье"},
      {tt::kSandals, 1, kPlain, 14, 0, 1, "крокодиловые Сандалии"},
      {tt::kSpear, 1, kPlain, 6, 0, 1, "Копье"},
      {tt::kShortSword, 1, kPlain, 5, 1, 1, "Лазурный Короткий Меч"},
      {tt::kShortSword, 5, kPlain, 5, 1, 1, "5 Лазурных Коротких Мечей"},
      {tt::kCudgel, 1, kPlain, 5, 43, 1, "Искрящаяся Дубинка"},
      {tt::kCudgel, 2, kPlain, 5, 43, 1, "2 Искрящихся Дубинки"},
      {tt::kShortSword, 1, kPlain, 5, 43, 1, "Искрящийся Короткий Меч"},
      {tt::kCudgel, 1, kPlain, 5, 9, 1, "Горячая Дубинка"},
      {tt::kSpear, 1, kPlain, 5, 1, 1, "Лазурное Копье"},
      {tt::kShortSword, 1, kPlain, 5, 60, 1, "Короткий Меч"},  // beyond the named prefixes
  };
  for (const Case& c : cases) {
    ItemRecord item = Item(c.type, c.count);
    item.blessing = c.blessing;
    item.material = static_cast<uint8_t>(c.material);
    item.prefix = static_cast<uint8_t>(c.prefix);
    item.identified = static_cast<uint8_t>(c.identified);
    EXPECT_EQ(Name(item), c.name);
  }
}

TEST_F(ItemNames, LearningATypeRenamesItsItemsAtOnce) {
  ItemRecord potion = Item(tt::kHealingPotion, 2);
  EXPECT_EQ(Name(potion), "2 Зелья Лечения");
  potion.identified = 0;
  EXPECT_EQ(Name(potion), "2 Синих Зелья");
  game_->world.level.loose_items[7] = potion;
  EXPECT_EQ(FloorStackName(*game_, 7), "2 Синих Зелья");
  game_->world.level.loose_items[7].identified = 1;
  EXPECT_EQ(FloorStackName(*game_, 7), "2 Зелья Лечения");
  EXPECT_EQ(FloorStackName(*game_, 8), "") << "a free floor stack";
  game_->world.piles[0].groups[4].push_back(potion);
  EXPECT_EQ(PileStackName(*game_, 0, 4, 1), "2 Синих Зелья");
  EXPECT_EQ(PileStackName(*game_, 0, 4, 2), "");
  EXPECT_EQ(PileStackName(*game_, 262, 4, 1), "");
}

TEST_F(ItemNames, WordsComeInTheirOrder) {
  ItemRecord sword = Item(tt::kShortSword);
  sword.blessing = blessing::kCursed;
  sword.material = 1;
  sword.prefix = 1;
  sword.suffix = 1;
  EXPECT_EQ(Name(sword), "проклятый железный Лазурный Короткий Меч Силы");
  sword.count = 5;
  sword.blessing = blessing::kBlessed;
  EXPECT_EQ(Name(sword), "5 благословлённых железных Лазурных Коротких Мечей Силы");
  sword.suffix = 99;  // an affix without a text has no word
  sword.identified = 0;
  EXPECT_EQ(Name(sword), "5 благословлённых Коротких Мечей");
}

TEST_F(ItemNames, WandsShowTheirChargesAndShopGoodsTheirPrice) {
  ItemRecord wand = Item(tt::kWand);
  EXPECT_EQ(Name(wand), "Жезл Магической Стрелы {0}");
  wand.count = 2;
  wand.charges = 5;
  EXPECT_EQ(Name(wand), "2 Жезла Магической Стрелы {5}");

  ItemRecord goods = Item(tt::kShortSword, 2);
  goods.flags = item_flag::kUnpaid;
  EXPECT_EQ(Name(goods), "2 Коротких Меча (180$)");
  ItemRecord water = Item(item_type::kWater, 1);
  water.flags = item_flag::kUnpaid;
  EXPECT_EQ(Name(water), "Бутылка Воды (90$)");
}

TEST_F(ItemNames, ItemsOfNoTypeHaveNoName) {
  EXPECT_EQ(Name(Item(0)), "");
  EXPECT_EQ(Name(Item(208)), "");
  EXPECT_EQ(ItemTypeName(*game_, tt::kHealingPotion), "Зелье Лечения");
  EXPECT_EQ(ItemTypeName(*game_, -3), "");
}

class ItemValues : public ItemNames {
 protected:
  void SetUp() override {
    AffixRecord& prefix = game_->data.items.affixes[0];
    prefix.price_multiplier = 1.2f;
    prefix.price_addend = 60;
    AffixRecord& suffix = game_->data.items.affixes[kAffixListLength];
    suffix.price_multiplier = 2.0f;
    suffix.price_addend = -500;
  }
  int32_t Value(const ItemRecord& item) const { return ItemValue(*game_, item); }
};

TEST_F(ItemValues, PriceScalesByHeroMaterialBlessingAndAffixesAndIsNeverNegative) {
  ItemRecord sword = Item(tt::kShortSword, 1);  // price 90
  EXPECT_EQ(Value(sword), 90);
  const std::pair<uint8_t, int> blessings[] = {{blessing::kCursed, 76},
                                               {blessing::kCursedUnknown, 76},
                                               {blessing::kUncursedUnknown, 90},
                                               {blessing::kBlessed, 100},
                                               {blessing::kBlessedUnknown, 100}};
  for (const auto& [state, value] : blessings) {
    sword.blessing = state;
    EXPECT_EQ(Value(sword), value) << int{state};
  }
  sword.blessing = blessing::kUncursed;
  sword.material = 19;  // diamond, 25 times the price
  EXPECT_EQ(Value(sword), 2250);
  sword.material = 5;
  sword.count = 3;
  EXPECT_EQ(Value(sword), 270) << "the whole stack";
  sword.prefix = 1;
  EXPECT_EQ(Value(sword), 3 * (108 + 60));
  game_->world.hero.price_factor = 0.5f;
  EXPECT_EQ(Value(sword), 3 * (54 + 60));

  game_->world.hero.price_factor = 1.0f;
  ItemRecord four = Item(tt::kShortSword, 4);
  four.suffix = 1;  // 2 × 90 − 500: nothing, never negative
  EXPECT_EQ(Value(four), 0);
  four.suffix = 150;  // past the end of the list: no affix
  EXPECT_EQ(Value(four), 360);
}

TEST_F(ItemValues, WandsAreWorthTheirChargesLeft) {
  ItemRecord wand = Item(tt::kWand);  // price 285, at most 14 charges
  const std::pair<int16_t, int> cases[] = {{0, 19}, {5, 114}, {14, 285}};
  for (const auto& [charges, value] : cases) {
    wand.charges = charges;
    EXPECT_EQ(Value(wand), value) << charges;
  }
}

TEST_F(ItemValues, NamingAndValuingKeepTheCurrentDescription) {
  LoadItemDescription(*game_, tt::kCudgel);
  ItemRecord goods = Item(tt::kShortSword);
  goods.flags = item_flag::kUnpaid;
  Name(goods);
  EXPECT_EQ(game_->data.items.current_type, tt::kCudgel);
  EXPECT_EQ(game_->data.items.current.name_one, "Дубинка");
}

TEST(IdentifyOnSight, WeaponsAreKnownBySkill) {
  auto game = testing::NewItemGame();
  ItemRecord sword = Item(tt::kShortSword);  // level 1, short blades (skill 1)
  sword.identified = 0;
  game->world.hero.SkillAt(1).value = 0.9f;
  EXPECT_FALSE(IdentifyOnSight(*game, sword));
  game->world.hero.SkillAt(1).value = 1.0f;
  EXPECT_TRUE(IdentifyOnSight(*game, sword));
  EXPECT_EQ(sword.identified, 1);
  EXPECT_FALSE(IdentifyOnSight(*game, sword)) << "already known";
  ItemRecord potion = Item(tt::kHealingPotion);
  potion.identified = 0;
  game->world.hero.SkillAt(1).value = 50;
  EXPECT_FALSE(IdentifyOnSight(*game, potion));
}

}  // namespace
}  // namespace zaldrun
