// The rooms that announce themselves when the hero steps in; the shop the hero leaves owing money;
// the storeroom entered quietly through a door opened by magic or loudly through a broken one.
#include "combat/rooms.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "actions/movement.hpp"
#include "base/byte_record.hpp"
#include "combat/kicks.hpp"
#include "combat/monster_damage.hpp"
#include "combat/traps.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "levelgen/places.hpp"
#include "model/type_info.hpp"
#include "model/world_ops.hpp"
#include "records/monster_type_ids.hpp"
#include "records/quest_list.hpp"
#include "support/game_fixture.hpp"
#include "usage/effect_handlers.hpp"
#include "usage/item_use.hpp"
#include "world/level_change.hpp"
#include "world/level_file.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

const char kThiefShout[] = " кричит: \"Ты гнусный воришка! Больше ты не будешь воровать!\"";
const char kQuietEntry[] = "Тебе удалось незаметно пробраться на склад Тазара.";
const char kLoudEntry[] =
    "Кто-то услышал, что ты сломал дверь и пробрался в склад Тазара. Он будет недоволен.";
constexpr size_t kKavi = static_cast<size_t>(kQuestStateIndex[3]);

class RoomTest : public ::testing::Test {
 protected:
  RoomTest() : fixture_({"AAAAAAA", "AC@CCCA", "AAAAAAA"}) {
    game().world.hero.name = "Ольгерд  ";
    // Room 1 starts east of the hero.
    for (int x = 3; x <= 5; ++x) game().world.level.Cell(x, 1).room = 1;
  }
  Game& game() { return fixture_.game(); }
  Room& RoomOne() { return game().world.level.RoomAt(1); }
  std::vector<std::string> Step() { return Walk(3, 1); }
  std::vector<std::string> Walk(int x, int y) {
    fixture_.Keys("                ");
    fixture_.Act([=](Game& g) { MoveHero(g, x, y); });
    return fixture_.LogLines();
  }
  std::string Name(int slot) {
    return std::string(
        TrimRight(MonsterTypeName(game(), game().world.level.Monster(slot).type, 1)));
  }
  // The storeroom's locked door at (2, 1), the hero outside it at (1, 1).
  MapCell& LockedDoor() {
    Walk(1, 1);
    MapCell& door = game().world.level.Cell(2, 1);
    door.feature = feature::kClosedDoor;
    door.params[0] = 1;
    return door;
  }
  bool Has(const std::vector<std::string>& log, const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
  }
  int Keeper() {
    const int slot = fixture_.AddMonster(monster_type::kRat, 5, 1, true);
    game().world.level.shopkeeper = static_cast<int16_t>(slot);
    return slot;
  }

  GameFixture fixture_;
};

TEST_F(RoomTest, TheShopkeeperGreetsTheHeroByName) {
  RoomOne().kind = room_kind::kShop;
  EXPECT_FALSE(Has(Step(), "\"Добро пожаловать в мою лавку, Ольгерд!\""))
      << "no keeper, no greeting";
  fixture_.Keys("                ").Act([](Game& g) { MoveHero(g, 2, 1); });
  Keeper();
  EXPECT_TRUE(Has(Step(), "\"Добро пожаловать в мою лавку, Ольгерд!\""));
}

TEST_F(RoomTest, BreakingIntoTheStoreroomAngersTheKeeper) {
  RoomOne().kind = room_kind::kStoreroom;
  const int keeper = Keeper();
  EXPECT_TRUE(
      Has(Step(),
          "Кто-то услышал, что ты сломал дверь и пробрался в склад Тазара. Он будет недоволен."));
  EXPECT_EQ(game().world.level.Monster(keeper).peaceful, 0);
}

TEST_F(RoomTest, LeavingTheShopOwingMoneyAngersTheKeeper) {
  RoomOne().kind = room_kind::kShop;
  const int keeper = Keeper();
  Step();
  game().world.hero.shop_debt = 120;
  Walk(4, 1);
  EXPECT_FALSE(Has(fixture_.LogLines(), Name(keeper) + kThiefShout)) << "still inside the shop";
  EXPECT_EQ(game().world.level.Monster(keeper).peaceful, 1);
  Walk(3, 1);
  EXPECT_TRUE(Has(Walk(2, 1), Name(keeper) + kThiefShout));
  EXPECT_EQ(game().world.level.Monster(keeper).peaceful, 0);
}

