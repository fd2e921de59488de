#include <gtest/gtest.h>
#include <toml++/toml.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compilers.hpp"
#include "state/monster_record.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun::datac {
namespace {

const std::filesystem::path kDataDir = ZALDRUN_SOURCE_DIR "/data";

std::string Source() { return testing::ReadFileText(kDataDir / "monsters.toml"); }

// The source with entry `number` (1-based position) changed by `change`.
template <typename Change>
std::string WithEntry(int number, Change change) {
  const std::string source = Source();
  std::vector<std::string> blocks;
  size_t at = 0;
  while (true) {
    const size_t next = source.find("[[monster]]", at + 1);
    blocks.push_back(source.substr(at, next == std::string::npos ? next : next - at));
    if (next == std::string::npos) break;
    at = next;
  }
  change(blocks[static_cast<size_t>(number - 1)]);
  std::string out;
  for (const std::string& b : blocks) out += b;
  return out;
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
}

std::vector<std::string> CompileText(const std::string& source) {
  testing::TempFolder folder;
  testing::WriteFileText(folder / "monsters.toml", source);
  return CompileMonsters(folder.path()).errors;
}

// Expects an error that names the file, the entry and the field.
void ExpectError(const std::string& source, const std::string& where) {
  const std::vector<std::string> errors = CompileText(source);
  std::string all;
  bool found = false;
  for (const std::string& e : errors) {
    all += e + "\n";
    found = found || (e.rfind("monsters.toml: ", 0) == 0 && e.find(where) != std::string::npos);
  }
  EXPECT_TRUE(found) << "no error with \"" << where << "\" among:\n" << all;
}

TEST(MonstersCompiler, EveryRecordDumpsBackToItsSource) {
  const CompileResult result = CompileMonsters(kDataDir);
  ASSERT_TRUE(result.errors.empty()) << result.errors.front();
  ASSERT_EQ(result.bytes.size(), 56185u) << "85 records of 661 bytes";
  EXPECT_EQ(DumpMonster(result.bytes, 0), "");
  EXPECT_EQ(DumpMonster(result.bytes, 86), "");
  const toml::table source = toml::parse_file((kDataDir / "monsters.toml").string());
  const toml::array& monsters = *source["monster"].as_array();
  ASSERT_EQ(monsters.size(), 85u);
  for (const toml::node& node : monsters) {
    const toml::table& m = *node.as_table();
    const int number = static_cast<int>(*m["number"].value<int64_t>());
    const std::string dump = DumpMonster(result.bytes, number);
    const auto has = [&dump, number](const std::string& line) {
      EXPECT_NE(dump.find(line + "\n"), std::string::npos) << number << ": " << line << "\n"
                                                           << dump;
    };
    has("Monsters.dat record " + std::to_string(number));
    for (const char* form :
         {"name", "name_object", "name_dative", "name_instrumental", "behaviour"}) {
      has(std::string(form) + ": " + *m[form].value<std::string>());
    }
    has("talk: " + m["talk"].value<std::string>().value_or("NoAns"));
    has("experience: " + std::to_string(*m["experience"].value<int64_t>()));
    for (const char* pair : {"hit_points", "defence", "attack_value", "speed"}) {
      has(std::string(pair) + ": " + std::to_string(*m[pair][0].value<int64_t>()) + ".." +
          std::to_string(*m[pair][1].value<int64_t>()));
    }
    if (const toml::array* actions = m["actions"].as_array()) {
      for (size_t i = 0; i < actions->size(); ++i) {
        const toml::table& a = *(*actions)[i].as_table();
        const std::string word = *a["action"].value<std::string>();
        has("actions[" + std::to_string(i + 1) +
            "]: " + std::to_string(*ValueOf(MonsterActionWords(), word)) + " " + word +
            ", weight " + std::to_string(*a["weight"].value<int64_t>()) + ", limit " +
            std::to_string(a["limit"].value<int64_t>().value_or(0)));
      }
    }
  }
}

TEST(MonstersCompiler, RefusesFaultyEntriesNamingFileEntryAndField) {
  const struct {
    int entry;
    const char* from;
    const char* to;
    const char* error;
  } cases[] = {
      // Name forms: missing, not agreeing with each other or with the type's fixed gender.
      {1, "name_dative = \"крысе\"\n", "", "[[monster]] 1 (Крыса): name_dative: missing"},
      {1, "name_object = \"крысу\"", "name_object = \"крыса\"", "1 (Крыса): name_object: "},
      {1, "gender = \"feminine\"", "gender = \"masculine\"",
       "1 (Крыса): gender: the type table makes type 1 feminine"},
      {3, "name = \"Пещерный паук\"", "name = \"Пещерная паучиха\"",
       "name: \"Пещерная паучиха\" does not look masculine"},
      {1, "name = \"Крыса\"", "name = \"Крысёныш\"", "name: \"Крысёныш\" does not look feminine"},
      // Handler names and words.
      {1, "behaviour = \"StndAI\"", "behaviour = \"StandAI\"",
       "1 (Крыса): behaviour: \"StandAI\" is no monster behaviour"},
      {1, "behaviour = \"StndAI\"", "behaviour = \"\"", "1 (Крыса): behaviour: "},
      {27, "talk = \"Kva\"", "talk = \"Kvak\"",
       "27 (Лягушонок): talk: \"Kvak\" is no talk handler"},
      {1, "kind = \"physical_2\"", "kind = \"poison\"",
       "melee_attack: kind: unknown word \"poison\""},
      {1, "action = \"bite\"", "action = \"fly\"", "actions[1]: action: unknown word \"fly\""},
      {1, "[\"animal\"]", "[\"animal\", \"animal\"]", "classes: \"animal\" is given twice"},
      {1, "experience = 3", "experience = 3\ncolour = 5", "1 (Крыса): colour: unknown field"},
      {3, "strength = [3, 6] }", "strength = [3, 6], attribute = \"luck\" }",
       "on_hit: attribute: unknown word \"luck\""},
      // Numbers out of range.
      {1, "hit_points = [3, 6]", "hit_points = [7, 6]",
       "1 (Крыса): hit_points: lowest value 7 is above highest 6"},
      {1, "weight = 10 }", "weight = 10 }, { action = \"retreat\", weight = 2, limit = 40 }",
       "actions[2]: limit 40 is outside 1..20"},
      {8, "count = [2, 12] }", "count = [2, 12] }, { item = 30, percent = 70, count = [1, 1] }",
       "8 (Гоблин): loot[2]: percentages add up to 110, above 100"},
      {8, "weight = 4, limit = 1", "weight = 300, limit = 1", "weight: 300 is outside 0..255"},
      // Counts.
      {1, "number = 1\n", "number = 2\n", "[[monster]] 2: number: used twice"},
      {1, "number = 1\n", "number = 2\n", "monster: no entry has number 1"},
      {1, "number = 1\n", "number = 86\n", "number: 86 is outside 1..85"},
  };
  for (const auto& c : cases) {
    ExpectError(WithEntry(c.entry, [&c](std::string& e) { Replace(e, c.from, c.to); }), c.error);
  }
  ExpectError(WithEntry(85, [](std::string& e) { e.clear(); }),
              "monster: holds 84 entries, must be 85");
  ExpectError(Source() + "\n[broken\n", "line ");
  testing::TempFolder empty;
  const std::vector<std::string> errors = CompileMonsters(empty.path()).errors;
  ASSERT_FALSE(errors.empty());
  EXPECT_NE(errors.front().find("monsters.toml"), std::string::npos) << errors.front();
}

TEST(MonstersCompiler, ABlankTalkHandlerIsSilence) {
  EXPECT_TRUE(CompileText(WithEntry(1, [](std::string& e) { e += "talk = \"\"\n"; })).empty());
}

}  // namespace
}  // namespace zaldrun::datac
