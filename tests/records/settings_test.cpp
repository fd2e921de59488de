#include "records/settings.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace zaldrun {
namespace {

using testing::ReadFileText;
using testing::TempFolder;
using testing::WriteFileText;

constexpr const char* kDefaultFile =
    "[Controls]\r\nPickUp=44\r\nDrop=100\r\nEquip=105\r\nInv=73\r\nKick=107\r\nOpen=111\r\n"
    "Read=114\r\nDrink=113\r\nEat=101\r\nZap=122\r\nInfo=64\r\nSearch=115\r\nDip=33\r\n"
    "Skills=65\r\nGoDown=62\r\nQuit=81\r\nSave=83\r\nLook=108\r\nCast=90\r\nShoot=116\r\n"
    "Chat=67\r\nNotes=78\r\nHelp=63\r\nMessages=16\r\nRun=46\r\nRest=82\r\nExplore=120\r\n"
    "Travel=71\r\nWorldMap=77\r\nToggleSpeech=86\r\nRepeatMessage=18\r\nWhereAmI=87\r\n"
    "[General]\r\nFastMore=0\r\nFlyDelay=100\r\nWindowFont=0\r\nSpeech=0\r\n[Character]\r\n"
    "Name=\xC2\xE0\xF1\xFF\r\nRace=1\r\nClass=1\r\nWeapon=1\r\nMissile=1\r\n";

std::string replaced_in(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

TEST(SettingsFile, DefaultsAreWrittenInTheirFixedOrderByteForByte) {
  TempFolder folder;
  const auto path = folder / "Zaldrun.ini";
  ASSERT_EQ(WriteAllSettings(path, DefaultSettings()), "");
  EXPECT_EQ(ReadFileText(path), kDefaultFile);

  Settings read;
  ASSERT_TRUE(ReadSettings(path, &read));
  EXPECT_EQ(read.bindings, DefaultSettings().bindings);
  EXPECT_EQ(read.name, "Вася");
  EXPECT_EQ(read.fly_delay, 100);
}

TEST(SettingsFile, AnyBadValueFailsTheWholeRead) {
  TempFolder folder;
  const auto path = folder / "Zaldrun.ini";
  const std::string good = kDefaultFile;
  auto replaced = [&](const std::string& from, const std::string& to) {
    return replaced_in(good, from, to);
  };
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"missing Race", replaced("Race=1\r\n", "")},
      {"not a number", replaced("Drop=100", "Drop=d")},
      {"above a byte", replaced("FlyDelay=100", "FlyDelay=300")},
      {"a later key spoilt", replaced("WhereAmI=87", "WhereAmI=W")},
      {"negative", replaced("Eat=101", "Eat=-1")},
      {"empty value", replaced("Zap=122", "Zap=")},
      {"duplicate key", replaced("Zap=122\r\n", "Zap=122\r\nzap=1\r\n")},
      {"not text", replaced("Info=64", std::string("Info=6\0"
                                                   "4",
                                                   7))},
      {"enormous line", replaced("Look=108", "Look=" + std::string(5000, '1'))},
      {"garbage", std::string("\x89PNG\r\n\x1a\n\0\0\0", 11)},
      {"empty", ""},
  };
  for (const auto& [name, text] : cases) {
    WriteFileText(path, text);
    Settings read = DefaultSettings();
    read.fly_delay = 7;
    EXPECT_FALSE(ReadSettings(path, &read)) << name;
    EXPECT_EQ(read.fly_delay, 7) << name << ": a failed read leaves memory alone";
  }
  Settings read;
  EXPECT_FALSE(ReadSettings(folder / "missing.ini", &read));
}

TEST(SettingsFile, AFileFromBeforeTheLaterCommandsGivesThemTheirDefaults) {
  TempFolder folder;
  const auto path = folder / "Zaldrun.ini";
  std::string text = kDefaultFile;
  const size_t later = text.find("Help=");
  text.erase(later, text.find("[General]") - later);
  text.replace(text.find("Eat=101"), 7, "Eat=120");  // the old file's own keys stay its own
  text.erase(text.find("Speech=0\r\n"), 10);  // and the speech option is later too
  WriteFileText(path, text);
  Settings read;
  ASSERT_TRUE(ReadSettings(path, &read));
  EXPECT_EQ(read.Binding(Command::kEat), 'x');
  EXPECT_EQ(read.Binding(Command::kRest), 'R');
  EXPECT_EQ(read.Binding(Command::kMessages), 16) << "Ctrl+P";
  EXPECT_EQ(read.Binding(Command::kWhereAmI), 'W');
  EXPECT_EQ(read.speech, 0);
  WriteFileText(path, replaced_in(kDefaultFile, "Speech=0", "Speech=1"));
  ASSERT_TRUE(ReadSettings(path, &read));
  EXPECT_EQ(read.speech, 1);
  text.insert(text.find("[General]"), "Rest=x\r\n");
  WriteFileText(path, text);
  EXPECT_FALSE(ReadSettings(path, &read)) << "a later key that is there must be good";
}

