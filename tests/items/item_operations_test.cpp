// The generic operations on the chosen stack: every refusal of wearing, wielding, putting on and
// readying; picking up (loose items, the quiver, a full pack, plants); dropping where the floor has
// no room; leaving a heap of one stack; the answer to "Сколько?".
#include "items/item_operations.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "hero_game.hpp"
#include "items/equipment.hpp"
#include "items/hand_figures.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"

namespace zaldrun {
namespace {

using testing::HeroGame;
using testing::Item;
namespace slot = equipment_slot;

constexpr int kShortSword = 57;
constexpr int kDagger = 5;
constexpr int kCleaver = 11;  // both hands
constexpr int kShield = 26;
constexpr int kHelmet = 24;
constexpr int kRing = 34;
constexpr int kAmulet = 31;
constexpr int kShortBow = 94;
constexpr int kArrow = 98;
constexpr int kBolt = 104;
constexpr int kStone = 2;
constexpr int kDart = 36;
constexpr int kHealingPotion = 30;
constexpr int kMoss = 158;  // a plant's crop

using Operation = void (*)(Game&, bool);

constexpr const char* kBothHands = "У тебя обе руки заняты!";
constexpr const char* kTwoHanded = "Ты не можешь носить двуручное оружие в одной руке!";
constexpr const char* kOtherUse = "Это используется по другому назначению!";
constexpr const char* kTaken = "Это место уже занято!";
constexpr const char* kPlaced = nullptr;

struct Placement {
  const char* what;
  int type;
  int chosen_slot;
  const char* message;  // kPlaced: placed in `placed_in`
  int placed_in;
  std::vector<std::pair<int, int>> worn = {};  // type, slot
};

void RunPlacements(Operation operation, const std::vector<Placement>& cases) {
  for (const Placement& c : cases) {
    SCOPED_TRACE(c.what);
    HeroGame g;
    for (const auto& [type, worn_slot] : c.worn) g.slot(worn_slot) = Item(type);
    g.Choose(Item(c.type), c.chosen_slot);
    operation(g.game(), true);
    if (c.message != kPlaced) {
      EXPECT_EQ(g.Message(), c.message);
      EXPECT_EQ(g.pack().count, 1) << "the item stays in the pack";
    } else {
      EXPECT_EQ(g.Message(), "");
      EXPECT_EQ(g.slot(c.placed_in).type, c.type);
      EXPECT_EQ(g.pack().count, 0);
    }
  }
}

TEST(Wield, RefusalsAndWhereTheHandsPutThings) {
  const int right = slot::kRightHand, left = slot::kLeftHand, bow = slot::kLauncher;
  RunPlacements(
      Wield,
      {
          {"two hands full", kDagger, left, kBothHands, 0, {{kCleaver, right}}},
          {"a two-hander beside a sword", kCleaver, left, kTwoHanded, 0, {{kShortSword, right}}},
          {"a two-hander beside a shield", kCleaver, right, kTwoHanded, 0, {{kShield, left}}},
          {"a sword as a launcher", kShortSword, bow, "Это не оружие дальнего боя!", 0},
          {"a helmet in hand", kHelmet, right, kOtherUse, 0},
          {"a bow in hand", kShortBow, right, kOtherUse, 0},
          {"a taken hand", kDagger, right, kTaken, 0, {{kShortSword, right}, {kShield, left}}},
          {"a weapon for the free right hand", kDagger, left, kPlaced, right},
          {"a shield for the free left hand", kShield, right, kPlaced, left},
          {"a second weapon", kDagger, left, kPlaced, left, {{kShortSword, right}}},
          {"a two-hander", kCleaver, right, kPlaced, right},
          {"a bow beside a two-hander", kShortBow, bow, kPlaced, bow, {{kCleaver, right}}},
      });
}

TEST(WearAndPutOn, TheSlotMustFitAndBeFree) {
  RunPlacements(Wear,
                {
                    {"a helmet on the head", kHelmet, slot::kHead, kPlaced, slot::kHead},
                    {"a helmet on the body", kHelmet, slot::kBody, kOtherUse, 0},
                    {"a second helmet", kHelmet, slot::kHead, kTaken, 0, {{kHelmet, slot::kHead}}},
                });
  RunPlacements(PutOn,
                {
                    {"a ring on the right", kRing, slot::kRightRing, kPlaced, slot::kRightRing},
                    {"a ring on the left", kRing, slot::kLeftRing, kPlaced, slot::kLeftRing},
                    {"a ring round the neck", kRing, slot::kNeck, kOtherUse, 0},
                    {"an amulet", kAmulet, slot::kNeck, kPlaced, slot::kNeck},
                    {"an amulet on a finger", kAmulet, slot::kLeftRing, kOtherUse, 0},
                });
}

TEST(ReadyAmmo, AmmunitionNeedsItsLauncherOrNone) {
  const int ammo = slot::kAmmunition;
  const std::vector<std::pair<int, int>> bow = {{kShortBow, slot::kLauncher}};
  RunPlacements(ReadyAmmo,
                {
                    {"arrows without a bow", kArrow, ammo, "Для этого нужен лук!", 0},
                    {"bolts without a crossbow", kBolt, ammo, "Для этого нужен арбалет!", 0},
                    {"bolts with a bow", kBolt, ammo, "Для этого нужен арбалет!", 0, bow},
                    {"stones with a bow", kStone, ammo, "Для этого нужна праща!", 0, bow},
                    {"darts with a bow", kDart, ammo, "Это нужно кидать вручную!", 0, bow},
                    {"a sword as ammunition", kShortSword, ammo, kOtherUse, 0},
                    {"arrows with a bow", kArrow, ammo, kPlaced, ammo, bow},
                    {"stones without a sling", kStone, ammo, kPlaced, ammo},
                    {"darts by hand", kDart, ammo, kPlaced, ammo},
                });
}

TEST(Operations, ShopGoodsMustBePaidForFirst) {
  for (Operation operation : {Wear, Wield, PutOn, ReadyAmmo}) {
    HeroGame g;
    ItemRecord helmet = Item(kHelmet);
    helmet.flags = item_flag::kUnpaid;
    g.Choose(helmet, slot::kHead);
    operation(g.game(), true);
    EXPECT_EQ(g.Message(), kUnpaidMessage);
    EXPECT_EQ(g.slot(slot::kHead).count, 0);
  }
}

TEST(Operations, OneItemOfAStackIsWornTheWholeAmmunitionStackReadied) {
  HeroGame g;
  g.Choose(Item(kDagger, 3), slot::kRightHand);
  Wield(g.game(), false);
  EXPECT_EQ(g.slot(slot::kRightHand).count, 1);
  EXPECT_EQ(g.pack().groups[item_category::kWeapon].at(0).count, 2);
  // Not passive: the window comes back on the equipment list and time passes.
  EXPECT_TRUE(g.game().control.inventory.open_requested);
  EXPECT_TRUE(g.game().control.inventory.equipment_list);
  EXPECT_EQ(g.game().control.pending_operation, PendingOperation::kNone);
  EXPECT_GT(g.hero().last_action_time, 0);

  g.Choose(Item(kDart, 7), slot::kAmmunition);
  ReadyAmmo(g.game(), true);
  EXPECT_EQ(g.slot(slot::kAmmunition).count, 7);
  g.Choose(Item(kDart, 3), slot::kAmmunition);
  ReadyAmmo(g.game(), true);
  EXPECT_EQ(g.slot(slot::kAmmunition).count, 10) << "the same kind joins the readied stack";
  g.Choose(Item(kStone, 3), slot::kAmmunition);
  ReadyAmmo(g.game(), true);
  EXPECT_EQ(g.Message(), kSlotTakenMessage) << "other ammunition waits";
  EXPECT_EQ(g.slot(slot::kAmmunition).type, kDart);
}

// --- Picking up.

TEST(PickUp, ALooseItemGoesIntoThePackOrJoinsTheQuiver) {
  HeroGame g;
  g.hero().x = 5;
  g.hero().y = 5;
  ASSERT_TRUE(PlaceItem(g.game(), 5, 5, Item(kHealingPotion, 2), false));
  PickUpHere(g.game());
  EXPECT_EQ(g.Message(), "Ты поднял 2 Зелья Лечения.");
  EXPECT_EQ(g.pack().groups[item_category::kPotion].at(0).count, 2);
  EXPECT_EQ(g.game().world.level.Cell(5, 5).item, 0);
  EXPECT_GT(g.hero().last_action_time, 0);

  g.slot(slot::kAmmunition) = Item(kDart, 4);
  const int32_t burden = g.hero().carried_weight;
  ASSERT_TRUE(PlaceItem(g.game(), 5, 5, Item(kDart, 3), false));
  PickUpHere(g.game());
  EXPECT_EQ(g.slot(slot::kAmmunition).count, 7);
  EXPECT_EQ(g.hero().carried_weight, burden + 3 * 2) << "darts weigh 2 each";
  EXPECT_EQ(g.pack().GroupCount(item_category::kAmmunition), 0);
}

TEST(PickUp, AFullCategoryOfThePackLeavesTheItemWhereItWas) {
  HeroGame g;
  for (int i = 0; i < kGroupPlaces; ++i) {
    ItemRecord filler = Item(kShortSword);
    filler.bonus1 = static_cast<int16_t>(i);
    ASSERT_TRUE(AddToPile(g.game(), 0, filler));
  }
  ASSERT_TRUE(PlaceItem(g.game(), g.hero().x, g.hero().y, Item(kDagger), false));
  PickUpHere(g.game());
  EXPECT_EQ(g.Message(), kPackFullMessage);
  EXPECT_GT(g.game().world.level.Cell(g.hero().x, g.hero().y).item, kLooseItemBase);
  EXPECT_EQ(g.pack().GroupCount(item_category::kWeapon), kGroupPlaces);

  // The same from a heap in the window.
  ASSERT_TRUE(PlaceItem(g.game(), g.hero().x, g.hero().y, Item(kHelmet), false));
  const int pile = g.game().world.level.Cell(g.hero().x, g.hero().y).item;
  ASSERT_GE(pile, 1);
  OpenPile(g.game(), pile);
  EXPECT_EQ(g.game().control.pending_operation, PendingOperation::kPickUp);
  EXPECT_EQ(g.game().control.inventory.category, item_category::kWeapon);
  g.ClearMessage();
  PickUp(g.game());
  EXPECT_EQ(g.Message(), kPackFullMessage);
  EXPECT_EQ(g.game().world.piles[static_cast<size_t>(pile)].count, 2);
}

TEST(PickUp, FromAHeapTheWindowStaysWhileItHoldsAnything) {
  HeroGame g;
  const int x = g.hero().x;
  const int y = g.hero().y;
  ASSERT_TRUE(PlaceItem(g.game(), x, y, Item(kDagger), false));
  ASSERT_TRUE(PlaceItem(g.game(), x, y, Item(kHelmet), false));
  const int pile = g.game().world.level.Cell(x, y).item;
  OpenPile(g.game(), pile);
  PickUp(g.game());
  EXPECT_TRUE(g.game().control.inventory.open_requested);
  EXPECT_EQ(g.game().control.inventory.category, item_category::kArmour)
      << "the weapons are gone: the next category with stacks";
  g.game().control.inventory.open_requested = false;
  PickUp(g.game());
  EXPECT_FALSE(g.game().control.inventory.open_requested) << "the heap is gone";
  EXPECT_EQ(g.game().world.level.Cell(x, y).item, 0);
  EXPECT_EQ(g.pack().count, 2);
}

TEST(PickUp, PlantsGiveTheirCropUnlessWithered) {
  HeroGame g;
  MapCell& cell = g.game().world.level.Cell(g.hero().x, g.hero().y);
  cell.feature = feature::kPlant;
  cell.params = {kMoss, 5, 30, 40};
  PickUpHere(g.game());
  EXPECT_EQ(g.Message(), "Это растение уже завяло!");
  EXPECT_EQ(g.pack().count, 0);

  g.ClearMessage();
  cell.params[3] = 200;
  cell.params[2] = 0;  // not identified
  PickUpHere(g.game());
  EXPECT_EQ(g.Message(), "Ты собрал урожай с растения.");
  ASSERT_EQ(g.pack().GroupCount(item_category::kFood), 1);
  const ItemRecord& crop = g.pack().groups[item_category::kFood][0];
  EXPECT_EQ(crop.type, kMoss);
  EXPECT_GE(crop.blessing, blessing::kCursedUnknown) << "its blessing is not known";
  EXPECT_EQ(cell.params[3], 120) << "an unknown plant suffers 80";
  EXPECT_EQ(g.hero().last_action_time, 0) << "no time passes";
}

// --- Dropping and leaving a heap.

TEST(Drop, AFloorWithoutRoomKeepsTheItemInThePack) {
  HeroGame g;
  for (int n = 1; n <= kFloorStacks; ++n) g.game().world.level.loose_items[n] = Item(kDagger);
  g.Choose(Item(kHelmet), slot::kHead);
  Drop(g.game());
  EXPECT_EQ(g.Message(), kNoRoomHereMessage);
  EXPECT_EQ(g.pack().count, 1) << "nothing vanishes";
  EXPECT_EQ(g.game().world.level.Cell(g.hero().x, g.hero().y).item, 0);
}

TEST(Drop, AWornItemFromTheEquipmentListUnlessCursed) {
  HeroGame g;
  ASSERT_TRUE(g.Equip(Item(kHelmet), slot::kHead));
  g.game().control.inventory.from_equipment = true;
  g.game().control.inventory.slot = slot::kHead;
  Drop(g.game());
  EXPECT_EQ(g.slot(slot::kHead).count, 0);
  EXPECT_GT(g.game().world.level.Cell(g.hero().x, g.hero().y).item, kLooseItemBase);
  EXPECT_EQ(g.hero().resistance_bonus[damage_kind::kPhysical1], 0);

  ItemRecord cursed = Item(kRing);
  cursed.blessing = blessing::kCursed;
  ASSERT_TRUE(g.Equip(cursed, slot::kRightRing));
  g.game().control.inventory.from_equipment = true;
  g.game().control.inventory.slot = slot::kRightRing;
  Drop(g.game());
  EXPECT_EQ(g.Message(), kCursedItemMessage);
  EXPECT_EQ(g.slot(slot::kRightRing).count, 1);
}

TEST(LeaveSingleStack, OnlyAFloorHeapOnTheHerosCellBecomesAFloorStack) {
  HeroGame g;
  const int x = g.hero().x;
  const int y = g.hero().y;
  ASSERT_TRUE(PlaceItem(g.game(), x, y, Item(kDagger), false));
  ASSERT_TRUE(PlaceItem(g.game(), x, y, Item(kHelmet), false));
  const int heap = g.game().world.level.Cell(x, y).item;
  ASSERT_TRUE(RemoveFromPlace(g.game(), heap, item_category::kWeapon, 1, 1));
  LeaveSingleStack(g.game(), heap);
  EXPECT_GT(g.game().world.level.Cell(x, y).item, kLooseItemBase);
  EXPECT_EQ(g.game().world.piles[static_cast<size_t>(heap)].count, 0);

  // A chest on the hero's cell and a cache in the wall beside him keep their single stacks.
  ASSERT_TRUE(PlaceItem(g.game(), x, y, Item(kRing), true));
  const int chest = g.game().world.level.Cell(x, y).container;
  ASSERT_GE(chest, 1);
  LeaveSingleStack(g.game(), chest);
  EXPECT_EQ(g.game().world.piles[static_cast<size_t>(chest)].count, 1);
  EXPECT_EQ(g.game().world.level.Cell(x, y).container, chest);

  g.game().world.level.Cell(x + 1, y).feature = feature::kCache;
  ASSERT_TRUE(PlaceItem(g.game(), x + 1, y, Item(kAmulet), false));
  ASSERT_TRUE(PlaceItem(g.game(), x + 1, y, Item(kDart), false));
  const int cache = g.game().world.level.Cell(x + 1, y).item;
  ASSERT_TRUE(RemoveFromPlace(g.game(), cache, item_category::kAmmunition, 1, 1));
  LeaveSingleStack(g.game(), cache);
  EXPECT_EQ(g.game().world.level.Cell(x + 1, y).item, cache);
}

// --- The burden: always the weight of the stacks carried, each weighed whole.

int32_t WeightCarried(HeroGame& g) {
  int32_t weight = 0;
  for (const auto& group : g.pack().groups) {
    for (const ItemRecord& stack : group) weight += StackWeight(g.game(), stack, stack.count);
  }
  for (int n = 1; n <= kEquipmentSlots; ++n)
    weight += StackWeight(g.game(), g.slot(n), g.slot(n).count);
  return weight;
}

// Bronze darts weigh 2.8 and mithril daggers 2.5 each, so a stack weighs less than its pieces.
ItemRecord Heavy(int type, int count) {
  ItemRecord item = Item(type, count);
  item.material = type == kDart ? 2 : 13;
  return item;
}

TEST(Burden, EveryMoveBetweenThePackTheSlotsAndTheFloorKeepsItTheWeightCarried) {
  struct Case {
    const char* what;
    std::function<void(HeroGame&)> setup;
    std::function<void(HeroGame&)> move;
  };
  auto ready = [](int count) {
    return [count](HeroGame& g) { ASSERT_TRUE(g.Equip(Heavy(kDart, count), slot::kAmmunition)); };
  };
  auto wield = [](HeroGame& g) { ASSERT_TRUE(g.Equip(Heavy(kDagger, 1), slot::kRightHand)); };
  const Case cases[] = {
      {"a dart picked up joins the quiver", ready(4),
       [](HeroGame& g) {
         ASSERT_TRUE(PlaceItem(g.game(), g.hero().x, g.hero().y, Heavy(kDart, 1), false));
         PickUpHere(g.game());
       }},
      {"darts from the pack join the quiver", ready(1),
       [](HeroGame& g) {
         g.Choose(Heavy(kDart, 1), slot::kAmmunition);
         ReadyAmmo(g.game(), true);
       }},
      {"one dagger of two is wielded", [](HeroGame&) {},
       [](HeroGame& g) {
         g.Choose(Heavy(kDagger, 2), slot::kRightHand);
         Wield(g.game(), true);
       }},
      {"a dagger taken off joins its like in the pack", wield,
       [](HeroGame& g) {
         ASSERT_TRUE(TakeIntoPack(g.game(), Heavy(kDagger, 1)));
         ASSERT_TRUE(TakeOff(g.game(), slot::kRightHand));
       }},
      {"a wielded dagger is dropped", wield,
       [](HeroGame& g) {
         InventoryState& window = g.game().control.inventory;
         window.from_equipment = true;
         window.slot = slot::kRightHand;
         Drop(g.game());
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HeroGame g;
    c.setup(g);
    ASSERT_EQ(g.hero().carried_weight, WeightCarried(g));
    c.move(g);
    EXPECT_EQ(g.hero().carried_weight, WeightCarried(g));
  }
}

TEST(SelectItem, TheChosenItemWaitsForTheDipOnThePotions) {
  HeroGame g;
  g.Choose(Item(kDagger), slot::kRightHand);
  g.game().control.effect_handler = "Dip";
  g.game().control.pending_operation = PendingOperation::kSelectItem;
  SelectItem(g.game());
  const InventoryState& window = g.game().control.inventory;
  EXPECT_EQ(window.chosen_category, item_category::kWeapon);
  EXPECT_EQ(window.chosen_place, 1);
  EXPECT_FALSE(window.chosen_from_equipment);
  EXPECT_TRUE(window.open_requested);
  EXPECT_EQ(window.category, item_category::kPotion);
  EXPECT_EQ(g.game().control.pending_operation, PendingOperation::kDip);
}

TEST(ParseAmount, OnlyAWholeNumberWithinTheStack) {
  struct Case {
    const char* text;
    int expected;  // 0: no answer
  };
  const Case cases[] = {{"3", 3},   {" 5 ", 5},         {"1", 1},   {"0", 0},   {"-2", 0},
                        {"+2", 0},  {"6", 0},           {"abc", 0}, {"2x", 0},  {"", 0},
                        {"   ", 0}, {"99999999999", 0}, {"2.5", 0}, {"0005", 5}};
  for (const Case& c : cases) {
    const auto answer = ParseAmount(c.text, 5);
    EXPECT_EQ(answer.value_or(0), c.expected) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace zaldrun
