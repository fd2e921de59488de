// Affixes.dat from data/affixes.toml: [[prefix]] entries become records 1..200 and [[suffix]]
// entries records 201..400, each list ended by a record of level 0; and a record dumped back.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "compilers.hpp"
#include "state/affix_record.hpp"
#include "state/item_record.hpp"
#include "state/text_table.hpp"
#include "toml_source.hpp"

namespace zaldrun::datac {

namespace {

constexpr char kSourceName[] = "affixes.toml";

const std::vector<std::string> kKnownFields = {"number",
                                               "name",
                                               "level",
                                               "frequency",
                                               "applies_to",
                                               "allowed_mask",
                                               "price_multiplier",
                                               "price_addend",
                                               "attributes",
                                               "protection",
                                               "damage_multiplier",
                                               "damage_addend",
                                               "attribute_multiplier",
                                               "extra_damage",
                                               "luck",
                                               "health_bonus",
                                               "mana_bonus",
                                               "properties",
                                               "slaying"};

// What an affix may be found on, as bits of the allowed mask (see data/README.md).
constexpr ItemWord kAppliesTo[] = {
    {"melee_weapons", 0xFF},  // skill classes 1..8; their slot bits 6, 7 and the two-hand bit
    {"launchers", 0xF00},     // classes 9..11 and slot 12
    {"ammunition", 0x1F00},   // classes 9..12 and slot 13
    {"helmets", 1},          {"amulets", 2},   {"body_armour", 4}, {"belts", 8},    {"cloaks", 16},
    {"rings", 128},          {"shields", 256}, {"bracelets", 256}, {"gloves", 512}, {"boots", 1024},
};

struct ListInfo {
  const char* key;   // "prefix"
  int text_base;     // 500
  int named_count;   // 49
  int first_record;  // 1
};

constexpr ListInfo kLists[2] = {{"prefix", text_ids::kPrefixBase, kPrefixTextCount, 1},
                                {"suffix", text_ids::kSuffixBase, kSuffixTextCount, 201}};

bool ReadWord(EntryReader& r, const char* field, std::span<const ItemWord> words,
              const std::string& word, int* value) {
  if (ItemValueOf(words, word, value)) return true;
  std::string known;
  for (const ItemWord& w : words) known += (known.empty() ? "" : ", ") + std::string(w.word);
  r.Error(field, "\"" + word + "\" is not one of: " + known);
  return false;
}

void ReadWordTable(EntryReader& r, const char* field, std::span<const ItemWord> words,
                   int first_code, std::span<int16_t> out) {
  const toml::node* node = r.table().get(field);
  if (node == nullptr) return;
  const toml::table* table = node->as_table();
  if (table == nullptr) {
    r.Error(field, "must be a table of word = number");
    return;
  }
  for (const auto& [key, value] : *table) {
    int code = 0;
    if (!ReadWord(r, field, words, std::string(key.str()), &code)) continue;
    const auto number = value.value<int64_t>();
    if (!value.is_integer() || !number || *number < -50 || *number > 50) {
      r.Error(field, std::string(key.str()) + " must be a whole number within -50..50");
      continue;
    }
    out[static_cast<size_t>(code - first_code)] = static_cast<int16_t>(*number);
  }
}

float ReadFactor(EntryReader& r, const char* field) {
  if (!r.Has(field)) return 1.0f;
  return static_cast<float>(r.Real(field, 0.0, 10.0));
}

void ReadMask(EntryReader& r, AffixRecord& a) {
  if (r.Has("allowed_mask")) {
    if (r.Has("applies_to")) r.Error("applies_to", "give either applies_to or allowed_mask");
    a.allowed_mask = static_cast<int32_t>(r.Int("allowed_mask", 1, kAffixMaskBits));
    return;
  }
  const toml::node* node = r.table().get("applies_to");
  const toml::array* list = node ? node->as_array() : nullptr;
  if (list == nullptr || list->empty()) {
    r.Error("applies_to", "must list what the affix is found on");
    return;
  }
  for (const toml::node& element : *list) {
    const auto word = element.value<std::string>();
    int bits = 0;
    if (!word) {
      r.Error("applies_to", "must be a list of words");
    } else if (ReadWord(r, "applies_to", kAppliesTo, *word, &bits)) {
      a.allowed_mask |= bits;
    }
  }
}

void ReadExtraDamage(EntryReader& r, AffixRecord& a) {
  const toml::node* node = r.table().get("extra_damage");
  if (node == nullptr) return;
  const toml::table* t = node->as_table();
  const auto min = t ? (*t)["min"].value<int64_t>() : std::nullopt;
  const auto max = t ? (*t)["max"].value<int64_t>() : std::nullopt;
  const auto word = t ? (*t)["kind"].value<std::string>() : std::nullopt;
  if (!min || !max || !word || t->size() != 3) {
    r.Error("extra_damage", "must be { min = .., max = .., kind = \"..\" }");
    return;
  }
  int kind = 0;
  if (!ReadWord(r, "extra_damage", ItemDamageKindWords(), *word, &kind)) return;
  if (*min < 0 || *max > 100 || *min > *max) {
    r.Error("extra_damage", "min and max must satisfy 0 <= min <= max <= 100");
    return;
  }
  a.extra_damage_min = static_cast<int16_t>(*min);
  a.extra_damage_max = static_cast<int16_t>(*max);
  a.extra_damage_kind = static_cast<uint8_t>(kind);
}

void ReadPropertiesAndSlaying(EntryReader& r, AffixRecord& a) {
  if (const toml::node* node = r.table().get("properties")) {
    const toml::array* list = node->as_array();
    if (list == nullptr || list->size() > 2) {
      r.Error("properties", "must be a list of at most two words");
    } else {
      for (size_t i = 0; i < list->size(); ++i) {
        const auto word = list->get(i)->value<std::string>();
        int bit = 0;
        if (word && ReadWord(r, "properties", ItemPropertyWords(), *word, &bit)) {
          a.kind_flags[i] = bit;
        } else if (!word) {
          r.Error("properties", "must be a list of words");
        }
      }
    }
  }
  const toml::node* node = r.table().get("slaying");
  if (node == nullptr) return;
  const toml::array* list = node->as_array();
  if (list == nullptr || list->size() > 2) {
    r.Error("slaying", "must be a list of at most two { against, multiplier, bonus }");
    return;
  }
  for (size_t i = 0; i < list->size(); ++i) {
    const toml::table* t = list->get(i)->as_table();
    const auto against = t ? (*t)["against"].value<std::string>() : std::nullopt;
    const auto multiplier = t ? (*t)["multiplier"].value<double>() : std::nullopt;
    const auto bonus = t ? (*t)["bonus"].value<int64_t>() : std::nullopt;
    int code = 0;
    if (!against || !multiplier || !bonus || t->size() != 3) {
      r.Error("slaying", "each entry is { against = \"..\", multiplier = .., bonus = .. }");
    } else if (ReadWord(r, "slaying", ItemCreatureClassWords(), *against, &code)) {
      if (*multiplier == 0 && *bonus == 0) {
        r.Error("slaying", "an entry must have a multiplier or a bonus");
      }
      a.special_codes[i] = static_cast<uint8_t>(code);
      a.special_strengths[i] = static_cast<float>(*multiplier);
      a.special_values[i] = static_cast<int16_t>(std::clamp<int64_t>(*bonus, -1000, 1000));
    }
  }
}

AffixRecord ReadAffix(EntryReader& r) {
  AffixRecord a;
  a.level = static_cast<uint8_t>(r.Int("level", 1, 50));
  a.frequency = static_cast<uint8_t>(r.Int("frequency", 1, 255));
  ReadMask(r, a);
  a.price_multiplier = ReadFactor(r, "price_multiplier");
  a.price_addend = static_cast<int16_t>(r.OptionalInt("price_addend", -10000, 10000).value_or(0));
  ReadWordTable(r, "attributes", ItemAttributeWords(), 1, a.attribute_addends);
  ReadWordTable(r, "protection", ItemProtectionWords(), 0, a.resistance_addends);
  a.damage_multiplier = ReadFactor(r, "damage_multiplier");
  a.damage_addend = static_cast<int16_t>(r.OptionalInt("damage_addend", -50, 50).value_or(0));
  a.attribute_multiplier = ReadFactor(r, "attribute_multiplier");
  ReadExtraDamage(r, a);
  a.luck_addend = static_cast<int16_t>(r.OptionalInt("luck", -50, 50).value_or(0));
  a.health_addend = static_cast<int16_t>(r.OptionalInt("health_bonus", -100, 100).value_or(0));
  a.mana_addend = static_cast<int16_t>(r.OptionalInt("mana_bonus", -100, 100).value_or(0));
  ReadPropertiesAndSlaying(r, a);
  return a;
}

// --- Dumping --------------------------------------------------------------------------------

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    if (ch == '"' || ch == '\\') out += '\\';
    out += ch;
  }
  return out + "\"";
}

