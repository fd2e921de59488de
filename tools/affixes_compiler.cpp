// Affixes.dat from data/affixes.toml: [[prefix]] entries become records 1..200 and [[suffix]]
// entries records 201..400, each list ended by a record of level 0; and a record dumped back.
#include <algorithm>
#include <sstream>

#include "compilers.hpp"
#include "source_words.hpp"
#include "records/affix_record.hpp"
#include "records/item_record.hpp"
#include "records/text_table.hpp"

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
constexpr DataWord kAppliesTo[] = {
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

// { word = number, ... } within -50..50 into `out`, the word of value v at index v - first_code.
void ReadAddends(EntryReader& r, const char* field, std::span<const DataWord> words, int first_code,
                 std::span<int16_t> out) {
  for (const auto& [code, number] : ReadWordTable(r, field, words, -50, 50)) {
    out[static_cast<size_t>(code - first_code)] = static_cast<int16_t>(number);
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
    if (!word) {
      r.Error("applies_to", "must be a list of words");
    } else if (const auto bits = ReadWord(r, "applies_to", kAppliesTo, *word)) {
      a.allowed_mask |= *bits;
    }
  }
}

void ReadExtraDamage(EntryReader& r, AffixRecord& a) {
  const toml::node* node = r.table().get("extra_damage");
  if (node == nullptr) return;
  if (const auto damage = ReadDamage(r, "extra_damage", *node, 100)) {
    a.extra_damage_min = damage->min;
    a.extra_damage_max = damage->max;
    a.extra_damage_kind = damage->kind;
  }
}

void ReadPropertiesAndSlaying(EntryReader& r, AffixRecord& a) {
  if (const toml::array* list =
          ReadList(r, "properties", 2, "must be a list of at most two words")) {
    for (size_t i = 0; i < list->size(); ++i) {
      const auto word = list->get(i)->value<std::string>();
      if (!word) {
        r.Error("properties", "must be a list of words");
      } else if (const auto bit = ReadWord(r, "properties", ItemPropertyWords(), *word)) {
        a.kind_flags[i] = *bit;
      }
    }
  }
  const toml::array* list =
      ReadList(r, "slaying", 2, "must be a list of at most two { against, multiplier, bonus }");
  if (list == nullptr) return;
  for (size_t i = 0; i < list->size(); ++i) {
    const auto entry = ReadSlaying(r, *list->get(i));
    if (!entry) continue;
    if (entry->multiplier == 0 && entry->bonus == 0) {
      r.Error("slaying", "an entry must have a multiplier or a bonus");
    }
    a.special_codes[i] = static_cast<uint8_t>(entry->against);
    a.special_strengths[i] = static_cast<float>(entry->multiplier);
    a.special_values[i] = static_cast<int16_t>(std::clamp<int64_t>(entry->bonus, -1000, 1000));
  }
}

AffixRecord ReadAffix(EntryReader& r) {
  AffixRecord a;
  a.level = static_cast<uint8_t>(r.Int("level", 1, 50));
  a.frequency = static_cast<uint8_t>(r.Int("frequency", 1, 255));
  ReadMask(r, a);
  a.price_multiplier = ReadFactor(r, "price_multiplier");
  a.price_addend = static_cast<int16_t>(r.OptionalInt("price_addend", -10000, 10000).value_or(0));
  ReadAddends(r, "attributes", AttributeModifierWords(), 1, a.attribute_addends);
  ReadAddends(r, "protection", ProtectionWords(), 0, a.resistance_addends);
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
  if (auto t = WordTableText(AttributeModifierWords(), a.attribute_addends, 1); !t.empty()) {
    out << "attributes = " << t << "\n";
  }
  if (auto t = WordTableText(ProtectionWords(), a.resistance_addends, 0); !t.empty()) {
    out << "protection = " << t << "\n";
  }
  out << "damage_multiplier = " << FormatFloat(a.damage_multiplier) << "\n";
  if (a.damage_addend != 0) out << "damage_addend = " << a.damage_addend << "\n";
  out << "attribute_multiplier = " << FormatFloat(a.attribute_multiplier) << "\n";
  if (a.extra_damage_kind != 0) {
    out << "extra_damage = "
        << DamageText(a.extra_damage_min, a.extra_damage_max, a.extra_damage_kind) << "\n";
  }
  if (a.luck_addend != 0) out << "luck = " << a.luck_addend << "\n";
  if (a.health_addend != 0) out << "health_bonus = " << a.health_addend << "\n";
  if (a.mana_addend != 0) out << "mana_bonus = " << a.mana_addend << "\n";
  std::string properties;
  for (int32_t flag : a.kind_flags) {
    if (flag == 0) continue;
    std::string word(WordOf(ItemPropertyWords(), flag));
    if (word.empty()) word = std::to_string(flag);
    properties += (properties.empty() ? "" : ", ") + Quote(word);
  }
  if (!properties.empty()) out << "properties = [" << properties << "]\n";
  const std::string slaying = SlayingText(a.special_codes, a.special_strengths, a.special_values);
  if (!slaying.empty()) out << "slaying = " << slaying << "\n";
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
  SourceErrors errors(kSourceName);
  const auto document = ParseTomlFile(data_dir / kSourceName, errors);
  if (!document) return Failed(errors);
  std::vector<AffixRecord> records(kAffixRecordCount, EndOfListAffix());
  for (const ListInfo& list : kLists) CompileList(*document, list, errors, records);
  for (const auto& [key, node] : *document) {
    (void)node;
    if (key.str() != "prefix" && key.str() != "suffix") {
      errors.Add("", std::string(key.str()), "unknown table; only [[prefix]] and [[suffix]]");
    }
  }
  return Finish(errors, records, EncodeAffixRecord);
}

std::string DumpAffix(std::span<const uint8_t> file, int number) {
  const auto bytes = RecordBytes(file, number, kAffixRecordCount, kAffixRecordSize);
  if (!bytes) return {};
  AffixRecord a;
  DecodeAffixRecord(*bytes, &a);
  const ListInfo& list = kLists[number > kAffixListLength ? 1 : 0];
  const int in_list = number - list.first_record + 1;
  if (a.EndsList()) {
    return std::string("# Affixes.dat record ") + std::to_string(number) + ": level 0, no " +
           list.key + " " + std::to_string(in_list) + "\n";
  }
  return DumpRecord(a, list, in_list);
}

}  // namespace zaldrun::datac
