// The monster types' constant table and the decoding of Monsters.dat with full checks.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "records/monster_record.hpp"

namespace zaldrun {

// The constants of one monster type that the records do not carry.
struct MonsterTypeEntry {
  uint8_t glyph = 0;         // Windows-1251 byte
  int32_t colour = 0;        // red + 256 * green + 65536 * blue
  int16_t attack_cost = 0;   // energy of one melee blow; 1000 is the norm
  uint8_t critical = 0;      // a blow is critical when a roll 1..250 is at most this
  uint8_t gender = 0;        // 0 masculine, 1 feminine, 2 neuter, 3 plural
  uint8_t native_depth = 0;  // 100, 150 and 200 lie outside every dungeon depth
  uint8_t weight = 0;        // weight in the random choice; 0 never
};

// Type 1..85's constants; an empty entry for any other type.
const MonsterTypeEntry& MonsterTypeConstants(int type);

// Decodes and checks a whole Monsters.dat image (size, every record's ranges, every handler name)
// into `out` (type n at index n). Returns an empty text, or what is wrong (naming Monsters.dat),
// leaving `out` unchanged.
std::string DecodeMonstersFile(std::span<const uint8_t> bytes,
                               std::array<MonsterTypeRecord, kMonsterTypeCount + 1>* out);

}  // namespace zaldrun
