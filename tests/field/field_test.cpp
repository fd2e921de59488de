#include "field/field.hpp"

#include <gtest/gtest.h>

#include "engine/monsters_on_level.hpp"
#include "model/type_info.hpp"
#include "records/terrain.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

const std::vector<std::string> kRoom = {"AAAAAA", "A@CCCA", "ACCCCA", "AAAAAA"};

TEST(Field, PriorityIsMonsterThenItemThenFeatureThenTerrain) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  MapCell& cell = game.world.level.Cell(3, 2);
  cell.feature = feature::kOpenDoor;
  game.world.level.loose_items[1].type = 5;
  cell.item = kLooseItemBase + 1;
  Renew(game, 3, 2);
  const uint8_t item_glyph = ItemTypeGlyph(game, 5).glyph;
  EXPECT_EQ(cell.remembered_glyph, item_glyph) << "the item is seen and remembered";
  fixture.AddMonster(4, 3, 2);
  Renew(game, 3, 2);
  EXPECT_EQ(game.view.field.At(3, 2).glyph, 'B') << "the monster (a bat) shows";
  EXPECT_EQ(cell.remembered_glyph, item_glyph) << "but the item is what is remembered";

  RemoveMonster(game, 1);
  Clear(game);
  PlaceShadow(game, 3, 2);
  EXPECT_EQ(game.view.field.At(3, 2).glyph, 0) << "after Clear nothing is drawn from memory";
  Renew(game, 3, 2);
  cell.item = 0;
  Renew(game, 3, 2);
  EXPECT_EQ(game.view.field.At(3, 2).glyph, '/') << "then the feature";
  cell.feature = feature::kSecretDoor;
  Renew(game, 3, 2);
  EXPECT_EQ(game.view.field.At(3, 2).glyph, '.') << "hidden features look like the ground";
  EXPECT_EQ(cell.remembered_colour, TerrainOf('C').dim_colour);
  EXPECT_EQ(game.view.field.At(3, 2).colour, TerrainOf('C').lit_colour);
}

TEST(Field, AMonsterSeenFirstLeavesTheGroundUnderItRemembered) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  struct Case {
    const char* what;
    int16_t feature;
    int16_t item;
    uint8_t remembered;
  };
  game.world.level.loose_items[1] = ItemRecord{.type = 5, .count = 1};
  const Case cases[] = {{"floor", 0, 0, '.'},
                        {"door", feature::kOpenDoor, 0, '/'},
                        {"item", 0, kLooseItemBase + 1, ItemTypeGlyph(game, 5).glyph}};
  for (const Case& c : cases) {
    Clear(game);
    MapCell& cell = game.world.level.Cell(4, 2);
    cell.remembered_glyph = 0;
    cell.feature = c.feature;
    cell.item = c.item;
    const int slot = fixture.AddMonster(4, 4, 2);
    Renew(game, 4, 2);
    EXPECT_EQ(game.view.field.At(4, 2).glyph, 'B') << c.what;
    RemoveMonster(game, slot);
    PlaceShadow(game, 4, 2);
    EXPECT_EQ(game.view.field.At(4, 2).glyph, c.remembered) << c.what << " under the bat";
  }
}

TEST(Field, PilesShowTheirLowestGroup) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  PileRecord& pile = game.world.piles[7];
  game.world.level.Cell(2, 2).item = 7;
  pile.count = 3;
  Renew(game, 2, 2);
  EXPECT_EQ(game.world.level.Cell(2, 2).remembered_glyph, '.') << "groups all empty: nothing drawn";
  pile.groups[4].push_back(ItemRecord{.type = 20});
  pile.groups[0].push_back(ItemRecord{.type = 1});
  Renew(game, 2, 2);
  EXPECT_EQ(game.world.level.Cell(2, 2).remembered_glyph, ItemTypeGlyph(game, 1).glyph);
  EXPECT_NE(ItemTypeGlyph(game, 1).glyph, ItemTypeGlyph(game, 20).glyph) << "a weapon, a potion";
}

TEST(Field, NeverSeenCellsStayDarkAndShowMapDrawsEverything) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  Clear(game);
  PlaceShadow(game, 40, 20);
  EXPECT_EQ(game.view.field.At(40, 20).glyph, 0);
  ShowMap(game);
  EXPECT_EQ(game.view.field.At(40, 20).glyph, '#');
  EXPECT_EQ(game.view.field.At(40, 20).colour, TerrainOf('A').dim_colour);
  EXPECT_EQ(game.world.level.Cell(40, 20).seen, 0) << "ShowMap changes no memory";
}

TEST(Field, HeroGlyphTogglesAndPlPlMovesTheHero) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  const bool shown = game.view.field.hero_visible;
  TglHero(game);
  TglHero(game);
  EXPECT_EQ(game.view.field.hero_visible, shown);
  PlPl(game, 3, 2);
  EXPECT_EQ(game.world.hero.x, 3);
  EXPECT_EQ(game.view.field.hero_y, 2);
  EXPECT_TRUE(fixture.ScreenHas("@"));
}

TEST(Terrain, TheFastSightTestsAgreeWithTheTables) {
  for (int c = 0; c < 256; ++c) {
    const char letter = static_cast<char>(c);
    EXPECT_EQ(LetterBlocksSight(letter), TerrainOf(letter).blocks_sight) << c;
  }
  for (int f = -7; f <= 18; ++f) EXPECT_EQ(FeatureBlocks(f), FeatureOf(f).blocks) << f;
  EXPECT_TRUE(TerrainOf('?').blocks_move) << "a damaged letter is a wall";
}

}  // namespace
}  // namespace zaldrun
