// The rooms that announce themselves when the hero steps in.
#include "combat/rooms.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "actions/movement.hpp"
#include "model/world_ops.hpp"
#include "records/quest_list.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kRat = 1;
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
  std::vector<std::string> Step() {
    fixture_.Keys("                ");
    fixture_.Act([](Game& g) { MoveHero(g, 3, 1); });
    return fixture_.LogLines();
  }
  bool Has(const std::vector<std::string>& log, const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
  }
  int Keeper() {
    const int slot = fixture_.AddMonster(kRat, 5, 1, true);
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