TEST_F(RoomTest, LeavingTheShopIsQuietWithoutADebtOrAPeacefulKeeper) {
  RoomOne().kind = room_kind::kShop;
  const int keeper = Keeper();
  Step();
  EXPECT_FALSE(Has(Walk(2, 1), Name(keeper) + kThiefShout)) << "nothing owed";
  EXPECT_EQ(game().world.level.Monster(keeper).peaceful, 1);

  Step();
  game().world.hero.shop_debt = 120;
  game().world.level.Monster(keeper).peaceful = 0;
  EXPECT_FALSE(Has(Walk(2, 1), Name(keeper) + kThiefShout)) << "an angry keeper shouts no more";

  // Not a shop: owing money elsewhere angers nobody.
  game().world.level.Monster(keeper).peaceful = 1;
  RoomOne().kind = 0;
  Step();
  game().world.hero.shop_debt = 120;
  EXPECT_FALSE(Has(Walk(2, 1), Name(keeper) + kThiefShout));
  EXPECT_EQ(game().world.level.Monster(keeper).peaceful, 1);
}

// However the hero leaves the shop with goods not paid for, it is theft: the keeper shouts and
// turns hostile, and the goods are the hero's now, unmarked and owed no more.
TEST(ShopTheft, EveryWayOutOfTheShopOwingIsTheft) {
  struct Way {
    const char* what;
    std::function<void(Game&)> leave;
  };
  const Way ways[] = {
      {"a step out", [](Game& g) { MoveHero(g, 3, 1); }},
      {"the teleport scroll", [](Game& g) { rTelek(g, EffectAim{}); }},
      {"the teleport trap",
       [](Game& g) {
         g.world.level.Cell(2, 1).feature = feature::kHiddenTrap;
         g.world.level.Cell(2, 1).params[0] = trap_kind::kTeleport;
         TrapAt(g, 2, 1);
       }},
      {"the way off the level",
       [](Game& g) { ChangeLevel(g, place::kWorld, place::kOverworld, 33, 24); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.what);
    // The shop is the hero's cell alone: every way leads out of it.
    GameFixture fixture({"AAAAAAA", "AC@CCCA", "AAAAAAA"});
    Game& game = fixture.game();
    game.world.level.Cell(2, 1).room = 1;
    game.world.level.RoomAt(1).kind = room_kind::kShop;
    const int keeper = fixture.AddMonster(monster_type::kShopkeeper, 5, 1, true);
    game.world.level.shopkeeper = static_cast<int16_t>(keeper);
    game.world.hero.max_weight = 1000;
    ItemRecord goods =
        *MakeItem(game, ItemRequest{.type = 5, .blessing = blessing::kUncursed, .count = 1});
    goods.flags = item_flag::kUnpaid;
    ASSERT_TRUE(TakeIntoPack(game, goods));
    ASSERT_GT(game.world.hero.shop_debt, 0);

    fixture.Keys("                ").Act(way.leave);
    ASSERT_NE(game.world.level.Cell(game.world.hero.x, game.world.hero.y).room, 1);
    const std::string keeper_name(TrimRight(MonsterTypeName(game, monster_type::kShopkeeper, 1)));
    EXPECT_TRUE(fixture.LogHas(keeper_name + kThiefShout));
    EXPECT_EQ(game.world.hero.shop_debt, 0);
    EXPECT_EQ(game.world.piles[0].groups[item_category::kWeapon].at(0).flags, 0);
    if (game.world.current_place != kSandboxPlace) {
      std::string error;
      ASSERT_TRUE(ReadLevel(game, kSandboxPlace, kSandboxLevel, &error)) << error;
    }
    EXPECT_EQ(game.world.level.Monster(keeper).peaceful, 0) << "his anger stays with the level";
  }
}

TEST_F(RoomTest, TheStoreroomEnteredThroughADoorOpenedByTheWandIsQuiet) {
  RoomOne().kind = room_kind::kStoreroom;
  const int keeper = Keeper();
  MapCell& door = LockedDoor();
  // The wand of opening, uncursed, zapped at the door.
  ItemRecord wand;
  const auto& descriptions = game().data.items.descriptions;
  for (size_t i = 0; i < descriptions.size(); ++i) {
    if (TrimRight(descriptions[i].handler) == "wOpen") wand.type = static_cast<int16_t>(i + 1);
  }
  ASSERT_NE(wand.type, 0);
  wand.count = 1;
  wand.blessing = blessing::kUncursed;
  game().control.current_item = wand;
  game().control.target_x = 2;
  game().control.target_y = 1;
  fixture_.Keys("        ").Act([](Game& g) { RunEffect(g, "wOpen"); });
  ASSERT_EQ(door.feature, feature::kOpenDoor);
  Walk(2, 1);
  ASSERT_EQ(game().world.hero.x, 2) << "the hero stands in the doorway";
  const auto log = Step();
  EXPECT_TRUE(Has(log, kQuietEntry));
  EXPECT_FALSE(Has(log, kLoudEntry));
  EXPECT_EQ(game().world.level.Monster(keeper).peaceful, 1);
}

TEST_F(RoomTest, AStoreroomDoorKickedInIsHeard) {
  RoomOne().kind = room_kind::kStoreroom;
  const int keeper = Keeper();
  MapCell& door = LockedDoor();
  fixture_.Keys("        ").Act([](Game& g) { KickAt(g, 2, 1); });
  ASSERT_EQ(door.feature, 0) << "the door is gone";
  Walk(2, 1);
  const auto log = Step();
  EXPECT_TRUE(Has(log, kLoudEntry));
  EXPECT_FALSE(Has(log, kQuietEntry));
  EXPECT_EQ(game().world.level.Monster(keeper).peaceful, 0);
}

// The level's shopkeeper is kept by slot; when a creature in a lower slot dies the slots move
// down, and the keeper is still the one the shop and the storeroom speak of.
TEST_F(RoomTest, TheKeeperIsStillTheKeeperAfterALowerSlotDies) {
  Level& level = game().world.level;
  const int victim = fixture_.AddMonster(monster_type::kRat, 1, 1, true);
  const int tazar = fixture_.AddMonster(monster_type::kShopkeeper, 5, 1, true);
  fixture_.AddMonster(monster_type::kRat, 4, 1, true);
  level.shopkeeper = static_cast<int16_t>(tazar);
  fixture_.Keys("                ").Act([=](Game& g) {
    DamageMonster(g, victim, 1000, false, false);
  });
  ASSERT_EQ(level.monster_count, 2);
  ASSERT_EQ(level.shopkeeper, 1) << "the keeper's slot moved down with him";
  ASSERT_EQ(level.Monster(level.shopkeeper).type, monster_type::kShopkeeper);
  const int rat = 2;

  RoomOne().kind = room_kind::kShop;
  Step();
  game().world.hero.shop_debt = 50;
  EXPECT_TRUE(Has(
      Walk(2, 1),
      std::string(TrimRight(MonsterTypeName(game(), monster_type::kShopkeeper, 1))) + kThiefShout));
  EXPECT_EQ(level.Monster(level.shopkeeper).peaceful, 0);
  EXPECT_EQ(level.Monster(rat).peaceful, 1) << "only the keeper is angered";

  level.Monster(level.shopkeeper).peaceful = 1;
  game().world.hero.shop_debt = 0;
  RoomOne().kind = room_kind::kStoreroom;
  EXPECT_TRUE(Has(Step(), kLoudEntry));
  EXPECT_EQ(level.Monster(level.shopkeeper).type, monster_type::kShopkeeper);
  EXPECT_EQ(level.Monster(level.shopkeeper).peaceful, 0);
  EXPECT_EQ(level.Monster(rat).peaceful, 1);
}

TEST_F(RoomTest, TheTombClosesBehindTheHeroOnce) {
  RoomOne().kind = room_kind::kTomb;
  fixture_.Keys("                ").Act([](Game& g) { EnterRoom(g, 1); });
  EXPECT_EQ(game().world.level.Terrain(11, 13), 'A');
  EXPECT_EQ(game().world.level.Cell(31, 18).feature, feature::kSecretDoor);
  EXPECT_NE(FindEvent(game(), "TombTrap"), 0);
  EXPECT_EQ(RoomOne().kind, 0);
  const int events = game().world.event_count;
  fixture_.Keys("                ").Act([](Game& g) { EnterRoom(g, 1); });
  EXPECT_EQ(game().world.event_count, events) << "the trap hall fires only once";
}

TEST_F(RoomTest, TheCorpseMovesTheKaviQuestOnOnlyWhileHeIsSought) {
  RoomOne().kind = room_kind::kCorpsePlace;
  for (const auto& [before, after] : {std::pair{1, 2}, std::pair{0, 0}, std::pair{100, 100}}) {
    game().world.hero.quests[kKavi] = static_cast<int16_t>(before);
    fixture_.Keys("                ").Act([](Game& g) { EnterRoom(g, 1); });
    EXPECT_EQ(game().world.hero.quests[kKavi], after);
  }
  EXPECT_TRUE(
      Has(fixture_.LogLines(), "Наверное, это труп Кави. Нужно рассказать Браннусу о увиденном."));
}

}  // namespace
}  // namespace zaldrun
