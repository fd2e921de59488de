#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compilers.hpp"
#include "state/affix_record.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun::datac {
namespace {

const std::filesystem::path kDataDir = ZALDRUN_SOURCE_DIR "/data";

std::string Source() { return testing::ReadFileText(kDataDir / "affixes.toml"); }

std::string WithEntry(const std::string& list, int number, const std::string& from,
                      const std::string& to) {
  std::string source = Source();
  const size_t entry = source.find("[[" + list + "]]\nnumber = " + std::to_string(number) + "\n");
  EXPECT_NE(entry, std::string::npos) << list << number;
  const size_t at = source.find(from, entry);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) source.replace(at, from.size(), to);
  return source;
}

std::vector<std::string> CompileText(const std::string& text) {
  testing::TempFolder folder;
  testing::WriteFileText(folder / "affixes.toml", text);
  return CompileAffixes(folder.path()).errors;
}

std::string Joined(const std::vector<std::string>& errors) {
  std::string out;
  for (const std::string& e : errors) out += e + "\n";
  return out;
}

bool Mentions(const std::vector<std::string>& errors, const std::string& what) {
  return Joined(errors).find(what) != std::string::npos;
}

AffixRecord Record(const std::vector<uint8_t>& bytes, int number) {
  AffixRecord a;
  DecodeAffixRecord(std::span(bytes).subspan((number - 1) * kAffixRecordSize, kAffixRecordSize),
                    &a);
  return a;
}

TEST(AffixesCompiler, BuildsBothListsWithTheirEnds) {
  const CompileResult result = CompileAffixes(kDataDir);
  ASSERT_TRUE(result.errors.empty()) << Joined(result.errors);
  ASSERT_EQ(result.bytes.size(), 400 * kAffixRecordSize);
  for (int p = 1; p <= 49; ++p) EXPECT_GT(Record(result.bytes, p).level, 0) << p;
  EXPECT_EQ(Record(result.bytes, 50), EndOfListAffix());
  EXPECT_EQ(Record(result.bytes, 200), EndOfListAffix());
  for (int s = 1; s <= 55; ++s) EXPECT_GT(Record(result.bytes, 200 + s).level, 0) << s;
  EXPECT_EQ(Record(result.bytes, 256), EndOfListAffix());
  EXPECT_EQ(Record(result.bytes, 400), EndOfListAffix());
}

TEST(AffixesCompiler, DumpsCompileBackToTheSameBytes) {
  const CompileResult result = CompileAffixes(kDataDir);
  ASSERT_TRUE(result.errors.empty()) << Joined(result.errors);
  std::string dumped;
  for (int r = 1; r <= 400; ++r) {
    const std::string text = DumpAffix(result.bytes, r);
    ASSERT_FALSE(text.empty()) << r;
    if (Record(result.bytes, r).EndsList()) continue;
    const bool prefix = r <= 200;
    const int number = prefix ? r : r - 200;
    EXPECT_NE(text.find(prefix ? "[[prefix]]" : "[[suffix]]"), std::string::npos) << text;
    EXPECT_NE(text.find("number = " + std::to_string(number) + "\n"), std::string::npos) << text;
    dumped += text + "\n";
  }
  EXPECT_NE(DumpAffix(result.bytes, 43).find("name = \"Искрящийся\""), std::string::npos);
  EXPECT_NE(DumpAffix(result.bytes, 201).find("name = \"Силы\""), std::string::npos);
  testing::TempFolder folder;
  testing::WriteFileText(folder / "affixes.toml", dumped);
  const CompileResult again = CompileAffixes(folder.path());
  ASSERT_TRUE(again.errors.empty()) << Joined(again.errors);
  EXPECT_EQ(again.bytes, result.bytes);
  EXPECT_EQ(DumpAffix(result.bytes, 401), "");
}

TEST(AffixesCompiler, NamesMustMatchTheTextTable) {
  const auto errors =
      CompileText(WithEntry("prefix", 40, "name = \"Огненный\"", "name = \"Огненая\""));
  EXPECT_TRUE(Mentions(errors, "affixes.toml: [[prefix]] 40 (Огненая): name: must be \"Огненный\""))
      << Joined(errors);
}

TEST(AffixesCompiler, ListsRunWithoutGaps) {
  auto errors = CompileText(WithEntry("suffix", 20, "number = 20\n", "number = 60\n"));
  EXPECT_TRUE(Mentions(errors, "would never be read")) << Joined(errors);
  EXPECT_TRUE(Mentions(errors, "20 is missing")) << Joined(errors);
  errors = CompileText(WithEntry("prefix", 3, "number = 3\n", "number = 2\n"));
  EXPECT_TRUE(Mentions(errors, "described twice")) << Joined(errors);
}

TEST(AffixesCompiler, RefusesOutOfRangeFields) {
  auto errors = CompileText(WithEntry("prefix", 1, "level = 1\n", "level = 0\n"));
  EXPECT_TRUE(Mentions(errors, "[[prefix]] 1 (Лазурный): level")) << Joined(errors);
  errors = CompileText(WithEntry("prefix", 1, "frequency = 30", "frequency = 300"));
  EXPECT_TRUE(Mentions(errors, "frequency")) << Joined(errors);
  errors = CompileText(WithEntry("prefix", 1, "\"helmets\"", "\"hats\""));
  EXPECT_TRUE(Mentions(errors, "\"hats\" is not one of")) << Joined(errors);
  errors = CompileText(WithEntry("suffix", 1, "strength = 3", "strength = 99"));
  EXPECT_TRUE(Mentions(errors, "strength must be a whole number within -50..50")) << Joined(errors);
  errors = CompileText(WithEntry("prefix", 40, "kind = \"fire\"", "kind = \"plasma\""));
  EXPECT_TRUE(Mentions(errors, "extra_damage")) << Joined(errors);
  errors = CompileText(WithEntry("prefix", 33, "properties = [\"drains_life\"]",
                                 "properties = [\"drains_life\", \"artifact\", \"no_prefix\"]"));
  EXPECT_TRUE(Mentions(errors, "at most two")) << Joined(errors);
}

}  // namespace
}  // namespace zaldrun::datac
