// The inventory window's state, kept while the game runs: which pile and category it shows, the
// chosen stack and equipment slot, and whether an operation asked for the window to open.
#pragma once

#include <cstdint>

namespace zaldrun {

// The inventory window as the item operations see it. The operations read the chosen stack from
// here and ask for the window by setting `open_requested`; the user interface opens it.
struct InventoryState {
  // An operation or a command asked for the window; the user interface opens it and clears this.
  bool open_requested = false;
  // The equipment list is shown instead of the pile (caption "Экипировка").
  bool equipment_list = false;
  // The pile shown: 0 the pack, 1..261 a pile or a chest on the level.
  int16_t pile = 0;
  uint8_t category = 0;     // 0..9
  int16_t place = 1;        // the selected stack, 1..100
  int16_t first_place = 1;  // the first stack shown in the list
  uint8_t slot = 1;         // the chosen equipment slot, 1..15
  // The last choice came from the equipment list (-1 in the old window state), not the pack list.
  bool from_equipment = false;

  // The item chosen by SelectItem for the operation that follows (a dip): a pack stack (category,
  // place) or, with `chosen_from_equipment`, the equipment slot `chosen_place`.
  uint8_t chosen_category = 0;
  int16_t chosen_place = 0;
  bool chosen_from_equipment = false;
};

}  // namespace zaldrun
