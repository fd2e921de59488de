// Level files: the layout byte for byte (its size, where the fields sit), a level written and read
// back unchanged, the remembered map drawn at once, and damaged files refused without harm.
#include "world/level_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "items/item_maker.hpp"
#include "items/piles.hpp"
#include "levelgen/places.hpp"
#include "levelgen/populate.hpp"
#include "model/game.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr size_t kCellsAt = 16;
constexpr size_t kTerrainAt = kCellsAt + 21 * 3200;
constexpr size_t kRoomsAt = kTerrainAt + 3200;
constexpr size_t kPilesAt = kRoomsAt + 861 + 1;

size_t CellAt(int x, int y) { return kCellsAt + 21 * static_cast<size_t>(x + 80 * y); }

int PileRecords(const Game& game) {
  int records = 0;
  for (int p = 1; p <= kLevelPiles; ++p) records += game.world.piles[static_cast<size_t>(p)].count;
  return records;
}

TEST(LevelFile, TheSizeIsTheFixedPartAndNineteenBytesAStackAndTwentySixAMonster) {
  GameFixture fixture({"@"}, 7);
  ASSERT_TRUE(fixture.StartOn(place::kEndless, 3));
  Game& game = fixture.game();
  ASSERT_GT(game.world.level.monster_count, 0);
  // A heap of two kinds on the hero's cell, so that piles are part of the count.
  PlaceGold(game, game.world.hero.x, game.world.hero.y, 10, false);
  ItemRequest potion;
  potion.type = 30;
  ASSERT_TRUE(
      PlaceItem(game, game.world.hero.x, game.world.hero.y, *MakeItem(game, potion), false));
  ASSERT_GE(PileRecords(game), 2);
  const std::vector<uint8_t> bytes = EncodeLevel(game);
  EXPECT_EQ(bytes.size(), kLevelFileFixedSize + 19 * static_cast<size_t>(PileRecords(game)) +
                              26 * static_cast<size_t>(game.world.level.monster_count));
  // The fields sit where the layout puts them.
  EXPECT_EQ(bytes[0], game.world.level.monster_depth);
  EXPECT_EQ(bytes[1], game.world.level.spawn_rate);
  const int hx = game.world.hero.x;
  const int hy = game.world.hero.y;
  EXPECT_EQ(bytes[CellAt(hx, hy) + 8], feature::kStairsUp) << "the hero stands on the way up";
  EXPECT_EQ(bytes[kTerrainAt + 80 * static_cast<size_t>(hy) + static_cast<size_t>(hx)],
            static_cast<uint8_t>(game.world.level.Terrain(hx, hy)));
  EXPECT_EQ(bytes[kPilesAt - 1], game.world.level.room_count);
  const size_t count_at =
      bytes.size() - 26 * static_cast<size_t>(game.world.level.monster_count) - 2;
  EXPECT_EQ(bytes[count_at], game.world.level.monster_count % 256);
}

TEST(LevelFile, AWrittenLevelReadsBackExactly) {
  GameFixture fixture({"@"}, 11);
  ASSERT_TRUE(fixture.StartOn(place::kTomb, 3));
  Game& game = fixture.game();
  game.world.level.Cell(5, 5).remembered_glyph = '#';
  game.world.level.Cell(5, 5).remembered_colour = 12345;
  game.world.level.Cell(5, 5).seen = 1;
  const std::vector<uint8_t> written = EncodeLevel(game);
  std::string error;
  ASSERT_TRUE(WriteLevel(game, 4, 3, &error)) << error;
  EXPECT_TRUE(std::filesystem::exists(game.session.SaveFolder() / "Lev4_3.lev"));

  GameFixture other({"@"}, 1);
  Game& reader = other.game();
  reader.session.folder = game.session.folder;
  ASSERT_TRUE(ReadLevel(reader, 4, 3, &error)) << error;
  EXPECT_EQ(EncodeLevel(reader), written);
  EXPECT_EQ(reader.world.level.terrain, game.world.level.terrain);
  EXPECT_EQ(reader.world.level.monster_count, game.world.level.monster_count);
  // The remembered map is drawn before anything is seen.
  EXPECT_EQ(reader.view.field.At(5, 5).glyph, '#');
  EXPECT_EQ(reader.view.field.At(5, 5).colour, 12345);
}

TEST(LevelFile, DamagedFilesAreRefusedAndTheLevelKept) {
  GameFixture fixture({"@"}, 3);
  ASSERT_TRUE(fixture.StartOn(place::kEndless, 2));
  Game& game = fixture.game();
  const std::vector<uint8_t> good = EncodeLevel(game);
  const size_t monsters_at =
      good.size() - 26 * static_cast<size_t>(game.world.level.monster_count) - 2;
  struct Damage {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> apply;
  };
  const Damage damages[] = {
      {"cut short", [](std::vector<uint8_t>& b) { b.resize(b.size() - 1); }},
      {"empty", [](std::vector<uint8_t>& b) { b.clear(); }},
      {"a byte too many", [](std::vector<uint8_t>& b) { b.push_back(0); }},
      {"a terrain letter outside A..[", [](std::vector<uint8_t>& b) { b[kTerrainAt + 100] = 'z'; }},
      {"an unknown feature", [](std::vector<uint8_t>& b) { b[CellAt(3, 3) + 8] = 40; }},
      {"a loose item 501 on a cell",
       [](std::vector<uint8_t>& b) {
         b[CellAt(3, 3) + 6] = (1501 & 0xFF);
         b[CellAt(3, 3) + 7] = (1501 >> 8);
       }},
      {"a pile that is not there", [](std::vector<uint8_t>& b) { b[CellAt(3, 3) + 6] = 250; }},
      {"a monster slot beyond the count",
       [](std::vector<uint8_t>& b) { b[CellAt(3, 3) + 19] = 250; }},
      {"301 monsters",
       [&](std::vector<uint8_t>& b) {
         b[monsters_at] = 301 & 0xFF;
         b[monsters_at + 1] = 301 >> 8;
       }},
      {"a pile group of 101", [](std::vector<uint8_t>& b) { b[kPilesAt + 5] = 101; }},
      {"a room number beyond 40", [](std::vector<uint8_t>& b) { b[CellAt(3, 3) + 18] = 41; }},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    std::vector<uint8_t> bytes = good;
    damage.apply(bytes);
    const std::string fault = DecodeLevel(game, bytes);
    EXPECT_NE(fault, "");
    EXPECT_EQ(EncodeLevel(game), good) << "the level stays as it was";
  }
  EXPECT_EQ(DecodeLevel(game, good), "");
}

}  // namespace
}  // namespace zaldrun
