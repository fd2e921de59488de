#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/affix_record.hpp"
#include "support/data_files.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun::datac {
namespace {

TEST(AffixesCompiler, BuildsBothListsWithTheirEndsAndDumpsBackToTheSameBytes) {
  const CompileResult result = CompileAffixes(testing::kDataDir);
  ASSERT_TRUE(result.errors.empty()) << testing::Joined(result.errors);
  ASSERT_EQ(result.bytes.size(), 400 * kAffixRecordSize);
  std::string dumped;
  for (int r = 1; r <= 400; ++r) {
    // Prefixes 1..49 and suffixes 1..55 are named; each list ends after its last one.
    const int in_list = r <= 200 ? r : r - 200;
    const bool ended = in_list > (r <= 200 ? 49 : 55);
    AffixRecord a;
    ASSERT_TRUE(DecodeAffixRecord(
        std::span(result.bytes).subspan((r - 1) * kAffixRecordSize, kAffixRecordSize), &a));
    EXPECT_EQ(a == EndOfListAffix(), ended) << r;
    if (!ended) dumped += DumpAffix(result.bytes, r) + "\n";
  }
  testing::TempFolder folder;
  testing::WriteFileText(folder / "affixes.toml", dumped);
  const CompileResult again = CompileAffixes(folder.path());
  EXPECT_EQ(testing::Joined(again.errors), "");
  EXPECT_EQ(again.bytes, result.bytes);
}

TEST(AffixesCompiler, RefusesFaultyEntriesNamingFileEntryAndField) {
  const testing::SourceEdit prefixes[] = {
      {40, "name = \"Огненный\"", "name = \"Огненая\"",
       "[[prefix]] 40 (Огненая): name: must be \"Огненный\""},
      {1, "level = 1\n", "level = 0\n", "[[prefix]] 1 (Лазурный): level"},
      {40, "kind = \"fire\"", "kind = \"plasma\"", "extra_damage"},
      {33, "properties = [\"drains_life\"]",
       "properties = [\"drains_life\", \"artifact\", \"no_prefix\"]", "at most two"},
  };
  testing::ExpectEditsRefused(CompileAffixes, "affixes.toml", "prefix", prefixes);
  // The lists run 1, 2, 3 ... without a gap.
  const testing::SourceEdit suffixes[] = {
      {20, "number = 20\n", "number = 60\n", "would never be read"},
      {20, "number = 20\n", "number = 60\n", "20 is missing"},
      {1, "strength = 3", "strength = 99", "strength must be a whole number within -50..50"},
  };
  testing::ExpectEditsRefused(CompileAffixes, "affixes.toml", "suffix", suffixes);
}

}  // namespace
}  // namespace zaldrun::datac
