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

// The type's flag word, read in place; 0 for an unknown type.
int32_t MonsterFlags(const Game& game, int type);

}  // namespace zaldrun
