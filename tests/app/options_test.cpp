#include "app/options.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "app/program.hpp"

namespace zaldrun {
namespace {

TEST(Options, ParsesEveryOption) {
  std::string error;
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
  EXPECT_FALSE(ParseOptions({"--fullscreen"}, &error));
  EXPECT_NE(error.find("--fullscreen"), std::string::npos);
}

TEST(Program, HelpAndVersionNeedNoScreen) {
  std::ostringstream out;
  std::ostringstream err;
  Options options;
  options.help = true;
  EXPECT_EQ(RunProgram(options, out, err), 0);
  EXPECT_NE(out.str().find("--terminal"), std::string::npos);
  options = Options{};
  options.version = true;
  EXPECT_EQ(RunProgram(options, out, err), 0);
  EXPECT_NE(out.str().find("Залдрун"), std::string::npos);
}

}  // namespace
}  // namespace zaldrun
