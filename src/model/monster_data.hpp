// The monster types of a running game: Monsters.dat's records decoded once, and the current type
// record that code loads a type into.
#pragma once

#include <array>
#include <cstdint>

#include "records/monster_record.hpp"
#include "records/monster_type_table.hpp"

namespace zaldrun {

struct MonsterData {
  // Monsters.dat's records, type n at index n; valid once `loaded` is set.
  std::array<MonsterTypeRecord, kMonsterTypeCount + 1> records{};
  bool loaded = false;
  // The current type record: what the last load put here. Routines may change it for one action
  // (damage multipliers, a flag bit); the next load restores the stored values.
  MonsterTypeRecord current;
  int16_t current_type = 0;
};

}  // namespace zaldrun
