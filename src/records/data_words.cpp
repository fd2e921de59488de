#include "records/data_words.hpp"

#include <array>
#include <iterator>

namespace zaldrun {

namespace {

constexpr DataWord kDamageKinds[] = {
    {"physical_1", 1}, {"physical_2", 2},  {"physical_3", 3}, {"magic", 4}, {"fire", 5},
    {"cold", 6},       {"electricity", 7}, {"acid", 8},       {"holy", 9},  {"dark", 10},
};

constexpr DataWord kAttributes[] = {
    {"strength", 0}, {"intellect", 1},  {"will", 2},       {"dexterity", 3},  {"endurance", 4},
    {"charisma", 5}, {"appearance", 6}, {"magic_link", 7}, {"perception", 8},
};

constexpr DataWord kCreatureClasses[] = {
    {"humanoid", 0},    {"animal", 1}, {"undead", 2}, {"demon", 3},  {"human", 4}, {"orc", 5},
    {"intelligent", 6}, {"plant", 7},  {"insect", 8}, {"spider", 9}, {"elf", 10},  {"reptile", 11},
    {"dragon", 12},     {"giant", 13}, {"golem", 14}, {"evil", 15},  {"good", 16},
};

constexpr DataWord kGenders[] = {{"masculine", 0}, {"feminine", 1}, {"neuter", 2}, {"plural", 3}};

constexpr auto kProtections = [] {
  std::array<DataWord, 9> out{};
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = {kDamageKinds[i].word, kDamageKinds[i].value - 1};
  return out;
}();

constexpr auto kAttributeModifiers = [] {
  std::array<DataWord, std::size(kAttributes) + 1> out{{{"defence", 1}}};
  for (size_t i = 0; i < std::size(kAttributes); ++i) {
    out[i + 1] = {kAttributes[i].word, kAttributes[i].value + 2};
  }
  return out;
}();

constexpr auto kCreatureClassBits = [] {
  std::array<DataWord, std::size(kCreatureClasses)> out{};
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] = {kCreatureClasses[i].word, int32_t{1} << kCreatureClasses[i].value};
  }
  return out;
}();

}  // namespace

std::span<const DataWord> DamageKindWords() { return kDamageKinds; }
std::span<const DataWord> ProtectionWords() { return kProtections; }
std::span<const DataWord> AttributeWords() { return kAttributes; }
std::span<const DataWord> AttributeModifierWords() { return kAttributeModifiers; }
std::span<const DataWord> CreatureClassWords() { return kCreatureClasses; }
std::span<const DataWord> CreatureClassBitWords() { return kCreatureClassBits; }
std::span<const DataWord> GenderWords() { return kGenders; }

std::string_view WordOf(std::span<const DataWord> words, int32_t value) {
  for (const DataWord& w : words) {
    if (w.value == value) return w.word;
  }
  return {};
}

std::optional<int32_t> ValueOf(std::span<const DataWord> words, std::string_view word) {
  for (const DataWord& w : words) {
    if (w.word == word) return w.value;
  }
  return std::nullopt;
}

}  // namespace zaldrun
