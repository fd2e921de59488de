#include "app/folders.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace zaldrun {
namespace {

namespace fs = std::filesystem;

// A build folder, an install prefix and a read-only copy, each with its data files.
class FoldersTest : public ::testing::Test {
 protected:
  FoldersTest() {
    for (const char* data : {"build", "prefix/share/zaldrun", "readonly"}) {
      fs::create_directories(root_ / data);
      testing::WriteFileText(root_ / data / "Monsters.dat", "");
    }
    fs::create_directories(root_ / "prefix/bin");
  }
  fs::path At(const std::string& relative) const {
    return relative.empty() ? fs::path() : root_ / relative;
  }
  testing::TempFolder root_;
};

TEST_F(FoldersTest, PortableInABuildFolderOrWithDirInstalledElseInTheHomeFolder) {
  struct Case {
    const char* executable;
    bool writable;
    const char* dir;     // --dir, under the root
    const char* config;  // XDG_CONFIG_HOME: "/" starts an absolute path under the root
    const char* data;    // XDG_DATA_HOME, likewise
    const char* expected_data;
    const char* expected_settings;
    const char* expected_user;
  };
  const Case cases[] = {
      {"build", true, "", "", "", "build", "build", "build"},
      {"prefix/bin", true, "", "", "", "prefix/share/zaldrun", "home/.config/zaldrun",
       "home/.local/share/zaldrun"},
      {"readonly", false, "", "", "", "readonly", "home/.config/zaldrun",
       "home/.local/share/zaldrun"},
      {"prefix/bin", false, "", "/cfg", "/share", "prefix/share/zaldrun", "cfg/zaldrun",
       "share/zaldrun"},
      {"prefix/bin", false, "", "cfg", "share", "prefix/share/zaldrun", "home/.config/zaldrun",
       "home/.local/share/zaldrun"},  // relative XDG folders do not count
      {"prefix/bin", false, "mine", "/cfg", "", "prefix/share/zaldrun", "mine", "mine"},
      {"build", true, "mine", "", "", "build", "mine", "mine"},
      {"prefix/bin", false, "build", "", "", "build", "build", "build"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.executable) + " --dir " + c.dir + " " + c.config);
    Surroundings surroundings{At(c.executable), c.writable, At("home").string()};
    auto xdg = [&](const char* value) {
      return value[0] == '/' ? At(value + 1).string() : std::string(value);
    };
    surroundings.config_home = xdg(c.config);
    surroundings.data_home = xdg(c.data);
    Options options;
    options.folder = At(c.dir).string();
    std::string error;
    const auto folders = ChooseFolders(options, surroundings, &error);
    ASSERT_TRUE(folders) << error;
    EXPECT_EQ(folders->data, At(c.expected_data));
    EXPECT_EQ(folders->settings, At(c.expected_settings));
    EXPECT_EQ(folders->user, At(c.expected_user));
    EXPECT_EQ(folders->installed, folders->user != folders->settings);
  }
}

TEST_F(FoldersTest, AnInstalledGameWithoutAHomeAsksForDir) {
  std::string error;
  EXPECT_FALSE(ChooseFolders(Options{}, Surroundings{At("prefix/bin"), false}, &error));
  EXPECT_NE(error.find("--dir"), std::string::npos) << error;
  Surroundings xdg_only{At("prefix/bin"), false, "", At("cfg").string(), At("share").string()};
  EXPECT_TRUE(ChooseFolders(Options{}, xdg_only, &error)) << error;
}

TEST_F(FoldersTest, TheFoldersAreMadeAndNamedByHelp) {
  const Folders folders{At("prefix/share/zaldrun"), At("home/.config/zaldrun"),
                        At("home/.local/share/zaldrun"), true};
  std::string error;
  ASSERT_TRUE(CreateFolders(folders, &error)) << error;
  EXPECT_TRUE(fs::is_directory(folders.settings));
  EXPECT_TRUE(fs::is_directory(folders.user));
  const std::string text = FoldersText(folders);
  for (const fs::path& folder : {folders.data, folders.settings, folders.user}) {
    EXPECT_NE(text.find(folder.string()), std::string::npos) << text;
  }
  testing::WriteFileText(At("plain"), "");
  EXPECT_FALSE(CreateFolders(Folders{{}, At("plain"), At("plain")}, &error));
  EXPECT_NE(error.find("plain"), std::string::npos) << error;
}

}  // namespace
}  // namespace zaldrun
