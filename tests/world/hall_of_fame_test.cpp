// The hall of fame file: heroes best first, written whole and atomically, a damaged file told and
// kept aside, never trusted nor written over.
#include "world/hall_of_fame.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace zaldrun {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileText;
using testing::WriteFileText;

FameEntry Hero(const std::string& name, int64_t experience, int level = 1) {
  return FameEntry{experience,        level,          name, 1, 2, "тёмная пещера, уровень 2",
                   "умер от голода", "2024-05-31", name + ".txt"};
}

std::vector<std::string> Names(const std::vector<FameEntry>& entries) {
  std::vector<std::string> names;
  for (const FameEntry& e : entries) names.push_back(e.name);
  return names;
}

TEST(HallOfFame, HeroesComeBestFirstAndReadBackAsWritten) {
  testing::TempFolder folder;
  const std::vector<FameEntry> heroes = {Hero("Вася", 120, 2), Hero("Борис", 900, 4),
                                         Hero("Глеб", 120, 3), Hero("Ира", 5),
                                         Hero("Олег", 120, 2)};
  for (const FameEntry& hero : heroes) {
    std::string report;
    ASSERT_TRUE(AddToHallOfFame(folder.path(), hero, &report)) << report;
    EXPECT_EQ(report, "");
  }
  std::string error;
  const auto read = ReadHallOfFame(folder.path(), &error);
  ASSERT_TRUE(read) << error;
  // More experience first, then the higher level; heroes alike stay in the order they came.
  EXPECT_EQ(Names(*read), (std::vector<std::string>{"Борис", "Глеб", "Вася", "Олег", "Ира"}));
  EXPECT_EQ((*read)[0], heroes[1]);
  EXPECT_FALSE(fs::exists(HallOfFamePath(folder.path()).string() + ".tmp"));
  // No file yet is an empty hall, not a damaged one.
  testing::TempFolder empty;
  EXPECT_EQ(ReadHallOfFame(empty.path(), &error), std::vector<FameEntry>{});
}

// The new file is made beside the old one and renamed over it: when it cannot be made, the old
// hall stays whole.
TEST(HallOfFame, AFailedWriteLeavesTheOldFileWhole) {
  testing::TempFolder folder;
  std::string report;
  ASSERT_TRUE(AddToHallOfFame(folder.path(), Hero("Вася", 10), &report));
  const std::string before = ReadFileText(HallOfFamePath(folder.path()));
  fs::create_directory(HallOfFamePath(folder.path()).string() + ".tmp");
  EXPECT_FALSE(AddToHallOfFame(folder.path(), Hero("Борис", 20), &report));
  EXPECT_NE(report.find("Зал славы не записан"), std::string::npos) << report;
  EXPECT_EQ(ReadFileText(HallOfFamePath(folder.path())), before);
}

TEST(HallOfFame, ADamagedFileIsToldAndKeptAside) {
  const std::string header = std::string(kHallOfFameHeader) + "\n";
  const std::string good = "120\t2\tВася\t1\t2\tдеревня\tумер от голода\t2024-05-31\tВася.txt\n";
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string line = good;
    line.replace(line.find(from), from.size(), to);
    return header + line;
  };
  const struct {
    const char* what;
    std::string text;
  } kCases[] = {
      {"no header", good},
      {"a field short", replaced("\tВася.txt", "")},
      {"not a number", replaced("120", "много")},
      {"a race there is not", replaced("\t1\t2\t", "\t9\t2\t")},
      {"a name no hero has", replaced("\tВася\t", "\t../Вася\t")},
      {"a record in another folder", replaced("Вася.txt", "../Вася.txt")},
      {"a date that is none", replaced("2024-05-31", "31.05.2024")},
      {"a control character", replaced("деревня", "дер\x01вня")},
      {"broken UTF-8", replaced("деревня", "\xD0")},
      {"a cut last line", header + good.substr(0, 20)},
      {"empty", ""},
      {"too large", header + std::string(2 << 20, 'x')},
  };
  for (const auto& c : kCases) {
    testing::TempFolder folder;
    const fs::path path = HallOfFamePath(folder.path());
    WriteFileText(path, c.text);
    std::string error;
    EXPECT_FALSE(ReadHallOfFame(folder.path(), &error)) << c.what;
    EXPECT_NE(error.find("Зал славы.tsv"), std::string::npos) << c.what << ": " << error;
    EXPECT_EQ(ReadFileText(path), c.text) << c.what << ": reading changes nothing";

    std::string report;
    ASSERT_TRUE(AddToHallOfFame(folder.path(), Hero("Борис", 50), &report)) << c.what;
    EXPECT_NE(report.find("Зал славы.tsv.повреждён"), std::string::npos) << c.what << report;
    EXPECT_EQ(ReadFileText(path.string() + ".повреждён"), c.text) << c.what;
    const auto fresh = ReadHallOfFame(folder.path(), &error);
    ASSERT_TRUE(fresh) << c.what << ": " << error;
    EXPECT_EQ(Names(*fresh), std::vector<std::string>{"Борис"}) << c.what;
    // A second damaged file does not take the first one's place.
    WriteFileText(path, c.text);
    ASSERT_TRUE(AddToHallOfFame(folder.path(), Hero("Глеб", 60), &report)) << c.what;
    EXPECT_EQ(ReadFileText(path.string() + ".повреждён.2"), c.text) << c.what;
  }
}

}  // namespace
}  // namespace zaldrun
