// The starting equipment of a new hero: what each class carries, by the melee weapon and the
// missile weapon chosen, wielded, worn and readied.
#pragma once

#include <cstdint>
#include <span>

namespace zaldrun {

struct Game;
struct HeroChoice;

// One entry of the starting equipment.
struct KitEntry {
  uint8_t hero_class;  // 1..4
  uint8_t weapon;      // the melee weapon choice it comes with; 0 every choice
  uint8_t missile;     // the missile weapon choice it comes with; 0 every choice
  int16_t type;        // item type
  int16_t count;       // items in the stack (money: the sum)
  uint8_t material;    // 1..20
  uint8_t slot;        // the equipment slot it goes into; 0 the pack
  int16_t charges;     // wands: the charges
};

// The whole table, in the order the items are given (a launcher before its ammunition).
std::span<const KitEntry> StartingKit();

// Gives a new hero of the choice's class his starting equipment: the pack is emptied, every entry
// of the class and the choices is made uncursed and identified, taken into the pack, and put into
// its slot. The kit's potions and wands are known to the hero. Needs the item data loaded;
// without it the hero starts with nothing.
void GiveStartingKit(Game& game, const HeroChoice& choice);

}  // namespace zaldrun
