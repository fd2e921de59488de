// Kicks at doors, trapped doors, items, trees and walls.
#include "combat/kicks.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "items/item_maker.hpp"
#include "items/piles.hpp"
#include "records/game_enums.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kDagger = 5;

// The hero at (2, 2); a tree at (2, 1), stone at (2, 3), open floor to the east.
std::vector<std::string> Yard() { return {"AAAAAAA", "ACECCCA", "AC@CCCA", "ACACCCA", "AAAAAAA"}; }

class KickTest : public ::testing::Test {
 protected:
  KickTest() : fixture_(Yard()) {
    Hero& hero = game().world.hero;
    hero.hp = hero.max_hp = 500;
  }
  Game& game() { return fixture_.game(); }
  MapCell& Cell(int x, int y) { return game().world.level.Cell(x, y); }
  void Door(int x, int y, int trap) {
    Cell(x, y).feature = feature::kClosedDoor;
    Cell(x, y).params[1] = static_cast<int16_t>(trap);
  }
  std::string Kick(int x, int y) {
    fixture_.Keys("                ").Act([=](Game& g) { KickAt(g, x, y); });
    const auto log = fixture_.LogLines();
    std::string all;
    for (const auto& line : log) all += line + "\n";
    return all;
  }
  bool HasItem(int x, int y) { return Cell(x, y).item != 0; }

  GameFixture fixture_;
};

TEST_F(KickTest, APlainDoorIsBrokenAndTreesAndWallsHurt) {
  Door(3, 2, 0);
  EXPECT_NE(Kick(3, 2).find("Ты выбил дверь."), std::string::npos);
  EXPECT_EQ(Cell(3, 2).feature, 0);
  EXPECT_NE(Kick(2, 1).find("Ты пнул дерево, но оно почему-то не рухнуло."), std::string::npos);
  EXPECT_NE(Kick(2, 3).find("Ай! Больно!"), std::string::npos);
}

// Whether or not it goes off, a kicked door trap is gone afterwards.
TEST_F(KickTest, ADoorTrapIsClearedWhetherOrNotItGoesOff) {
  struct Case {
    int trap;
    int fortune;
    const char* message;
    int16_t feature_after;
  };
  const Case cases[] = {
      {door_trap::kShock, 1000, "Но, к счастью, ловушка не сработала.", feature::kClosedDoor},
      {door_trap::kShock, -500, "Тебя ударило током.", feature::kClosedDoor},
      {door_trap::kExplosion, -500, "Дверь внезапно взрывается!", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    game().world.hero.fortune = static_cast<int16_t>(c.fortune);
    Door(3, 2, c.trap);
    const std::string log = Kick(3, 2);
    EXPECT_NE(log.find("Своим пинком ты активизировал ловушку!"), std::string::npos);
    EXPECT_NE(log.find(c.message), std::string::npos);
    EXPECT_EQ(Cell(3, 2).params[1], 0);
    EXPECT_EQ(Cell(3, 2).feature, c.feature_after);
  }
}

TEST_F(KickTest, AShockLosesWithinItsRollAndArmourNeverHeals) {
  Hero& hero = game().world.hero;
  hero.fortune = -500;
  Door(3, 2, door_trap::kShock);
  Kick(3, 2);
  EXPECT_GE(500 - hero.hp, 4);
  EXPECT_LE(500 - hero.hp, 37);
  EXPECT_EQ(game().control.end_reason, 7);
  hero.hp = 500;
  hero.resistance_base[damage_kind::kElectricity] = 1000;
  Door(3, 2, door_trap::kShock);
  Kick(3, 2);
  EXPECT_EQ(hero.hp, 500);
}

TEST_F(KickTest, AKickedItemFliesTwoCellsOnUnlessSomethingIsInTheWay) {
  ItemRecord dagger;
  dagger.type = kDagger;
  dagger.count = 1;
  dagger.blessing = blessing::kUncursed;
  dagger.identified = 1;
  ASSERT_TRUE(PlaceItem(game(), 3, 2, dagger, false));
  EXPECT_NE(Kick(3, 2).find("отлетает в сторону."), std::string::npos);
  EXPECT_FALSE(HasItem(3, 2));
  EXPECT_TRUE(HasItem(5, 2));
  // Kicked diagonally from (2, 2), a stack on (3, 3) would land in the stone at (5, 5).
  ASSERT_TRUE(PlaceItem(game(), 3, 3, dagger, false));
  EXPECT_NE(Kick(3, 3).find("Ай! Больно!"), std::string::npos);
  EXPECT_TRUE(HasItem(3, 3));
}

}  // namespace
}  // namespace zaldrun
