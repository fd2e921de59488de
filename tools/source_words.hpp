// What the compilers share beyond the TOML reader: words of closed lists read with errors that
// name the known ones, damage and slaying entries, and the pieces of a record written back as
// TOML text.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "compilers.hpp"
#include "records/data_words.hpp"
#include "toml_source.hpp"

namespace zaldrun::datac {

// A compile that stops with the errors found so far.
CompileResult Failed(SourceErrors& errors);

// The end of a compile: the errors when there are any, else the records encoded one after another.
template <typename Records, typename Encode>
CompileResult Finish(SourceErrors& errors, const Records& records, Encode encode) {
  if (!errors.empty()) return Failed(errors);
  CompileResult result;
  for (const auto& record : records) {
    const std::vector<uint8_t> bytes = encode(record);
    result.bytes.insert(result.bytes.end(), bytes.begin(), bytes.end());
  }
  return result;
}

// The bytes of record `number` (1-based) of a file of records of `size` bytes, at most `count`
// of them; nothing when the file has no such record.
std::optional<std::span<const uint8_t>> RecordBytes(std::span<const uint8_t> file, int number,
                                                    int count, size_t size);

// "a, b, c": the words of a list, for error messages.
std::string WordList(std::span<const DataWord> words);

// A word of a closed list; nothing, and the error "\"word\" is not one of: ...", when unknown.
std::optional<int32_t> ReadWord(EntryReader& r, const char* field, std::span<const DataWord> words,
                                const std::string& word);

// { word = number, ... } with words of a closed list and numbers within low..high: the pairs of
// (value of the word, number) in the order written.
std::vector<std::pair<int32_t, int64_t>> ReadWordTable(EntryReader& r, const char* field,
                                                       std::span<const DataWord> words, int64_t low,
                                                       int64_t high);

// A list field of at most `max_count` elements; nothing when absent, and the error `message` and
// nothing when not such a list.
const toml::array* ReadList(EntryReader& r, const char* field, size_t max_count,
                            const char* message);

// [low, high] of whole numbers within low..high, the first not above the second; nothing when
// absent or unreadable.
std::optional<std::pair<int16_t, int16_t>> ReadRange(EntryReader& r, const char* field, int64_t low,
                                                     int64_t high);

struct DamageEntry {
  int16_t min = 0;
  int16_t max = 0;
  uint8_t kind = 0;
};
// { min = .., max = .., kind = ".." } with 0 <= min <= max <= limit and a damage kind word.
std::optional<DamageEntry> ReadDamage(EntryReader& r, const char* field, const toml::node& node,
                                      int64_t limit);

struct SlayingEntry {
  int32_t against = 0;  // creature class 0..16
  double multiplier = 0;
  int64_t bonus = 0;
};
// One entry of a `slaying` list: { against = "..", multiplier = .., bonus = .. }.
std::optional<SlayingEntry> ReadSlaying(EntryReader& r, const toml::node& node);

// A TOML string: the text in quotes, quotes and backslashes escaped.
std::string Quote(std::string_view text);
// The shortest text that reads back as the same float, always with a point or exponent.
std::string FormatFloat(float value);
// "{ min = 1, max = 4, kind = \"fire\" }"; a kind without a word is shown as its number.
std::string DamageText(int16_t low, int16_t high, int kind);
// "{ word = n, ... }" of the values that are not 0, value i named by the word of i + first_code;
// empty when all are 0.
std::string WordTableText(std::span<const DataWord> words, std::span<const int16_t> values,
                          int first_code);
// "[{ against = .., multiplier = .., bonus = .. }, ...]" of the entries that are not empty; empty
// when all are.
std::string SlayingText(std::span<const uint8_t> codes, std::span<const float> multipliers,
                        std::span<const int16_t> bonuses);

}  // namespace zaldrun::datac
