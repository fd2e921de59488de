// The monster types of a running game: the type table (constants and kill counts), Monsters.dat's
// records decoded once, and the current type record that code loads a type into.
#pragma once

#include <array>
#include <cstdint>

#include "state/monster_record.hpp"

namespace zaldrun {

// One entry of the type table. Everything but the kill count is a constant of the game.
struct MonsterTypeEntry {
  uint8_t glyph = 0;         // Windows-1251 byte
  int32_t colour = 0;        // red + 256 * green + 65536 * blue
  int16_t attack_cost = 0;   // energy of one melee blow; 1000 is the norm
  uint8_t critical = 0;      // a blow is critical when a roll 1..250 is at most this
  uint8_t gender = 0;        // 0 masculine, 1 feminine, 2 neuter, 3 plural
  uint8_t native_depth = 0;  // 100, 150 and 200 lie outside every dungeon depth
  uint8_t weight = 0;        // weight in the random choice; 0 never
  int32_t kill_count = 0;    // killed by the hero; saved with the game
};

struct MonsterData {
  // Types 1..85; index 0 is unused.
  std::array<MonsterTypeEntry, kMonsterTypeCount + 1> types{};
  // Monsters.dat's records, type n at index n; valid once `loaded` is set.
  std::array<MonsterTypeRecord, kMonsterTypeCount + 1> records{};
  bool loaded = false;
  // The current type record: what the last load put here. Routines may change it for one action
  // (damage multipliers, a flag bit); the next load restores the stored values.
  MonsterTypeRecord current;
  int16_t current_type = 0;
};

}  // namespace zaldrun
