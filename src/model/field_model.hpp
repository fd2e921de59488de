// The map field as drawn: one glyph and colour per cell, the hero glyph and the selection cursor.
// The game draws cell by cell into it; the screen shows it as it stands.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/level.hpp"

namespace zaldrun {

struct DrawnCell {
  uint8_t glyph = 0;   // Windows-1251 byte; 0 = erased
  int32_t colour = 0;  // red + 256 * green + 65536 * blue
};

struct FieldModel {
  std::array<DrawnCell, kMapWidth * kMapHeight> cells{};
  // The hero label "@" (white), placed by PlPl and toggled by TglHero.
  bool hero_visible = false;
  int16_t hero_x = 0;
  int16_t hero_y = 0;
  // The selection label: the targeting cursor and the flying object.
  bool selection_visible = false;
  int16_t selection_x = 0;
  int16_t selection_y = 0;
  uint8_t selection_glyph = 'X';
  int32_t selection_colour = 65535;  // yellow

  // What the cell tests of a sweep leave behind: found cells as four digits each ("0723" is
  // (7, 23)), and where a missile lands.
  std::string cell_list;
  int16_t landing_x = 0;
  int16_t landing_y = 0;
  int16_t landing_pending = 0;

  // Which sweep of the field of view last drew each cell.
  std::array<uint32_t, kMapWidth * kMapHeight> swept{};
  uint32_t sweep = 0;

  DrawnCell& At(int x, int y) { return cells[static_cast<size_t>(y * kMapWidth + x)]; }
  const DrawnCell& At(int x, int y) const { return cells[static_cast<size_t>(y * kMapWidth + x)]; }
};

}  // namespace zaldrun