std::string FormatFloat(float value) {
  char buffer[32];
  for (int precision = 1; precision <= 9; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*g", precision, static_cast<double>(value));
    if (static_cast<float>(std::strtod(buffer, nullptr)) == value) break;
  }
  std::string text = buffer;
  if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
  return text;
}

template <size_t N>
std::string WordTableText(std::span<const ItemWord> words, const std::array<int16_t, N>& values,
                          int first_code) {
  std::string out;
  for (size_t i = 0; i < N; ++i) {
    if (values[i] == 0) continue;
    out += (out.empty() ? "{ " : ", ") +
           std::string(ItemWordOf(words, static_cast<int>(i) + first_code)) + " = " +
           std::to_string(values[i]);
  }
  return out.empty() ? out : out + " }";
}

std::string DumpRecord(const AffixRecord& a, const ListInfo& list, int number) {
  std::ostringstream out;
  out << "[[" << list.key << "]]\n";
  out << "number = " << number << "\n";
  if (number <= list.named_count) {
    out << "name = " << Quote(FetchText(list.text_base + number)) << "\n";
  }
  out << "level = " << int{a.level} << "\n";
  out << "frequency = " << int{a.frequency} << "\n";
  out << "allowed_mask = " << a.allowed_mask << "\n";
  out << "price_multiplier = " << FormatFloat(a.price_multiplier) << "\n";
  if (a.price_addend != 0) out << "price_addend = " << a.price_addend << "\n";
  if (auto t = WordTableText(ItemAttributeWords(), a.attribute_addends, 1); !t.empty()) {
    out << "attributes = " << t << "\n";
  }
  if (auto t = WordTableText(ItemProtectionWords(), a.resistance_addends, 0); !t.empty()) {
    out << "protection = " << t << "\n";
  }
  out << "damage_multiplier = " << FormatFloat(a.damage_multiplier) << "\n";
  if (a.damage_addend != 0) out << "damage_addend = " << a.damage_addend << "\n";
  out << "attribute_multiplier = " << FormatFloat(a.attribute_multiplier) << "\n";
  if (a.extra_damage_kind != 0) {
    out << "extra_damage = { min = " << a.extra_damage_min << ", max = " << a.extra_damage_max
        << ", kind = " << Quote(ItemWordOf(ItemDamageKindWords(), a.extra_damage_kind)) << " }\n";
  }
  if (a.luck_addend != 0) out << "luck = " << a.luck_addend << "\n";
  if (a.health_addend != 0) out << "health_bonus = " << a.health_addend << "\n";
  if (a.mana_addend != 0) out << "mana_bonus = " << a.mana_addend << "\n";
  std::string properties;
  for (int32_t flag : a.kind_flags) {
    if (flag == 0) continue;
    std::string word(ItemWordOf(ItemPropertyWords(), flag));
    if (word.empty()) word = std::to_string(flag);
    properties += (properties.empty() ? "" : ", ") + Quote(word);
  }
  if (!properties.empty()) out << "properties = [" << properties << "]\n";
  std::string slaying;
  for (int i = 0; i < 2; ++i) {
    if (a.special_strengths[i] == 0.0f && a.special_values[i] == 0) continue;
    slaying += (slaying.empty() ? "[" : ", ") + std::string("{ against = ") +
               Quote(ItemWordOf(ItemCreatureClassWords(), a.special_codes[i])) +
               ", multiplier = " + FormatFloat(a.special_strengths[i]) +
               ", bonus = " + std::to_string(a.special_values[i]) + " }";
  }
  if (!slaying.empty()) out << "slaying = " << slaying << "]\n";
  return out.str();
}

