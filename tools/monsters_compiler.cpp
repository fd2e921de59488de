// Monsters.dat from data/monsters.toml, and any of its records back as readable text.
#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "compilers.hpp"
#include "records/monster_names_check.hpp"
#include "records/monster_type_table.hpp"
#include "source_words.hpp"
#include "records/monster_record.hpp"

namespace zaldrun::datac {

namespace {

constexpr const char* kSourceName = "monsters.toml";
constexpr int64_t kShortMin = -32768;
constexpr int64_t kShortMax = 32767;
constexpr int64_t kLongMin = -2147483648LL;
constexpr int64_t kLongMax = 2147483647LL;

// The blessing requests of item creation: the stored states, and 6/7 for a random state that the
// hero does not or does know.
constexpr DataWord kBlessingWords[] = {
    {"cursed_known", 0}, {"uncursed_known", 1}, {"blessed_known", 2}, {"cursed", 3},
    {"uncursed", 4},     {"blessed", 5},        {"random", 6},        {"random_known", 7},
};
constexpr int kDefaultBlessing = 6;

const std::vector<std::string> kMonsterFields = {"number",
                                                 "gender",
                                                 "name",
                                                 "name_object",
                                                 "name_dative",
                                                 "name_instrumental",
                                                 "classes",
                                                 "flags",
                                                 "resistances",
                                                 "experience",
                                                 "hit_points",
                                                 "melee_attack",
                                                 "spare_attack",
                                                 "missile_attack",
                                                 "breath_attack",
                                                 "defence",
                                                 "attack_value",
                                                 "speed",
                                                 "action_parameter",
                                                 "behaviour",
                                                 "actions",
                                                 "loot",
                                                 "on_hit",
                                                 "talk"};

// A field holding one word of a closed list.
std::optional<int32_t> ReadWordField(EntryReader& in, const char* field,
                                     std::span<const DataWord> words) {
  const auto text = in.OptionalText(field, 40);
  if (!text) return std::nullopt;
  const auto value = ValueOf(words, *text);
  if (!value) in.Error(field, "unknown word \"" + *text + "\"; one of: " + WordList(words));
  return value;
}

// A list of words whose bit values add up.
int32_t ReadBits(EntryReader& in, const char* field, std::span<const DataWord> words) {
  const toml::array* array =
      ReadList(in, field, std::numeric_limits<size_t>::max(), "must be a list of words");
  if (array == nullptr) return 0;
  int32_t bits = 0;
  for (const toml::node& element : *array) {
    const auto word = element.value<std::string>();
    if (!element.is_string() || !word) {
      in.Error(field, "must be a list of words");
      continue;
    }
    const auto value = ValueOf(words, *word);
    if (!value) {
      in.Error(field, "unknown word \"" + *word + "\"; one of: " + WordList(words));
    } else if ((bits & *value) != 0) {
      in.Error(field, "\"" + *word + "\" is given twice");
    } else {
      bits |= *value;
    }
  }
  return bits;
}

// A [low, high] pair of whole numbers; {0, 0} when absent and not required.
std::pair<int64_t, int64_t> ReadPair(EntryReader& in, const char* field, int64_t low, int64_t high,
                                     bool required) {
  if (!required && !in.Has(field)) return {0, 0};
  const std::vector<int64_t> pair = in.IntList(field, 2, 2, low, high);
  if (pair.size() != 2) return {0, 0};
  return {pair[0], pair[1]};
}

const toml::table* SubTable(EntryReader& in, const char* field) {
  const toml::node* node = in.table().get(field);
  if (node == nullptr) return nullptr;
  const toml::table* table = node->as_table();
  if (table == nullptr) in.Error(field, "must be a table in braces");
  return table;
}

// A list field and how many of its entries to read: at most `limit`; more are reported.
struct ListEntries {
  const toml::array* list = nullptr;
  size_t count = 0;
};
ListEntries SubArray(EntryReader& in, const char* field, size_t limit, const char* entries) {
  const toml::node* node = in.table().get(field);
  if (node == nullptr) return {};
  const toml::array* list = node->as_array();
  if (list == nullptr) {
    in.Error(field, "must be a list");
    return {};
  }
  if (list->size() > limit) {
    in.Error(field, "holds " + std::to_string(list->size()) + " " + entries + ", at most " +
                        std::to_string(limit));
  }
  return {list, std::min(list->size(), limit)};
}

// An entry of a list, in braces.
const toml::table* SubEntry(const toml::node& node, const std::string& where,
                            SourceErrors& errors) {
  const toml::table* table = node.as_table();
  if (table == nullptr) errors.Add(where, "", "must be a table in braces");
  return table;
}

void ReadAttack(EntryReader& in, SourceErrors& errors, int slot, MonsterTypeRecord& r) {
  const auto i = static_cast<size_t>(slot);
  const char* field = WordOf(MonsterAttackWords(), slot).data();
  r.damage_kind[i] = 1;  // an unused slot keeps a valid kind
  const toml::table* table = SubTable(in, field);
  if (table == nullptr) return;
  EntryReader attack(*table, in.entry() + ": " + field, errors);
  attack.CheckNoUnknownFields({"damage", "kind"});
  const auto [low, high] = ReadPair(attack, "damage", kShortMin, kShortMax, true);
  r.damage_low[i] = static_cast<int16_t>(low);
  r.damage_high[i] = static_cast<int16_t>(high);
  if (!attack.Has("kind")) attack.Error("kind", "missing");
  r.damage_kind[i] =
      static_cast<int16_t>(ReadWordField(attack, "kind", DamageKindWords()).value_or(1));
}

void ReadResistances(EntryReader& in, SourceErrors& errors, MonsterTypeRecord& r) {
  const toml::table* table = SubTable(in, "resistances");
  if (table == nullptr) return;
  EntryReader resist(*table, in.entry() + ": resistances", errors);
  std::vector<std::string> known;
  for (const DataWord& w : DamageKindWords()) {
    known.emplace_back(w.word);
    const std::string key(w.word);
    const auto value = resist.OptionalInt(key.c_str(), kShortMin, kShortMax);
    if (value) r.resistances[static_cast<size_t>(w.value - 1)] = static_cast<int16_t>(*value);
  }
  resist.CheckNoUnknownFields(known);
}

void ReadActions(EntryReader& in, SourceErrors& errors, MonsterTypeRecord& r) {
  const auto [actions, count] = SubArray(in, "actions", kMonsterActionEntries, "entries");
  for (size_t n = 0; n < count; ++n) {
    const std::string where = in.entry() + ": actions[" + std::to_string(n + 1) + "]";
    const toml::table* entry = SubEntry((*actions)[n], where, errors);
    if (entry == nullptr) continue;
    EntryReader action(*entry, where, errors);
    action.CheckNoUnknownFields({"action", "weight", "limit"});
    if (!action.Has("action")) action.Error("action", "missing");
    r.action_codes[n] =
        static_cast<int16_t>(ReadWordField(action, "action", MonsterActionWords()).value_or(0));
    r.action_weights[n] = static_cast<uint8_t>(action.Int("weight", 0, 255));
    r.action_limits[n] =
        static_cast<int16_t>(action.OptionalInt("limit", kShortMin, kShortMax).value_or(0));
  }
}

void ReadLoot(EntryReader& in, SourceErrors& errors, MonsterTypeRecord& r) {
  const auto [rows, count] = SubArray(in, "loot", kMonsterLootRows, "rows");
  for (size_t row = 0; row < count; ++row) {
    const std::string row_where = in.entry() + ": loot[" + std::to_string(row + 1) + "]";
    const toml::array* choices = (*rows)[row].as_array();
    if (choices == nullptr || choices->empty() || choices->size() > kMonsterLootChoices) {
      errors.Add(
          row_where, "",
          "must be a list of 1.." + std::to_string(kMonsterLootChoices) + " choices in braces");
      continue;
    }
    for (size_t choice = 0; choice < choices->size(); ++choice) {
      const std::string where = row_where + "[" + std::to_string(choice + 1) + "]";
      const toml::table* entry = SubEntry((*choices)[choice], where, errors);
      if (entry == nullptr) continue;
      EntryReader item(*entry, where, errors);
      item.CheckNoUnknownFields({"item", "percent", "count", "blessing"});
      const size_t i =
          MonsterTypeRecord::LootIndex(static_cast<int>(row + 1), static_cast<int>(choice + 1));
      r.loot_type[i] = static_cast<uint8_t>(item.Int("item", 1, 255));
      r.loot_percent[i] = static_cast<int16_t>(item.Int("percent", 0, 255));
      const auto [low, high] = ReadPair(item, "count", kShortMin, kShortMax, true);
      r.loot_count_low[i] = static_cast<int16_t>(low);
      r.loot_count_high[i] = static_cast<int16_t>(high);
      r.loot_blessing[i] = static_cast<uint8_t>(
          ReadWordField(item, "blessing", kBlessingWords).value_or(kDefaultBlessing));
    }
  }
}

void ReadOnHit(EntryReader& in, SourceErrors& errors, MonsterTypeRecord& r) {
  const toml::table* table = SubTable(in, "on_hit");
  if (table == nullptr) return;
  EntryReader on_hit(*table, in.entry() + ": on_hit", errors);
  on_hit.CheckNoUnknownFields({"chance", "strength", "attribute"});
  r.on_hit_chance = static_cast<uint8_t>(on_hit.Int("chance", 0, 255));
  const auto [low, high] = ReadPair(on_hit, "strength", kShortMin, kShortMax, true);
  r.on_hit_low = static_cast<int16_t>(low);
  r.on_hit_high = static_cast<int16_t>(high);
  r.on_hit_attribute =
      static_cast<int16_t>(ReadWordField(on_hit, "attribute", AttributeWords()).value_or(0));
}

// One [[monster]] entry: its number (0 when unreadable) and its record.
std::pair<int, MonsterTypeRecord> ReadMonster(const toml::table& table, size_t position,
                                              SourceErrors& errors) {
  // The entry is named by its number and name as written, before either is checked.
  const toml::node* number_node = table.get("number");
  const bool has_number = number_node != nullptr && number_node->is_integer();
  const int64_t written_number = has_number ? number_node->value_or<int64_t>(0) : 0;
  const toml::node* name_node = table.get("name");
  std::string entry = "[[monster]] " + (has_number ? std::to_string(written_number)
                                                   : "#" + std::to_string(position + 1));
  if (name_node != nullptr && name_node->is_string()) {
    entry += " (" + name_node->value_or<std::string>("") + ")";
  }
  EntryReader in(table, entry, errors);
  in.CheckNoUnknownFields(kMonsterFields);

  in.Int("number", 1, kMonsterTypeCount);
  const bool number_ok = has_number && written_number >= 1 && written_number <= kMonsterTypeCount;
  const int number = number_ok ? static_cast<int>(written_number) : 0;
  MonsterTypeRecord r;
  r.name = in.Text("name", kMonsterNameWidth);
  r.name_object = in.Text("name_object", kMonsterNameWidth);
  r.name_dative = in.Text("name_dative", kMonsterNameWidth);
  r.name_instrumental = in.Text("name_instrumental", kMonsterNameWidth);
  r.class_bits = ReadBits(in, "classes", CreatureClassBitWords());
  r.flags = ReadBits(in, "flags", MonsterFlagWords());
  ReadResistances(in, errors, r);
  r.experience = static_cast<int32_t>(in.Int("experience", kLongMin, kLongMax));
  const auto pair16 = [&in](const char* field) {
    const auto [low, high] = ReadPair(in, field, kShortMin, kShortMax, true);
    return std::pair<int16_t, int16_t>(static_cast<int16_t>(low), static_cast<int16_t>(high));
  };
  std::tie(r.hp_low, r.hp_high) = pair16("hit_points");
  for (int slot = 0; slot < kMonsterAttackSlots; ++slot) ReadAttack(in, errors, slot, r);
  std::tie(r.defence_low, r.defence_high) = pair16("defence");
  std::tie(r.attack_low, r.attack_high) = pair16("attack_value");
  std::tie(r.speed_low, r.speed_high) = pair16("speed");
  r.action_parameter =
      static_cast<int16_t>(in.OptionalInt("action_parameter", kShortMin, kShortMax).value_or(0));
  r.behaviour = in.Text("behaviour", kMonsterHandlerWidth);
  ReadActions(in, errors, r);
  ReadLoot(in, errors, r);
  ReadOnHit(in, errors, r);
  r.talk = in.Has("talk") ? in.Text("talk", kMonsterHandlerWidth, true) : std::string(kSilentTalk);

  // Record checks, then the grammar against the type table's gender, then the handler names.
  std::vector<MonsterRecordFault> faults = ValidateMonsterRecord(r);
  const int table_gender = MonsterTypeConstants(number).gender;
  if (!in.Has("gender")) in.Error("gender", "missing");
  const auto gender = ReadWordField(in, "gender", GenderWords());
  if (gender && number_ok && *gender != table_gender) {
    in.Error("gender", "the type table makes type " + std::to_string(number) + " " +
                           std::string(WordOf(GenderWords(), table_gender)));
  }
  if (number_ok) {
    for (auto& fault : CheckMonsterGrammar(r, table_gender)) faults.push_back(std::move(fault));
  }
  for (auto& fault : CheckMonsterHandlerNames(r)) faults.push_back(std::move(fault));
  for (const auto& fault : faults) in.Error(fault.field.c_str(), fault.message);
  return {number, std::move(r)};
}

void DumpPair(std::ostringstream& out, const char* field, int low, int high) {
  out << field << ": " << low << ".." << high << "\n";
}

std::string Worded(std::span<const DataWord> words, int32_t value) {
  const std::string_view word = WordOf(words, value);
  return std::to_string(value) + (word.empty() ? "" : " " + std::string(word));
}

std::string Bits(std::span<const DataWord> words, int32_t bits) {
  std::string text = std::to_string(bits);
  for (const DataWord& w : words) {
    if ((bits & w.value) != 0) text += " " + std::string(w.word);
  }
  return text;
}

}  // namespace

CompileResult CompileMonsters(const std::filesystem::path& data_dir) {
  SourceErrors errors(kSourceName);
  const auto root = ParseTomlFile(data_dir / kSourceName, errors);
  if (!root) return Failed(errors);
  for (const auto& [key, node] : *root) {
    (void)node;
    if (key.str() != "monster") errors.Add("", std::string(key.str()), "unknown table or field");
  }
  const toml::array* monsters = root->get_as<toml::array>("monster");
  if (monsters == nullptr) {
    errors.Add("", "monster", "no [[monster]] entries");
    return Failed(errors);
  }
  std::map<int, MonsterTypeRecord> records;
  for (size_t i = 0; i < monsters->size(); ++i) {
    const toml::table* table = (*monsters)[i].as_table();
    if (table == nullptr) {
      errors.Add("[[monster]] #" + std::to_string(i + 1), "", "must be a table");
      continue;
    }
    auto [number, record] = ReadMonster(*table, i, errors);
    if (number == 0) continue;
    if (!records.emplace(number, std::move(record)).second) {
      errors.Add("[[monster]] " + std::to_string(number), "number", "used twice");
    }
  }
  if (monsters->size() != static_cast<size_t>(kMonsterTypeCount)) {
    errors.Add("", "monster",
               "holds " + std::to_string(monsters->size()) + " entries, must be " +
                   std::to_string(kMonsterTypeCount));
  }
  for (int number = 1; number <= kMonsterTypeCount; ++number) {
    if (records.count(number) == 0) {
      errors.Add("", "monster", "no entry has number " + std::to_string(number));
    }
  }
  return Finish(errors, records,
                [](const auto& numbered) { return EncodeMonsterRecord(numbered.second); });
}

std::string DumpMonster(std::span<const uint8_t> file, int number) {
  const auto bytes = RecordBytes(file, number, std::numeric_limits<int>::max(), kMonsterRecordSize);
  const auto decoded = bytes ? DecodeMonsterRecord(*bytes) : std::nullopt;
  if (!decoded) return {};
  const MonsterTypeRecord& r = *decoded;
  std::ostringstream out;
  out << "Monsters.dat record " << number << "\n";
  out << "name: " << r.name << "\n";
  out << "name_object: " << r.name_object << "\n";
  out << "name_dative: " << r.name_dative << "\n";
  out << "name_instrumental: " << r.name_instrumental << "\n";
  out << "classes: " << Bits(CreatureClassBitWords(), r.class_bits) << "\n";
  out << "flags: " << Bits(MonsterFlagWords(), r.flags) << "\n";
  out << "resistances:";
  for (int kind = 1; kind <= kMonsterResistances; ++kind) {
    out << " " << WordOf(DamageKindWords(), kind) << " " << r.Resistance(kind);
  }
  out << "\n";
  out << "experience: " << r.experience << "\n";
  DumpPair(out, "hit_points", r.hp_low, r.hp_high);
  for (size_t slot = 0; slot < kMonsterAttackSlots; ++slot) {
    out << WordOf(MonsterAttackWords(), slot) << ": " << r.damage_low[slot] << ".." << r.damage_high[slot]
        << " kind " << Worded(DamageKindWords(), r.damage_kind[slot]) << "\n";
  }
  DumpPair(out, "defence", r.defence_low, r.defence_high);
  DumpPair(out, "attack_value", r.attack_low, r.attack_high);
  DumpPair(out, "speed", r.speed_low, r.speed_high);
  out << "action_parameter: " << r.action_parameter << "\n";
  out << "behaviour: " << r.behaviour << "\n";
  for (size_t n = 0; n < kMonsterActionEntries; ++n) {
    if (r.action_codes[n] == 0 && r.action_weights[n] == 0 && r.action_limits[n] == 0) continue;
    out << "actions[" << n + 1 << "]: " << Worded(MonsterActionWords(), r.action_codes[n])
        << ", weight " << int{r.action_weights[n]} << ", limit " << r.action_limits[n] << "\n";
  }
  for (int row = 1; row <= kMonsterLootRows; ++row) {
    for (int choice = 1; choice <= kMonsterLootChoices; ++choice) {
      const size_t i = MonsterTypeRecord::LootIndex(row, choice);
      if (r.loot_type[i] == 0 && r.loot_percent[i] == 0 && r.loot_count_low[i] == 0 &&
          r.loot_count_high[i] == 0 && r.loot_blessing[i] == 0) {
        continue;
      }
      out << "loot[" << row << "][" << choice << "]: item " << int{r.loot_type[i]} << ", "
          << r.loot_percent[i] << "%, count " << r.loot_count_low[i] << ".." << r.loot_count_high[i]
          << ", blessing " << Worded(kBlessingWords, r.loot_blessing[i]) << "\n";
    }
  }
  out << "on_hit: chance " << int{r.on_hit_chance} << ", strength " << r.on_hit_low << ".."
      << r.on_hit_high << ", attribute " << Worded(AttributeWords(), r.on_hit_attribute) << "\n";
  out << "talk: " << r.talk << "\n";
  return out.str();
}

}  // namespace zaldrun::datac
