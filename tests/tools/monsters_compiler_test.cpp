#include <gtest/gtest.h>
#include <toml++/toml.h>

#include <string>
#include <vector>

#include "support/data_files.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun::datac {
namespace {

using testing::CompileSource;
using testing::kDataDir;

TEST(MonstersCompiler, EveryRecordDumpsBackToItsSource) {
  const CompileResult result = CompileMonsters(kDataDir);
  ASSERT_TRUE(result.errors.empty()) << testing::Joined(result.errors);
  ASSERT_EQ(result.bytes.size(), 56185u) << "85 records of 661 bytes";
  const toml::table source = toml::parse_file((kDataDir / "monsters.toml").string());
  for (const toml::node& node : *source["monster"].as_array()) {
    const toml::table& m = *node.as_table();
    const int number = static_cast<int>(*m["number"].value<int64_t>());
    const std::string dump = DumpMonster(result.bytes, number);
    const auto has = [&dump, number](const std::string& line) {
      EXPECT_NE(dump.find(line + "\n"), std::string::npos) << number << ": " << line << "\n"
                                                           << dump;
    };
    has("Monsters.dat record " + std::to_string(number));
    for (const char* form : {"name", "name_object", "name_dative", "name_instrumental"}) {
      has(std::string(form) + ": " + *m[form].value<std::string>());
    }
    has("talk: " + m["talk"].value<std::string>().value_or("NoAns"));
    has("hit_points: " + std::to_string(*m["hit_points"][0].value<int64_t>()) + ".." +
        std::to_string(*m["hit_points"][1].value<int64_t>()));
    const toml::array* actions = m["actions"].as_array();
    for (size_t i = 0; actions && i < actions->size(); ++i) {
      const toml::table& a = *(*actions)[i].as_table();
      const std::string word = *a["action"].value<std::string>();
      has("actions[" + std::to_string(i + 1) +
          "]: " + std::to_string(*ValueOf(MonsterActionWords(), word)) + " " + word + ", weight " +
          std::to_string(*a["weight"].value<int64_t>()) + ", limit " +
          std::to_string(a["limit"].value<int64_t>().value_or(0)));
    }
  }
}

TEST(MonstersCompiler, RefusesFaultyEntriesNamingFileEntryAndField) {
  const testing::SourceEdit edits[] = {
      {1, "name_dative = \"крысе\"\n", "", "[[monster]] 1 (Крыса): name_dative: missing"},
      // Name forms that do not fit the type's fixed gender, and handlers not in the registries.
      {1, "gender = \"feminine\"", "gender = \"masculine\"",
       "1 (Крыса): gender: the type table makes type 1 feminine"},
      {1, "behaviour = \"StndAI\"", "behaviour = \"StandAI\"",
       "1 (Крыса): behaviour: \"StandAI\" is no monster behaviour"},
      // Words, fields and numbers.
      {1, "action = \"bite\"", "action = \"fly\"", "actions[1]: action: unknown word \"fly\""},
      {1, "[\"animal\"]", "[\"animal\", \"animal\"]", "classes: \"animal\" is given twice"},
      {1, "experience = 3", "experience = 3\ncolour = 5", "1 (Крыса): colour: unknown field"},
      {1, "hit_points = [3, 6]", "hit_points = [7, 6]",
       "1 (Крыса): hit_points: lowest value 7 is above highest 6"},
      {8, "count = [2, 12] }", "count = [2, 12] }, { item = 30, percent = 70, count = [1, 1] }",
       "8 (Гоблин): loot[2]: percentages add up to 110, above 100"},
      {8, "weight = 4, limit = 1", "weight = 300, limit = 1", "weight: 300 is outside 0..255"},
      // Every type once and only once.
      {1, "number = 1\n", "number = 2\n", "[[monster]] 2: number: used twice"},
      {1, "number = 1\n", "number = 2\n", "monster: no entry has number 1"},
      {1, "number = 1\n", "number = 86\n", "number: 86 is outside 1..85"},
  };
  testing::ExpectEditsRefused(CompileMonsters, "monsters.toml", "monster", edits);
  const std::string source = testing::ReadFileText(kDataDir / "monsters.toml");
  const std::string short_of_one = source.substr(0, source.find("[[monster]]\nnumber = 85\n"));
  EXPECT_TRUE(testing::Mentions(CompileSource(CompileMonsters, "monsters.toml", short_of_one),
                                "monster: holds 84 entries, must be 85"));
  testing::TempFolder empty;
  EXPECT_TRUE(testing::Mentions(CompileMonsters(empty.path()).errors, "monsters.toml"));
}

}  // namespace
}  // namespace zaldrun::datac
