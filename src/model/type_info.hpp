// What the engine needs to know of monster and item types: how they look on the map, the monster
// flags and the behaviour name.
#pragma once

#include <cstdint>
#include <string>

namespace zaldrun {

struct Game;

struct Glyph {
  uint8_t glyph;   // Windows-1251 byte
  int32_t colour;  // red + 256 * green + 65536 * blue
};

Glyph MonsterTypeGlyph(const Game& game, int type);
Glyph ItemTypeGlyph(const Game& game, int type);

// A monster type's name form: 1 nominative, 2 object ("ударил …"), 3 dative, 4 instrumental.
std::string MonsterTypeName(const Game& game, int type, int form);

// Loads the type's record into the current monster type and returns its flag word.
int32_t LoadMonsterFlags(Game& game, int type);
// The behaviour name of the current monster type (after LoadMonsterFlags).
std::string CurrentBehaviour(const Game& game);

}  // namespace zaldrun
