// The starting equipment: for every class and every weapon and missile choice, the chosen weapon
// wielded, the launcher readied with its ammunition, armour worn, food, a potion and gold carried.
#include "world/starting_kit.hpp"

#include <gtest/gtest.h>

#include <string>

#include "items/hand_figures.hpp"
#include "items/item_game.hpp"
#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/pack.hpp"
#include "records/hero_tables.hpp"
#include "support/temp_folder.hpp"
#include "world/new_game.hpp"
#include "world/new_hero.hpp"

namespace zaldrun {
namespace {

namespace slot = equipment_slot;

int CategoryOf(const Game& game, const ItemRecord& item) {
  return game.world.item_types[static_cast<size_t>(item.type)].category;
}
int ClassOf(const Game& game, const ItemRecord& item) {
  return game.world.item_types[static_cast<size_t>(item.type)].skill_class;
}

int32_t CarriedWeight(const Game& game) {
  int32_t weight = 0;
  for (const auto& group : game.world.piles[0].groups) {
    for (const ItemRecord& item : group) weight += StackWeight(game, item, item.count);
  }
  for (const ItemRecord& item : game.world.hero.equipment) {
    if (item.count > 0) weight += StackWeight(game, item, item.count);
  }
  return weight;
}

// A new hero with his kit, in a game of the item files.
std::unique_ptr<Game> KitGame(const testing::TempFolder& folder, const HeroChoice& choice) {
  auto game = testing::NewItemGame();
  game->session.folder = folder.path();
  SetUpNewHero(*game, choice);
  return game;
}

void ExpectKit(const HeroChoice& choice) {
  const std::string what = "class " + std::to_string(choice.hero_class) + " weapon " +
                           std::to_string(choice.weapon) + " missile " +
                           std::to_string(choice.missile);
  testing::TempFolder folder;
  auto game = KitGame(folder, choice);
  const Hero& hero = game->world.hero;
  const ClassInfo& info = ClassTable(choice.hero_class);

  // The weapons are the ones the new-game window names.
  const ItemRecord& weapon = hero.equipment[slot::kRightHand];
  ASSERT_EQ(weapon.count, 1) << what;
  EXPECT_EQ(CategoryOf(*game, weapon), item_category::kWeapon) << what;
  EXPECT_EQ(ClassOf(*game, weapon), info.weapon_skills[choice.weapon - 1u])
      << what << ": the weapon of the skill the choice trains";
  EXPECT_EQ(ItemTypeName(*game, weapon.type),
            MeleeWeaponNames(choice.hero_class)[choice.weapon - 1u])
      << what;
  EXPECT_NE(hero.attack.damage_kind[0], 0) << what;

  if (choice.missile > 0) {
    const int missile_class = info.missile_skills[choice.missile - 1u];
    EXPECT_EQ(ItemTypeName(*game, hero.equipment[slot::kLauncher].type),
              RangedWeaponNames(choice.hero_class)[choice.missile - 1u])
        << what;
    EXPECT_EQ(ClassOf(*game, hero.equipment[slot::kLauncher]), missile_class) << what;
    EXPECT_EQ(ClassOf(*game, hero.equipment[slot::kAmmunition]), missile_class) << what;
    EXPECT_GE(hero.equipment[slot::kAmmunition].count, 20) << what;
    EXPECT_TRUE(MissileReady(*game)) << what;
  } else {
    EXPECT_EQ(hero.equipment[slot::kLauncher].count, 0) << what;
    EXPECT_FALSE(MissileReady(*game)) << what;
  }
  EXPECT_EQ(hero.equipment[slot::kBody].count, 1) << what << ": body armour";
  for (const ItemRecord& item : hero.equipment) {
    if (item.count == 0) continue;
    EXPECT_EQ(item.blessing, blessing::kUncursed) << what;
    EXPECT_EQ(item.identified, 1) << what;
  }
  // Every entry of the class and the choices is worn where the table says, or carried.
  for (const KitEntry& entry : StartingKit()) {
    if (entry.hero_class != choice.hero_class ||
        (entry.weapon != 0 && entry.weapon != choice.weapon) ||
        (entry.missile != 0 && entry.missile != choice.missile) ||
        entry.type == item_type::kMoney) {
      continue;
    }
    if (entry.slot != 0) {
      EXPECT_EQ(hero.equipment[entry.slot].type, entry.type) << what << " slot " << int{entry.slot};
    } else {
      EXPECT_GT(FindCarried(*game, entry.type), 0) << what << " type " << entry.type;
    }
  }
  const PileRecord& pack = game->world.piles[0];
  EXPECT_GE(pack.GroupCount(item_category::kFood), 1) << what;
  EXPECT_GE(pack.GroupCount(item_category::kPotion), 1) << what;
  EXPECT_GT(hero.money, 0) << what;
  EXPECT_EQ(game->view.labels.money, std::to_string(hero.money) + "$") << what;
  EXPECT_EQ(hero.carried_weight, CarriedWeight(*game)) << what << ": worn items weigh too";
  EXPECT_EQ(hero.burden, 0) << what << ": the kit never burdens";
  EXPECT_EQ(game->control.pending_operation, PendingOperation::kNone);
  EXPECT_FALSE(game->control.inventory.open_requested);
}

TEST(StartingKit, EveryClassAndChoiceStartsArmedAndDressed) {
  for (uint8_t c = 1; c <= kClassCount; ++c) {
    const ClassInfo& info = ClassTable(c);
    for (uint8_t w = 1; w <= info.weapon_skills.size(); ++w) {
      if (info.missile_skills.empty()) {
        ExpectKit(HeroChoice{1, c, w, 0});
        continue;
      }
      for (uint8_t m = 1; m <= info.missile_skills.size(); ++m) ExpectKit(HeroChoice{1, c, w, m});
    }
  }
}

TEST(StartingKit, ClassesDifferInWhatTheyCarry) {
  testing::TempFolder folder;
  auto warrior = KitGame(folder, HeroChoice{1, 1, 1, 0});
  EXPECT_EQ(warrior->world.hero.equipment[slot::kLeftHand].type, 64) << "a warrior's shield";
  EXPECT_GT(warrior->world.hero.defence_bonus, 0);

  auto barbarian = KitGame(folder, HeroChoice{1, 4, 2, 0});
  EXPECT_EQ(barbarian->world.hero.equipment[slot::kRightHand].type, 18) << "the battle axe";
  EXPECT_EQ(barbarian->world.hero.equipment[slot::kLeftHand].count, 0) << "no shield";

  auto wanderer = KitGame(folder, HeroChoice{1, 3, 1, 1});
  const PileRecord& pack = wanderer->world.piles[0];
  ASSERT_EQ(pack.GroupCount(item_category::kWand), 1);
  EXPECT_EQ(pack.groups[item_category::kWand][0].charges, 5);
  EXPECT_EQ(wanderer->world.item_types[78].knowledge, 1) << "the wanderer knows his wand";
}

TEST(StartingKit, WithoutItemDataTheHeroStartsBareHanded) {
  Game game;
  game.world.piles[0].groups[0].push_back(ItemRecord{.type = 5, .count = 1});
  game.world.piles[0].count = 1;
  SetUpNewHero(game, HeroChoice{1, 1, 1, 0});
  EXPECT_EQ(game.world.piles[0].count, 0) << "a new hero's pack is empty";
  EXPECT_EQ(game.world.hero.attack.damage_low[0],
            BareHandLow(game.world.hero.Current(attribute::kStrength)));
}

// A sandbox hero with his kit, shown in the inventory window: e2e/inventory_terminal.sh.

}  // namespace
}  // namespace zaldrun
