// The monster type table: its constants, Monsters.dat loaded and checked once, and the current
// type record that code loads a type into before touching its details.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "state/monster_data.hpp"

namespace zaldrun {

struct Game;

// The constant part of type 1..85's table entry (kill count 0); an empty entry for any other type.
const MonsterTypeEntry& MonsterTypeConstants(int type);

// Fills the type table with its constants and zero kill counts and, unless it is already loaded,
// loads Monsters.dat from the program folder. On a missing or damaged file returns false with a
// message for the player that names the file; no game may start then.
bool InitMonsterTable(Game& game, std::string* error);

// Decodes and checks a whole Monsters.dat image (size, every record's ranges, every handler name)
// into data.records and sets data.loaded. Returns an empty text, or what is wrong (naming
// Monsters.dat), leaving data unchanged.
std::string LoadMonsterRecords(MonsterData& data, std::span<const uint8_t> bytes);

// Copies type `type`'s record into the current type record, restoring any change made to it.
// Returns false, leaving the buffer alone, for a type outside 1..85 or before the file is loaded.
bool LoadMonsterType(Game& game, int type);

}  // namespace zaldrun
