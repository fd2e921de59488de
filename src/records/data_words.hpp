// The words the data sources use for coded values: the lists several records share (damage
// kinds, attributes, creature classes, genders) and the lookups of any word list.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "records/game_enums.hpp"

namespace zaldrun {

struct DataWord {
  std::string_view word;
  int32_t value = 0;
};

// Damage kinds 1..10.
std::span<const DataWord> DamageKindWords();
// Resistances 0..8 (value = index), named by their damage kinds 1..9.
std::span<const DataWord> ProtectionWords();
// Attributes 0..8.
std::span<const DataWord> AttributeWords();
// Attribute modifiers 1..10 of items and affixes: 1 the defence value, 2..10 attributes 0..8.
std::span<const DataWord> AttributeModifierWords();
// Creature classes 0..16, as the slaying entries of items and affixes name them.
std::span<const DataWord> CreatureClassWords();
// The same classes as bits of a monster's class bits: class n is bit 1 << n.
std::span<const DataWord> CreatureClassBitWords();
// Genders 0..3: masculine, feminine, neuter, plural.
std::span<const DataWord> GenderWords();

// Bit values of a monster type's flags; its action codes that have an action; its four attack
// slots, by the field name the monster source gives each.
std::span<const DataWord> MonsterFlagWords();
std::span<const DataWord> MonsterActionWords();
std::span<const DataWord> MonsterAttackWords();

// The word of a value, or an empty text.
std::string_view WordOf(std::span<const DataWord> words, int32_t value);
std::optional<int32_t> ValueOf(std::span<const DataWord> words, std::string_view word);

}  // namespace zaldrun
