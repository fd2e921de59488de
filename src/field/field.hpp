// The map field: drawing cells of the level, the hero's memory of what he saw, the hero glyph and
// the selection cursor. All drawing of the map goes through these operations.
#pragma once

#include <cstdint>

namespace zaldrun {

struct Game;

// Prints a glyph in a colour in the cell; nothing else changes.
void Char(Game& game, int x, int y, uint8_t glyph, int32_t colour);
// Shows or hides the hero glyph.
void TglHero(Game& game);
// Erases the whole map and forgets which cells were seen (their remembered glyphs stay).
void Clear(Game& game);
// Places the hero glyph and the hero on (x, y): the one place the hero's position is written.
void PlPl(Game& game, int x, int y);
// Shows a seen cell as the hero remembers it.
void PlaceShadow(Game& game, int x, int y);
// Draws what the cell holds now (monster, item, pile, feature, terrain) and remembers it.
void Renew(Game& game, int x, int y);
// Shows the selection label on (x, y) with a glyph and colour; it is the cursor and the missile.
void SelMove(Game& game, int x, int y, uint8_t glyph, int32_t colour);
void SelOff(Game& game);
// Erases one cell.
void Eras(Game& game, int x, int y);
// Draws the terrain of the whole level in its remembered colours, seen or not.
void ShowMap(Game& game);

inline constexpr int32_t kCursorColour = 65535;  // yellow
inline constexpr uint8_t kCursorGlyph = 'X';

}  // namespace zaldrun
