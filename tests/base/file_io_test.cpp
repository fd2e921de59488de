#include "base/file_io.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.hpp"

namespace zaldrun {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// Whole files at and past the limit, a missing one, and one whose size the system does not know
// (a /proc file says 0 and has more): appended after what is there, or nothing changed at all.
TEST(WholeFiles, ReadToTheEndWithinTheLimitAndAppendOrLeaveAlone) {
  testing::TempFolder folder;
  const std::string text(70000, 'x');
  testing::WriteFileText(folder.path() / "f", text);
  struct Case {
    std::filesystem::path path;
    size_t limit;
    bool read;
    std::string error_part;
  };
  const Case cases[] = {
      {folder.path() / "f", text.size(), true, ""},
      {folder.path() / "f", text.size() - 1, false, "слишком велик"},
      {folder.path() / "missing", 100, false, "Не удалось открыть файл"},
      {"/proc/self/status", 1 << 20, true, ""},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> out = Bytes("head");
    std::string error;
    EXPECT_EQ(AppendWholeFile(c.path, c.limit, &out, &error), c.read) << c.path;
    EXPECT_NE(error.find(c.error_part), std::string::npos) << error;
    if (!c.read) {
      EXPECT_EQ(out, Bytes("head")) << c.path;
      EXPECT_FALSE(ReadWholeFile(c.path, c.limit, nullptr).has_value());
    } else if (c.path.filename() == "f") {
      EXPECT_EQ(out, Bytes("head" + text));
      EXPECT_EQ(ReadWholeFile(c.path, c.limit, nullptr), Bytes(text));
    } else {
      EXPECT_NE(std::string(out.begin(), out.end()).find("Name:"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace zaldrun
