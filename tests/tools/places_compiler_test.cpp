// The map compiler: data/maps/*.txt -> Places.dat, its error messages, and the dump back to text.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "records/places_record.hpp"
#include "support/data_files.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun::datac {
namespace {

using testing::TempFolder;
using testing::WriteFileText;

TEST(PlacesCompiler, EveryGameMapRoundTripsFromSourceThroughTheFileToTheDump) {
  const CompileResult result = CompilePlaces(testing::kDataDir);
  ASSERT_TRUE(result.errors.empty()) << testing::Joined(result.errors);
  int maps = 0;
  for (const auto& entry : std::filesystem::directory_iterator(testing::kDataDir / "maps")) {
    const std::string name = entry.path().filename().string();
    const int number = std::stoi(name.substr(0, 2));
    const std::string header = "Places.dat map " + std::to_string(number) + ": records " +
                               std::to_string(40 * (number - 1) + 1) + ".." +
                               std::to_string(40 * number) + "\n";
    EXPECT_EQ(DumpPlaceMap(result.bytes, number), header + testing::ReadFileText(entry.path()))
        << name;
    ++maps;
  }
  ASSERT_GE(maps, kPlaceMapsNeeded);
  EXPECT_EQ(result.bytes.size(), static_cast<size_t>(maps) * kPlaceMapSize);
}

std::string MapText(char letter, const std::string& line_end = "\n") {
  std::string text;
  for (int y = 0; y < 40; ++y) text += std::string(80, letter) + line_end;
  return text;
}

// A data folder with maps 01..count, map n filled with the letter "A" + n - 1; no maps folder
// for none.
void WriteMaps(const TempFolder& folder, int count) {
  if (count > 0) std::filesystem::create_directories(folder / "maps");
  for (int n = 1; n <= count; ++n) {
    const std::string name = (n < 10 ? "0" : "") + std::to_string(n) + "-test.txt";
    WriteFileText(folder / "maps" / name, MapText(static_cast<char>('A' + n - 1)));
  }
}

TEST(PlacesCompiler, ReadsWindowsLineEnds) {
  TempFolder folder;
  WriteMaps(folder, 12);
  WriteFileText(folder / "maps" / "03-test.txt", MapText('C', "\r\n"));
  const CompileResult result = CompilePlaces(folder.path());
  EXPECT_EQ(testing::Joined(result.errors), "");
  EXPECT_EQ(result.bytes.size(), 12 * kPlaceMapSize);
}

TEST(PlacesCompiler, FaultyMapsAreReportedWithFileLineAndColumn) {
  std::string bad_letter = MapText('C');
  bad_letter[2 * 81 + 4] = 'c';  // line 3, column 5: lower case
  std::string short_line = MapText('C');
  short_line.erase(81 * 7, 1);  // line 8 has 79 letters
  const struct {
    int maps;
    const char* file;  // written into maps/ with `text`; removed when `text` is empty
    std::string text;
    const char* error;
  } cases[] = {
      {12, "04-test.txt", bad_letter,
       "maps/04-test.txt: line 3 (y 2), column 5 (x 4): \"c\" is not a terrain letter A..["},
      {12, "02-test.txt", short_line,
       "maps/02-test.txt: line 8 (y 7), column 80 (x 79): the line has 79 letters, a row has "
       "exactly 80"},
      {12, "05-test.txt", MapText('C') + std::string(80, 'C') + "\n",
       "maps/05-test.txt: has 41 lines, a map has exactly 40"},
      {12, "06-test.txt", "", "maps/07-test.txt: map 6 is missing before it"},
      {12, "06-again.txt", MapText('C'), "map 7 has two files"},
      {12, "overworld.txt", MapText('Q'),
       "maps/overworld.txt: a map file's name starts with its number"},
      {11, "", "", "maps: 11 maps, the places need at least 12"},
      {0, "", "", "maps: cannot list the folder"},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    WriteMaps(folder, c.maps);
    if (!c.text.empty()) WriteFileText(folder / "maps" / c.file, c.text);
    if (c.text.empty() && *c.file) std::filesystem::remove(folder / "maps" / c.file);
    const CompileResult result = CompilePlaces(folder.path());
    EXPECT_TRUE(result.bytes.empty());
    EXPECT_TRUE(testing::Mentions(result.errors, c.error)) << testing::Joined(result.errors);
  }
}

}  // namespace
}  // namespace zaldrun::datac
