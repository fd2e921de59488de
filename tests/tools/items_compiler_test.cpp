#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compilers.hpp"
#include "state/item_record.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun::datac {
namespace {

const std::filesystem::path kDataDir = ZALDRUN_SOURCE_DIR "/data";

std::string Source() { return testing::ReadFileText(kDataDir / "items.toml"); }

// The source with the [[item]] of `number` changed by replacing `from` with `to` in it.
std::string WithItem(int number, const std::string& from, const std::string& to) {
  std::string source = Source();
  const size_t entry = source.find("[[item]]\nnumber = " + std::to_string(number) + "\n");
  EXPECT_NE(entry, std::string::npos) << number;
  const size_t end = source.find("[[item]]", entry + 1);
  const size_t at = source.find(from, entry);
  EXPECT_TRUE(at != std::string::npos && at < end) << from;
  if (at != std::string::npos) source.replace(at, from.size(), to);
  return source;
}

std::vector<std::string> CompileText(const std::string& text) {
  testing::TempFolder folder;
  testing::WriteFileText(folder / "items.toml", text);
  return CompileItems(folder.path()).errors;
}

bool Mentions(const std::vector<std::string>& errors, const std::string& what) {
  for (const std::string& e : errors) {
    if (e.find(what) != std::string::npos) return true;
  }
  return false;
}

std::string Joined(const std::vector<std::string>& errors) {
  std::string out;
  for (const std::string& e : errors) out += e + "\n";
  return out;
}

TEST(ItemsCompiler, BuildsAllTypesAsWholeRecords) {
  const CompileResult result = CompileItems(kDataDir);
  ASSERT_TRUE(result.errors.empty()) << Joined(result.errors);
  EXPECT_EQ(result.bytes.size(), 69759u);
  EXPECT_EQ(result.bytes.size(), 207 * kItemRecordSize);
}

TEST(ItemsCompiler, DumpsCompileBackToTheSameBytes) {
  const CompileResult result = CompileItems(kDataDir);
  ASSERT_TRUE(result.errors.empty()) << Joined(result.errors);
  std::string dumped;
  for (int type = 1; type <= 207; ++type) {
    const std::string text = DumpItem(result.bytes, type);
    ASSERT_NE(text.find("number = " + std::to_string(type) + "\n"), std::string::npos);
    ItemDescription d;
    DecodeItemDescription(
        std::span(result.bytes).subspan((type - 1) * kItemRecordSize, kItemRecordSize), &d);
    EXPECT_NE(text.find("name_one = \"" + d.name_one + "\""), std::string::npos) << text;
    dumped += text + "\n";
  }
  testing::TempFolder folder;
  testing::WriteFileText(folder / "items.toml", dumped);
  const CompileResult again = CompileItems(folder.path());
  ASSERT_TRUE(again.errors.empty()) << Joined(again.errors);
  EXPECT_EQ(again.bytes, result.bytes);
  EXPECT_EQ(DumpItem(result.bytes, 0), "");
  EXPECT_EQ(DumpItem(result.bytes, 208), "");
}

TEST(ItemsCompiler, ErrorsNameFileEntryAndField) {
  const auto errors = CompileText(WithItem(72, "name_few = \"Широких меча\"\n", ""));
  EXPECT_TRUE(Mentions(errors, "items.toml: [[item]] 72 (Широкий меч): name_few: missing"))
      << Joined(errors);
}

TEST(ItemsCompiler, RefusesBrokenNumberAgreement) {
  auto errors =
      CompileText(WithItem(72, "name_many = \"Широких мечей\"", "name_many = \"Широкие мечи\""));
  EXPECT_TRUE(Mentions(errors, "[[item]] 72")) << Joined(errors);
  errors = CompileText(WithItem(70, "name_one = \"Секира\"", "name_one = \"Секиры\""));
  EXPECT_TRUE(Mentions(errors, "same as the form for")) << Joined(errors);
}

TEST(ItemsCompiler, RefusesPoolNamesTheNameBuilderCannotUse) {
  auto errors = CompileText(WithItem(31, "unknown_one = \"Амулет\"", "unknown_one = \"Медальон\""));
  EXPECT_TRUE(Mentions(errors, "\"А\"")) << Joined(errors);
  errors = CompileText(WithItem(34, "unknown_one = \"Кольцо\"", "unknown_one = \"Перстень\""));
  EXPECT_TRUE(Mentions(errors, "\"К\"")) << Joined(errors);
  errors = CompileText(WithItem(80, "unknown_one = \"Жезл\"", "unknown_one = \"Старый Жезл\""));
  EXPECT_TRUE(Mentions(errors, "bare noun")) << Joined(errors);
}

TEST(ItemsCompiler, RefusesMissingOrUnknownHandlers) {
  auto errors = CompileText(WithItem(30, "handler = \"pHeal\"\n", ""));
  EXPECT_TRUE(Mentions(errors, "[[item]] 30 (Зелье Лечения): handler")) << Joined(errors);
  errors = CompileText(WithItem(30, "handler = \"pHeal\"", "handler = \"pHeel\""));
  EXPECT_TRUE(Mentions(errors, "\"pHeel\" is not an effect handler")) << Joined(errors);
  errors = CompileText(WithItem(80, "aiming = \"direction\"", "aiming = \"target\""));
  EXPECT_TRUE(Mentions(errors, "aiming")) << Joined(errors);
  errors = CompileText(WithItem(195, "needs_target = true", "needs_target = false"));
  EXPECT_TRUE(Mentions(errors, "needs_target")) << Joined(errors);
}

TEST(ItemsCompiler, RefusesUnsoundNumbers) {
  auto errors = CompileText(WithItem(72, "slot = \"one_hand\"", "slot = \"head\""));
  EXPECT_TRUE(Mentions(errors, "slot")) << Joined(errors);
  errors = CompileText(WithItem(98, "stack = [12, 25]", "stack = [0, 25]"));
  EXPECT_TRUE(Mentions(errors, "stack")) << Joined(errors);
  errors = CompileText(WithItem(1, "cursed = 8, uncursed = 85, blessed = 7",
                                "cursed = 0, uncursed = 0, blessed = 0"));
  EXPECT_TRUE(Mentions(errors, "blessing_weights")) << Joined(errors);
  errors = CompileText(WithItem(1, "materials = { flesh = 1 }", "materials = { flesh = 0 }"));
  EXPECT_TRUE(Mentions(errors, "no material 1..20 has a weight above 0")) << Joined(errors);
  errors = CompileText(WithItem(1, "materials = { flesh = 1 }", "materials = { gold = 1 }"));
  EXPECT_TRUE(Mentions(errors, "\"gold\" is not a material")) << Joined(errors);
  errors = CompileText(WithItem(80, "charges = [4, 9]", "charges = [9, 4]"));
  EXPECT_TRUE(Mentions(errors, "charges")) << Joined(errors);
  errors = CompileText(WithItem(72, "slot = \"one_hand\"", "slot = \"one_hand\"\ncolour = 5"));
  EXPECT_TRUE(Mentions(errors, "colour: unknown field")) << Joined(errors);
}

TEST(ItemsCompiler, EveryTypeOnceAndOnlyOnce) {
  auto errors = CompileText(WithItem(72, "number = 72", "number = 73"));
  EXPECT_TRUE(Mentions(errors, "described twice")) << Joined(errors);
  EXPECT_TRUE(Mentions(errors, "item type 72 is missing")) << Joined(errors);
  errors = CompileText(WithItem(72, "number = 72", "number = 208"));
  EXPECT_TRUE(Mentions(errors, "outside 1..207")) << Joined(errors);
  errors = CompileText("[[item]\n");
  EXPECT_TRUE(Mentions(errors, "items.toml: line 1")) << Joined(errors);
}

}  // namespace
}  // namespace zaldrun::datac
