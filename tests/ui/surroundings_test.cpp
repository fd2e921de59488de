#include "ui/surroundings.hpp"

#include <gtest/gtest.h>

#include "items/piles.hpp"
#include "records/monster_type_ids.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

TEST(Surroundings, WaysAreToldInStepsAndCompassWords) {
  struct Case {
    int dx, dy;
    const char* words;
  };
  const Case cases[] = {
      {0, -2, "два шага на север"},           {1, 1, "один шаг на юго-восток"},
      {-5, 0, "пять шагов на запад"},          {3, -1, "три шага на восток"},
      {-11, -11, "одиннадцать шагов на северо-запад"}, {0, 21, "двадцать один шаг на юг"},
      {-22, 9, "двадцать два шага на запад"},  {2, 3, "три шага на юго-восток"},
      {0, 0, "здесь"},
  };
  for (const Case& c : cases) EXPECT_EQ(WayWords(c.dx, c.dy), c.words) << c.dx << "," << c.dy;
  EXPECT_EQ(NumberWords(40), "сорок");
  EXPECT_EQ(NumberWords(114), "сто четырнадцать");
  EXPECT_EQ(NumberWords(999), "девятьсот девяносто девять");
}

TEST(Surroundings, TellThePlaceHealthHungerMonstersInSightNearestFirstAndItemsUnderfoot) {
  testing::GameFixture fixture({"AAAAAAAAAA", "ACCCCCCCCA", "ACCCCCCCCA", "ACC@CCCACA",
                                "ACCCCCCACA", "AAAAAAAAAA"});
  Game& game = fixture.game();
  EXPECT_EQ(DescribeSurroundings(game),
            "Неизведанное место. Здоровье 10 из 10. Не голоден. Никого не видно.");
  fixture.AddMonster(monster_type::kRat, 6, 2);
  fixture.AddMonster(monster_type::kRat, 3, 1, true);
  fixture.AddMonster(monster_type::kRat, 8, 3);  // behind the wall
  game.world.hero.hp = 4;
  game.view.labels.hunger_visible = true;
  game.view.labels.hunger_text = "Истощён!";
  ItemRecord gold;
  gold.type = 1;
  gold.count = 1;
  ASSERT_TRUE(PlaceItem(game, 3, 3, gold, false));
  const std::string told = DescribeSurroundings(game);
  EXPECT_EQ(told.substr(0, told.find("Под ногами: ")),
            "Неизведанное место. Здоровье 4 из 10. Истощён! Крыса (мирный), два шага на север; Крыса, "
            "три шага на восток. ");
  EXPECT_NE(told.find("Под ногами: "), std::string::npos) << told;
}

}  // namespace
}  // namespace zaldrun
