#include "app/options.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun {
namespace {

TEST(Options, ParsesEveryOption) {
  std::string error;
  const auto load = ParseOptions({"--load", "Вася Пупкин"}, &error);
  ASSERT_TRUE(load) << error;
  EXPECT_EQ(load->load, "Вася Пупкин");
  EXPECT_NE(UsageText().find("--load"), std::string::npos);
  const auto options = ParseOptions(
      {"--terminal", "--dir", "/tmp/x", "--seed", "42", "--map", "m.txt", "--version"}, &error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->frontend, FrontendChoice::kTerminal);
  EXPECT_EQ(options->folder, "/tmp/x");
  EXPECT_EQ(options->seed, 42u);
  EXPECT_EQ(options->map_file, "m.txt");
  EXPECT_TRUE(options->version);
}

TEST(Options, RefusesWhatItDoesNotKnow) {
  std::string error;
  EXPECT_FALSE(ParseOptions({"--seed", "many"}, &error));
  EXPECT_NE(error.find("many"), std::string::npos);
  EXPECT_FALSE(ParseOptions({"--dir"}, &error));
  EXPECT_FALSE(ParseOptions({"--load"}, &error));
  EXPECT_FALSE(ParseOptions({"--fullscreen"}, &error));
  EXPECT_NE(error.find("--fullscreen"), std::string::npos);
}

TEST(Options, HeroOrPlaceWithoutAMapStartANewGame) {
  std::string error;
  auto options = ParseOptions({"--hero", "2,3,1,2"}, &error);
  ASSERT_TRUE(options) << error;
  EXPECT_TRUE(StartsNewGame(*options));
  EXPECT_EQ(options->start_place, 0) << "the overworld";
  options = ParseOptions({"--hero", "2,3,1,2", "--map", "m.txt"}, &error);
  ASSERT_TRUE(options) << error;
  EXPECT_FALSE(StartsNewGame(*options)) << "a sandbox hero";
  options = ParseOptions({"--place", "5,7"}, &error);
  ASSERT_TRUE(options) << error;
  EXPECT_TRUE(StartsNewGame(*options));
  EXPECT_EQ(options->start_place, 5);
  EXPECT_EQ(options->start_level, 7);
  EXPECT_FALSE(StartsNewGame(*ParseOptions({"--seed", "3"}, &error)));
  struct Refused {
    std::vector<std::string> args;
    const char* says;
  };
  const Refused refused[] = {{{"--place", "5"}, "МЕСТО,УРОВЕНЬ"},
                             {{"--place", "5,x"}, "МЕСТО,УРОВЕНЬ"},
                             {{"--place", ",1"}, "МЕСТО,УРОВЕНЬ"},
                             {{"--place", "6,6"}, "нет уровня 6 места 6"},
                             {{"--place", "1,3"}, "нет уровня 3 места 1"},
                             {{"--place", "5,1", "--map", "m.txt"}, "--map"},
                             {{"--load", "Вася", "--map", "m.txt"}, "--map"}};
  for (const Refused& r : refused) {
    EXPECT_FALSE(ParseOptions(r.args, &error)) << r.args[1];
    EXPECT_NE(error.find(r.says), std::string::npos) << error;
  }
}

TEST(Program, HelpAndVersionNeedNoScreen) {
  std::ostringstream out;
  std::ostringstream err;
  Options options;
  options.help = true;
  EXPECT_EQ(RunProgram(options, out, err), 0);
  EXPECT_NE(out.str().find("--terminal"), std::string::npos);
  testing::TempFolder folder;
  options.folder = folder.path().string();
  std::ostringstream folders;
  EXPECT_EQ(RunProgram(options, folders, err), 0);
  EXPECT_NE(folders.str().find("файлы игрока:  " + options.folder), std::string::npos)
      << folders.str();
  options = Options{};
  options.version = true;
  EXPECT_EQ(RunProgram(options, out, err), 0);
  EXPECT_NE(out.str().find("Залдрун"), std::string::npos);
}

// A saved hero resumed with --load: e2e/save_load_terminal.sh.
TEST(Program, LoadWithoutSuchASaveOrWithADamagedOneEndsWithAMessage) {
  testing::TempFolder folder;
  std::filesystem::create_directories(folder / "Save");
  Options options;
  options.folder = folder.path().string();
  options.load = "Петя";
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunProgram(options, out, err), 2);
  EXPECT_NE(err.str().find("нет сохранённого героя \"Петя\""), std::string::npos) << err.str();

  testing::WriteFileText(folder / "Save" / "Петя.sav", "short");
  std::ostringstream damaged;
  options.load = "петя";  // letter case aside
  EXPECT_EQ(RunProgram(options, out, damaged), 2);
  EXPECT_NE(damaged.str().find("Петя.sav повреждено"), std::string::npos) << damaged.str();
  EXPECT_TRUE(std::filesystem::exists(folder / "Save" / "Петя.sav"));
}

}  // namespace
}  // namespace zaldrun