void CompileList(const toml::table& document, const ListInfo& list, SourceErrors& errors,
                 std::vector<AffixRecord>& records) {
  const toml::node* node = document.get(list.key);
  const toml::array* entries = node ? node->as_array() : nullptr;
  if (entries == nullptr) {
    errors.Add("", list.key, std::string("no [[") + list.key + "]] entries");
    return;
  }
  std::vector<std::optional<AffixRecord>> found(kAffixListLength);
  for (const toml::node& element : *entries) {
    const toml::table* entry = element.as_table();
    if (entry == nullptr) continue;
    std::string label = std::string("[[") + list.key + "]]";
    const auto number_value = (*entry)["number"].value<int64_t>();
    if (number_value) label += " " + std::to_string(*number_value);
    if (const auto name = (*entry)["name"].value<std::string>()) label += " (" + *name + ")";
    EntryReader r(*entry, label, errors);
    r.CheckNoUnknownFields(kKnownFields);
    // The last record of a list is its level-0 end.
    const int number = static_cast<int>(r.Int("number", 1, kAffixListLength - 1));
    if (!number_value || *number_value < 1 || *number_value >= kAffixListLength) continue;
    if (found[number]) {
      r.Error("number", "described twice");
      continue;
    }
    if (number <= list.named_count) {
      const std::string expected = FetchText(list.text_base + number);
      const auto name = r.OptionalText("name", 40);
      if (!name || *name != expected) r.Error("name", "must be \"" + expected + "\"");
    } else if (r.Has("name")) {
      r.Error("name", "the text table names only the first " + std::to_string(list.named_count));
    }
    AffixRecord a = ReadAffix(r);
    for (const std::string& fault : ValidateAffixRecord(a)) errors.Add(label, "", fault);
    found[number] = a;
  }
  // A list ends at its first gap, so the entries must run 1, 2, 3 ... without one.
  int count = 0;
  while (count + 1 < kAffixListLength && found[count + 1]) ++count;
  for (int n = count + 1; n < kAffixListLength; ++n) {
    if (found[n]) {
      errors.Add("", list.key,
                 std::to_string(n) + " follows a gap after " + std::to_string(count) +
                     " and would never be read");
      break;
    }
  }
  if (count < list.named_count) {
    errors.Add("", list.key,
               "every named affix 1.." + std::to_string(list.named_count) + " needs an entry; " +
                   std::to_string(count + 1) + " is missing");
  }
  for (int n = 1; n <= count; ++n) records[list.first_record - 1 + n - 1] = *found[n];
}

}  // namespace

