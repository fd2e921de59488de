// The description panel of the inventory window: what the hero knows of an item, line by line.
#pragma once

#include <string>
#include <vector>

#include "model/level.hpp"

namespace zaldrun {

struct Game;

// The weight line of a stack's single item, "30s (1.5 кг)": the type's weight by the material.
std::string WeightLine(const Game& game, const ItemRecord& item);

// The panel of an item: the weight line; for an identified item then the artifact line, the weapon
// class, the speed, the damage, the bonuses, the attributes and protections it gives, one line per
// kind bit, luck, health, mana and the damage against creature classes. With `worn_slot` (6, 7 or
// 13) the hand's figures as combat uses them follow.
std::vector<std::string> DescribeItem(Game& game, const ItemRecord& item, int worn_slot = 0);

}  // namespace zaldrun
