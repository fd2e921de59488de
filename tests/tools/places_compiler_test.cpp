// The map compiler: data/maps/*.txt -> Places.dat, its error messages, and the dump back to text.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compilers.hpp"
#include "state/places_record.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun::datac {
namespace {

using testing::ReadFileText;
using testing::TempFolder;
using testing::WriteFileText;

std::string MapText(char letter, const std::string& line_end = "\n") {
  std::string text;
  for (int y = 0; y < 40; ++y) text += std::string(80, letter) + line_end;
  return text;
}

// A data folder with maps 01..count, map n filled with the letter "A" + n - 1.
void WriteMaps(const TempFolder& folder, int count) {
  std::filesystem::create_directories(folder / "maps");
  for (int n = 1; n <= count; ++n) {
    const std::string name = (n < 10 ? "0" : "") + std::to_string(n) + "-test.txt";
    WriteFileText(folder / "maps" / name, MapText(static_cast<char>('A' + n - 1)));
  }
}

std::string AllErrors(const CompileResult& result) {
  std::string text;
  for (const std::string& error : result.errors) text += error + "\n";
  return text;
}

TEST(PlacesCompiler, EveryGameMapRoundTripsFromSourceThroughTheFileToTheDump) {
  const std::filesystem::path data = ZALDRUN_SOURCE_DIR "/data";
  const CompileResult result = CompilePlaces(data);
  ASSERT_TRUE(result.errors.empty()) << AllErrors(result);
  int maps = 0;
  for (const auto& entry : std::filesystem::directory_iterator(data / "maps")) {
    if (entry.path().extension() == ".txt") ++maps;
  }
  ASSERT_GE(maps, kPlaceMapsNeeded);
  ASSERT_EQ(result.bytes.size(), static_cast<size_t>(maps) * kPlaceMapSize);
  for (const auto& entry : std::filesystem::directory_iterator(data / "maps")) {
    const std::string name = entry.path().filename().string();
    const int number = std::stoi(name.substr(0, 2));
    const std::string dump = DumpPlaceMap(result.bytes, number);
    const std::string header = "Places.dat map " + std::to_string(number) + ": records " +
                               std::to_string(40 * (number - 1) + 1) + ".." +
                               std::to_string(40 * number) + "\n";
    EXPECT_EQ(dump, header + ReadFileText(entry.path())) << name;
  }
  EXPECT_EQ(DumpPlaceMap(result.bytes, 0), "");
  EXPECT_EQ(DumpPlaceMap(result.bytes, maps + 1), "");
}

TEST(PlacesCompiler, WritesTheMapsInTheOrderOfTheirNumbers) {
  TempFolder folder;
  WriteMaps(folder, 12);
  WriteFileText(folder / "maps" / "03-test.txt", MapText('C', "\r\n"));  // Windows line ends
  const CompileResult result = CompilePlaces(folder.path());
  ASSERT_TRUE(result.errors.empty()) << AllErrors(result);
  ASSERT_EQ(result.bytes.size(), 12 * kPlaceMapSize);
  EXPECT_EQ(result.bytes[0], 'A');
  EXPECT_EQ(result.bytes[2 * kPlaceMapSize], 'C');
  EXPECT_EQ(result.bytes[12 * kPlaceMapSize - 1], 'L');
}

TEST(PlacesCompiler, ABadLetterIsReportedWithFileLineAndColumn) {
  TempFolder folder;
  WriteMaps(folder, 12);
  std::string text = MapText('C');
  text[2 * 81 + 4] = 'c';  // line 3, column 5: lower case
  text[5 * 81 + 79] = '.';
  WriteFileText(folder / "maps" / "04-test.txt", text);
  const CompileResult result = CompilePlaces(folder.path());
  EXPECT_TRUE(result.bytes.empty());
  ASSERT_EQ(result.errors.size(), 2u) << AllErrors(result);
  EXPECT_EQ(result.errors[0],
            "maps/04-test.txt: line 3 (y 2), column 5 (x 4): \"c\" is not a terrain letter A..[");
  EXPECT_EQ(result.errors[1],
            "maps/04-test.txt: line 6 (y 5), column 80 (x 79): \".\" is not a terrain letter A..[");
}

TEST(PlacesCompiler, RowsAndLinesMustHaveTheirExactCounts) {
  TempFolder folder;
  WriteMaps(folder, 12);
  std::string short_row = MapText('C');
  short_row.erase(81 * 7, 1);  // line 8 has 79 letters
  WriteFileText(folder / "maps" / "02-test.txt", short_row);
  WriteFileText(folder / "maps" / "05-test.txt", MapText('C') + std::string(80, 'C') + "\n");
  const std::string errors = AllErrors(CompilePlaces(folder.path()));
  EXPECT_NE(errors.find("maps/02-test.txt: line 8 (y 7), column 80 (x 79): the line has 79 "
                        "letters, a row has exactly 80"),
            std::string::npos)
      << errors;
  EXPECT_NE(errors.find("maps/05-test.txt: has 41 lines, a map has exactly 40"), std::string::npos)
      << errors;
}

TEST(PlacesCompiler, MapNumbersMustRunWithoutGapsUpToAtLeastTwelve) {
  {
    TempFolder folder;
    WriteMaps(folder, 12);
    std::filesystem::remove(folder / "maps" / "06-test.txt");
    const std::string errors = AllErrors(CompilePlaces(folder.path()));
    EXPECT_NE(errors.find("maps/07-test.txt: map 6 is missing before it"), std::string::npos)
        << errors;
  }
  {
    TempFolder folder;
    WriteMaps(folder, 12);
    WriteFileText(folder / "maps" / "06-again.txt", MapText('C'));
    const std::string errors = AllErrors(CompilePlaces(folder.path()));
    EXPECT_NE(errors.find("map 7 has two files"), std::string::npos) << errors;
  }
  {
    TempFolder folder;
    WriteMaps(folder, 11);
    WriteFileText(folder / "maps" / "overworld.txt", MapText('Q'));
    const std::string errors = AllErrors(CompilePlaces(folder.path()));
    EXPECT_NE(errors.find("maps/overworld.txt: a map file's name starts with its number"),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find("maps: 11 maps, the places need at least 12"), std::string::npos)
        << errors;
  }
  {
    TempFolder folder;
    const std::string errors = AllErrors(CompilePlaces(folder.path()));
    EXPECT_NE(errors.find("maps: cannot list the folder"), std::string::npos) << errors;
  }
}

}  // namespace
}  // namespace zaldrun::datac