CompileResult CompileAffixes(const std::filesystem::path& data_dir) {
  CompileResult result;
  SourceErrors errors(kSourceName);
  const auto document = ParseTomlFile(data_dir / kSourceName, errors);
  if (!document) {
    result.errors = errors.Take();
    return result;
  }
  std::vector<AffixRecord> records(kAffixRecordCount, EndOfListAffix());
  for (const ListInfo& list : kLists) CompileList(*document, list, errors, records);
  for (const auto& [key, node] : *document) {
    (void)node;
    if (key.str() != "prefix" && key.str() != "suffix") {
      errors.Add("", std::string(key.str()), "unknown table; only [[prefix]] and [[suffix]]");
    }
  }
  if (!errors.empty()) {
    result.errors = errors.Take();
    return result;
  }
  for (const AffixRecord& a : records) {
    const std::vector<uint8_t> bytes = EncodeAffixRecord(a);
    result.bytes.insert(result.bytes.end(), bytes.begin(), bytes.end());
  }
  return result;
}

std::string DumpAffix(std::span<const uint8_t> file, int number) {
  if (number < 1 || number > kAffixRecordCount ||
      file.size() < static_cast<size_t>(number) * kAffixRecordSize) {
    return {};
  }
  AffixRecord a;
  DecodeAffixRecord(file.subspan((number - 1) * kAffixRecordSize, kAffixRecordSize), &a);
  const ListInfo& list = kLists[number > kAffixListLength ? 1 : 0];
  const int in_list = number - list.first_record + 1;
  if (a.EndsList()) {
    return std::string("# Affixes.dat record ") + std::to_string(number) + ": level 0, no " +
           list.key + " " + std::to_string(in_list) + "\n";
  }
  return DumpRecord(a, list, in_list);
}

}  // namespace zaldrun::datac
