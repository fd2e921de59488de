// Places.dat: rows of 80 letters, one byte each; loaded whole maps only, at least twelve, terrain
// letters only, and a damaged file refused with a message naming it, the loaded maps kept.
#include "world/place_maps.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "levelgen/level_tools.hpp"
#include "model/game.hpp"
#include "records/places_record.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun {
namespace {

// `maps` maps; map n holds the letter "A" + n - 1, except that every row starts with "Q".
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

TEST(PlacesRecord, OneLetterPerByteFromTheLeftEdgeAndBack) {
  // x 0..26 run through every letter, then "Q" (plain) up to the right edge.
  std::string row = "ABCDEFGHIJKLMNOPQRSTUVWXYZ[";
  row.resize(80, 'Q');
  PlaceRecord record;
  std::copy(row.begin(), row.end(), record.letters.begin());
  RecordWriter out;
  Encode(record, out);
  const std::vector<uint8_t>& bytes = out.bytes();
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), row);

  RecordReader in(bytes);
  PlaceRecord back;
  ASSERT_TRUE(Decode(in, &back));
  EXPECT_EQ(back.letters, record.letters);
  EXPECT_EQ(in.remaining(), 0u);
  RecordReader short_in{std::span(bytes).first(79)};
  EXPECT_FALSE(Decode(short_in, &back));
}

TEST(PlaceMaps, TheFileIsReadFromTheProgramFolderAndAMapWrittenIntoTheLevel) {
  testing::TempFolder folder;
  Game game;
  game.session.folder = folder.path();
  const std::string missing = LoadPlaceMapsFile(game);
  EXPECT_NE(missing.find("Places.dat"), std::string::npos) << missing;

  const std::vector<uint8_t> bytes = MapFile(13);
  testing::WriteFileText(folder / "Places.dat", std::string(bytes.begin(), bytes.end()));
  ASSERT_EQ(LoadPlaceMapsFile(game), "");
  EXPECT_EQ(game.data.places.map_count(), 13);
  EXPECT_EQ(game.data.places.MapRow(13, 39), "Q" + std::string(79, 'M'));
  EXPECT_EQ(game.data.places.MapRow(14, 0), "");
  EXPECT_EQ(game.data.places.MapRow(1, 40), "");
  ASSERT_TRUE(LoadPlaceMap(game, 7));
  EXPECT_EQ(game.world.level.Terrain(0, 0), 'Q');
  EXPECT_EQ(game.world.level.Terrain(79, 39), 'G');
  EXPECT_FALSE(LoadPlaceMap(game, 14));
  EXPECT_EQ(game.world.level.Terrain(79, 39), 'G');
}

TEST(PlaceMaps, ADamagedFileIsRefusedByName) {
  std::vector<uint8_t> bad_letter = MapFile(12);
  bad_letter[kPlaceMapSize + 3 * 80 + 4] = '@';  // map 2, row 3, column 4: just below "A"
  std::vector<uint8_t> cut = MapFile(12);
  cut.pop_back();
  const std::pair<std::vector<uint8_t>, std::vector<std::string>> cases[] = {
      {cut, {"Places.dat", "38399"}},
      {MapFile(11), {"Places.dat", "11", "12"}},
      {bad_letter, {"Places.dat", "карта 2", "строка 3", "столбец 4", "0x40"}},
  };
  for (const auto& [bytes, said] : cases) {
    PlacesData places;
    ASSERT_EQ(LoadPlaceMaps(MapFile(12), &places), "");
    const std::string error = LoadPlaceMaps(bytes, &places);
    for (const std::string& part : said) EXPECT_NE(error.find(part), std::string::npos) << error;
    EXPECT_EQ(places.map_count(), 12) << error << ": the maps loaded before must stay";
  }
}

}  // namespace
}  // namespace zaldrun
