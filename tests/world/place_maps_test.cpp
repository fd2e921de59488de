// Loading Places.dat: whole maps only, at least twelve, terrain letters only; a damaged file is
// refused with a message naming Places.dat and leaves the loaded maps as they were.
#include "world/place_maps.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/game.hpp"
#include "support/temp_folder.hpp"
#include "world/room_registry.hpp"

namespace zaldrun {
namespace {

// `maps` maps; map n holds the letter "A" + n - 1, except row y of each map starts with "Q".
std::vector<uint8_t> MapFile(int maps) {
  std::vector<uint8_t> bytes;
  for (int n = 1; n <= maps; ++n) {
    for (int y = 0; y < 40; ++y) {
      bytes.push_back('Q');
      bytes.insert(bytes.end(), 79, static_cast<uint8_t>('A' + n - 1));
    }
  }
  return bytes;
}

TEST(PlaceMaps, LoadsEveryMapAndGivesItsRows) {
  PlacesData places;
  ASSERT_EQ(LoadPlaceMaps(MapFile(13), &places), "");
  EXPECT_EQ(places.map_count(), 13);
  EXPECT_TRUE(places.HasMap(13));
  EXPECT_FALSE(places.HasMap(14));
  EXPECT_FALSE(places.HasMap(0));
  EXPECT_EQ(places.MapRow(3, 39), "Q" + std::string(79, 'C'));
  EXPECT_EQ(places.MapRow(13, 0), "Q" + std::string(79, 'M'));
  EXPECT_EQ(places.MapRow(14, 0), "");
  EXPECT_EQ(places.MapRow(1, 40), "");
  const auto rows = places.MapRows(7);
  EXPECT_EQ(rows[0], rows[39]);
  EXPECT_EQ(rows[20], "Q" + std::string(79, 'G'));
}

TEST(PlaceMaps, LoadPlaceMapWritesTheTerrainRowsOfTheLevel) {
  Game game;
  ASSERT_EQ(LoadPlaceMaps(MapFile(12), &game.places_data), "");
  ASSERT_TRUE(LoadPlaceMap(game, 7));
  EXPECT_EQ(game.level.Terrain(0, 0), 'Q');
  EXPECT_EQ(game.level.Terrain(79, 39), 'G');
  EXPECT_FALSE(LoadPlaceMap(game, 13));
  EXPECT_EQ(game.level.Terrain(79, 39), 'G');
}

TEST(PlaceMaps, ADamagedFileIsRefusedByName) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    std::vector<std::string> said;
  };
  std::vector<uint8_t> bad_letter = MapFile(12);
  bad_letter[kPlaceMapSize + 3 * 80 + 4] = 'a';  // map 2, row 3, column 4
  std::vector<uint8_t> cut = MapFile(12);
  cut.pop_back();
  const std::vector<Case> cases = {
      {"cut short", cut, {"Places.dat", "38399"}},
      {"one row", std::vector<uint8_t>(80, 'A'), {"Places.dat", "80"}},
      {"eleven maps", MapFile(11), {"Places.dat", "11", "12"}},
      {"empty", {}, {"Places.dat", "0"}},
      {"not a letter", bad_letter, {"Places.dat", "карта 2", "строка 3", "столбец 4", "0x61"}},
  };
  for (const Case& c : cases) {
    PlacesData places;
    ASSERT_EQ(LoadPlaceMaps(MapFile(12), &places), "");
    const std::string error = LoadPlaceMaps(c.bytes, &places);
    for (const std::string& part : c.said) {
      EXPECT_NE(error.find(part), std::string::npos) << c.what << ": " << error;
    }
    EXPECT_EQ(places.map_count(), 12) << c.what << ": the maps loaded before must stay";
  }
}

TEST(PlaceMaps, TheFileIsReadFromTheProgramFolder) {
  testing::TempFolder folder;
  Game game;
  game.folder = folder.path();
  const std::string missing = LoadPlaceMapsFile(game);
  EXPECT_NE(missing.find("Places.dat"), std::string::npos) << missing;

  const std::vector<uint8_t> bytes = MapFile(12);
  testing::WriteFileText(folder / "Places.dat", std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(LoadPlaceMapsFile(game), "");
  EXPECT_EQ(game.places_data.map_count(), 12);
}

TEST(RoomRegistry, NamesTheThreeSpecialRoomsTheGeneratorCalls) {
  const Registry<RoomHandler>& rooms = RoomRegistry();
  EXPECT_TRUE(rooms.IsSorted());
  EXPECT_EQ(rooms.entries().size(), 3u);
  for (const char* name : {"SpecRoom1", "SpecRoom2", "SpecRoom3", "SpecRoom1   "}) {
    EXPECT_TRUE(rooms.Contains(name)) << name;
  }
  EXPECT_FALSE(rooms.Contains("SpecRoom4"));
  EXPECT_FALSE(rooms.Contains("SpecRoom"));
}

}  // namespace
}  // namespace zaldrun
