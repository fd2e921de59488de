#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/data_files.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun::datac {
namespace {

TEST(ItemsCompiler, DumpsCompileBackToTheSameBytes) {
  const CompileResult result = CompileItems(testing::kDataDir);
  ASSERT_TRUE(result.errors.empty()) << testing::Joined(result.errors);
  ASSERT_EQ(result.bytes.size(), 69759u) << "207 records of 337 bytes";
  std::string dumped;
  for (int type = 1; type <= 207; ++type) dumped += DumpItem(result.bytes, type) + "\n";
  testing::TempFolder folder;
  testing::WriteFileText(folder / "items.toml", dumped);
  const CompileResult again = CompileItems(folder.path());
  EXPECT_EQ(testing::Joined(again.errors), "");
  EXPECT_EQ(again.bytes, result.bytes);
}

TEST(ItemsCompiler, RefusesFaultyEntriesNamingFileEntryAndField) {
  const testing::SourceEdit edits[] = {
      {72, "name_few = \"Широких меча\"\n", "",
       "items.toml: [[item]] 72 (Широкий меч): name_few: missing"},
      // Pool names the name builder can use.
      {31, "unknown_one = \"Амулет\"", "unknown_one = \"Медальон\"", "\"А\""},
      {80, "unknown_one = \"Жезл\"", "unknown_one = \"Старый Жезл\"", "bare noun"},
      // Handlers, wand aiming and scroll targets.
      {30, "handler = \"pHeal\"", "handler = \"pHeel\"", "\"pHeel\" is not an effect handler"},
      {80, "aiming = \"direction\"", "aiming = \"target\"", "aiming"},
      {195, "needs_target = true", "needs_target = false", "needs_target"},
      // Numbers and words.
      {1, "cursed = 8, uncursed = 85, blessed = 7", "cursed = 0, uncursed = 0, blessed = 0",
       "blessing_weights"},
      {1, "materials = { flesh = 1 }", "materials = { gold = 1 }", "\"gold\" is not a material"},
      {72, "slot = \"one_hand\"", "slot = \"one_hand\"\ncolour = 5", "colour: unknown field"},
      // Every type once and only once.
      {72, "number = 72", "number = 73", "described twice"},
      {72, "number = 72", "number = 73", "item type 72 is missing"},
      {72, "number = 72", "number = 208", "outside 1..207"},
  };
  testing::ExpectEditsRefused(CompileItems, "items.toml", "item", edits);
  EXPECT_TRUE(testing::Mentions(testing::CompileSource(CompileItems, "items.toml", "[[item]\n"),
                                "items.toml: line 1"));
}

}  // namespace
}  // namespace zaldrun::datac