TEST(SettingsFile, ValuesAreReadLeniently) {
  TempFolder folder;
  const auto path = folder / "Zaldrun.ini";
  std::string text = kDefaultFile;
  text.replace(text.find("Drop=100"), 8, "Drop = 2.5");
  text.replace(text.find("Name=\xC2\xE0\xF1\xFF"), 9, "Name=");
  WriteFileText(path, text);
  Settings read;
  ASSERT_TRUE(ReadSettings(path, &read));
  EXPECT_EQ(read.Binding(Command::kDrop), 2) << "2.5 rounds to the even 2";
  EXPECT_EQ(read.name, "") << "an empty name is accepted";
}

// The window font came later: a file without it, or with a face unknown, still loads.
TEST(SettingsFile, TheWindowFontIsOptional) {
  TempFolder folder;
  const auto path = folder / "Zaldrun.ini";
  const std::pair<std::string, int> cases[] = {
      {"", 0}, {"WindowFont=2\r\n", 2}, {"WindowFont=7\r\n", 0}, {"WindowFont=x\r\n", 0}};
  for (const auto& [line, face] : cases) {
    std::string text = kDefaultFile;
    text.replace(text.find("WindowFont=0\r\n"), 14, line);
    WriteFileText(path, text);
    Settings read;
    read.window_font = 1;
    ASSERT_TRUE(ReadSettings(path, &read)) << line;
    EXPECT_EQ(read.window_font, face) << line;
  }
}

TEST(SettingsFile, WriteControlsKeepsTheCharacterSection) {
  TempFolder folder;
  const auto path = folder / "Zaldrun.ini";
  Settings settings = DefaultSettings();
  settings.name = "Гэндальф";
  settings.race = 4;
  ASSERT_EQ(WriteAllSettings(path, settings), "");

  Settings changed = DefaultSettings();  // the window only changes controls and options
  changed.Binding(Command::kEat) = 'x';
  changed.fast_more = 1;
  changed.name = "other";
  ASSERT_EQ(WriteControls(path, changed), "");

  Settings read;
  ASSERT_TRUE(ReadSettings(path, &read));
  EXPECT_EQ(read.Binding(Command::kEat), 'x');
  EXPECT_EQ(read.fast_more, 1);
  EXPECT_EQ(read.name, "Гэндальф");
  EXPECT_EQ(read.race, 4);
}

TEST(SettingsFile, ByteParser) {
  EXPECT_EQ(ParseSettingsByte("0"), 0);
  EXPECT_EQ(ParseSettingsByte("255"), 255);
  EXPECT_EQ(ParseSettingsByte(" 44 "), 44);
  EXPECT_EQ(ParseSettingsByte("3.5"), 4);
  EXPECT_EQ(ParseSettingsByte("256"), -1);
  EXPECT_EQ(ParseSettingsByte("-0.4"), 0);
  EXPECT_EQ(ParseSettingsByte("1e3"), -1);
  EXPECT_EQ(ParseSettingsByte(""), -1);
  EXPECT_EQ(ParseSettingsByte("99999999999999999999"), -1);
}

TEST(SettingsTables, OrdersCoverEveryCommandOnce) {
  std::array<int, kCommandCount> seen{};
  for (Command c : FileOrder()) ++seen[static_cast<size_t>(c)];
  for (int count : seen) EXPECT_EQ(count, 1);
  std::array<int, kCommandCount> matched{};
  for (Command c : MatchOrder()) ++matched[static_cast<size_t>(c)];
  EXPECT_EQ(matched[static_cast<size_t>(Command::kCast)], 0) << "no command uses Cast";
  std::array<int, kCommandCount> shown{};
  for (Command c : DialogOrder()) ++shown[static_cast<size_t>(c)];
  EXPECT_EQ(shown, matched) << "the window shows every command that a key runs";
}

}  // namespace
}  // namespace zaldrun
