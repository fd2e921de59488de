#include "source_words.hpp"

#include <cstdio>
#include <cstdlib>

namespace zaldrun::datac {

CompileResult Failed(SourceErrors& errors) {
  CompileResult result;
  result.errors = errors.Take();
  return result;
}

std::optional<std::span<const uint8_t>> RecordBytes(std::span<const uint8_t> file, int number,
                                                    int count, size_t size) {
  if (number < 1 || number > count || file.size() < static_cast<size_t>(number) * size) {
    return std::nullopt;
  }
  return file.subspan(static_cast<size_t>(number - 1) * size, size);
}

std::string WordList(std::span<const DataWord> words) {
  std::string list;
  for (const DataWord& w : words) list += (list.empty() ? "" : ", ") + std::string(w.word);
  return list;
}

std::optional<int32_t> ReadWord(EntryReader& r, const char* field, std::span<const DataWord> words,
                                const std::string& word) {
  const auto value = ValueOf(words, word);
  if (!value) r.Error(field, "\"" + word + "\" is not one of: " + WordList(words));
  return value;
}

std::vector<std::pair<int32_t, int64_t>> ReadWordTable(EntryReader& r, const char* field,
                                                       std::span<const DataWord> words, int64_t low,
                                                       int64_t high) {
  std::vector<std::pair<int32_t, int64_t>> out;
  const toml::node* node = r.table().get(field);
  if (node == nullptr) return out;
  const toml::table* table = node->as_table();
  if (table == nullptr) {
    r.Error(field, "must be a table of word = number");
    return out;
  }
  for (const auto& [key, value] : *table) {
    const auto code = ReadWord(r, field, words, std::string(key.str()));
    if (!code) continue;
    const auto number = value.value<int64_t>();
    if (!value.is_integer() || !number || *number < low || *number > high) {
      r.Error(field, std::string(key.str()) + " must be a whole number within " +
                         std::to_string(low) + ".." + std::to_string(high));
      continue;
    }
    out.emplace_back(*code, *number);
  }
  return out;
}

const toml::array* ReadList(EntryReader& r, const char* field, size_t max_count,
                            const char* message) {
  const toml::node* node = r.table().get(field);
  if (node == nullptr) return nullptr;
  const toml::array* list = node->as_array();
  if (list != nullptr && list->size() <= max_count) return list;
  r.Error(field, message);
  return nullptr;
}

std::optional<std::pair<int16_t, int16_t>> ReadRange(EntryReader& r, const char* field, int64_t low,
                                                     int64_t high) {
  if (!r.Has(field)) return std::nullopt;
  const auto values = r.IntList(field, 2, 2, low, high);
  if (values.size() != 2) return std::nullopt;
  if (values[0] > values[1]) r.Error(field, "the first number must not exceed the second");
  return std::make_pair(static_cast<int16_t>(values[0]), static_cast<int16_t>(values[1]));
}

std::optional<DamageEntry> ReadDamage(EntryReader& r, const char* field, const toml::node& node,
                                      int64_t limit) {
  const toml::table* table = node.as_table();
  const auto min = table ? (*table)["min"].value<int64_t>() : std::nullopt;
  const auto max = table ? (*table)["max"].value<int64_t>() : std::nullopt;
  const auto word = table ? (*table)["kind"].value<std::string>() : std::nullopt;
  if (!min || !max || !word || table->size() != 3) {
    r.Error(field, "must be { min = .., max = .., kind = \"..\" }");
    return std::nullopt;
  }
  const auto kind = ReadWord(r, field, DamageKindWords(), *word);
  if (!kind) return std::nullopt;
  if (*min < 0 || *max > limit || *min > *max) {
    r.Error(field, "min and max must satisfy 0 <= min <= max <= " + std::to_string(limit));
    return std::nullopt;
  }
  return DamageEntry{static_cast<int16_t>(*min), static_cast<int16_t>(*max),
                     static_cast<uint8_t>(*kind)};
}

std::optional<SlayingEntry> ReadSlaying(EntryReader& r, const toml::node& node) {
  const toml::table* t = node.as_table();
  const auto against = t ? (*t)["against"].value<std::string>() : std::nullopt;
  const auto multiplier = t ? (*t)["multiplier"].value<double>() : std::nullopt;
  const auto bonus = t ? (*t)["bonus"].value<int64_t>() : std::nullopt;
  if (!against || !multiplier || !bonus || t->size() != 3) {
    r.Error("slaying", "each entry is { against = \"..\", multiplier = .., bonus = .. }");
    return std::nullopt;
  }
  const auto code = ReadWord(r, "slaying", CreatureClassWords(), *against);
  if (!code) return std::nullopt;
  return SlayingEntry{*code, *multiplier, *bonus};
}

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

std::string DamageText(int16_t low, int16_t high, int kind) {
  std::string word(WordOf(DamageKindWords(), kind));
  if (word.empty()) word = std::to_string(kind);
  return "{ min = " + std::to_string(low) + ", max = " + std::to_string(high) +
         ", kind = " + Quote(word) + " }";
}

std::string WordTableText(std::span<const DataWord> words, std::span<const int16_t> values,
                          int first_code) {
  std::string out;
  for (size_t i = 0; i < values.size(); ++i) {
    if (values[i] == 0) continue;
    out += (out.empty() ? "{ " : ", ") +
           std::string(WordOf(words, static_cast<int>(i) + first_code)) + " = " +
           std::to_string(values[i]);
  }
  return out.empty() ? out : out + " }";
}

std::string SlayingText(std::span<const uint8_t> codes, std::span<const float> multipliers,
                        std::span<const int16_t> bonuses) {
  std::string out;
  for (size_t i = 0; i < codes.size(); ++i) {
    if (multipliers[i] == 0.0f && bonuses[i] == 0) continue;
    out += (out.empty() ? "[" : ", ") + std::string("{ against = ") +
           Quote(WordOf(CreatureClassWords(), codes[i])) +
           ", multiplier = " + FormatFloat(multipliers[i]) +
           ", bonus = " + std::to_string(bonuses[i]) + " }";
  }
  return out.empty() ? out : out + "]";
}

}  // namespace zaldrun::datac
