#include "records/data_words.hpp"

#include <array>
#include <iterator>

#include "records/game_enums.hpp"

namespace zaldrun {

namespace {

#define ZALDRUN_WORD(name, value, word) {word, value},
constexpr DataWord kDamageKinds[] = {ZALDRUN_DAMAGE_KINDS(ZALDRUN_WORD)};

constexpr DataWord kAttributes[] = {ZALDRUN_ATTRIBUTES(ZALDRUN_WORD)};

constexpr DataWord kCreatureClasses[] = {ZALDRUN_CREATURE_CLASSES(ZALDRUN_WORD)};

constexpr DataWord kGenders[] = {ZALDRUN_GENDERS(ZALDRUN_WORD)};

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

constexpr DataWord kMonsterFlags[] = {ZALDRUN_MONSTER_FLAGS(ZALDRUN_WORD)};
constexpr DataWord kMonsterActions[] = {ZALDRUN_MONSTER_ACTIONS(ZALDRUN_WORD)};
constexpr DataWord kMonsterAttacks[] = {ZALDRUN_MONSTER_ATTACKS(ZALDRUN_WORD)};

#undef ZALDRUN_WORD

}  // namespace

std::span<const DataWord> MonsterFlagWords() { return kMonsterFlags; }
std::span<const DataWord> MonsterActionWords() { return kMonsterActions; }
std::span<const DataWord> MonsterAttackWords() { return kMonsterAttacks; }
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
