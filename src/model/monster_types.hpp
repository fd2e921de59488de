// Monsters.dat in a running game: loaded once, and read type by type into the current record.
#pragma once

#include <string>

#include "model/game.hpp"
#include "records/monster_record.hpp"

namespace zaldrun {

// Zeroes the kill counts of a new game and, unless it is already loaded, loads Monsters.dat from
// the program folder. On a missing or damaged file returns false with a message for the player
// that names the file; no game may start then.
bool InitMonsterTable(Game& game, std::string* error);

// Copies type `type`'s record into the current type record, restoring any change made to it.
// Returns false, leaving the buffer alone, for a type outside 1..85 or before the file is loaded.
bool LoadMonsterType(Game& game, int type);

// Type `type`'s record as loaded, read in place; nullptr for a type outside 1..85 or before the
// file is loaded.
inline const MonsterTypeRecord* FindMonsterType(const Game& game, int type) {
  const MonsterData& data = game.data.monsters;
  if (!data.loaded || type < 1 || type > kMonsterTypeCount) return nullptr;
  return &data.records[static_cast<size_t>(type)];
}

}  // namespace zaldrun
