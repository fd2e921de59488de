// The material table: what an item is made of changes its name, weight, price, armour and blows.
#pragma once

#include <array>
#include <string_view>

namespace zaldrun {

inline constexpr int kMaterialCount = 20;

struct MaterialType {
  // Masculine singular adjective in lower case; empty for materials that show no word.
  std::string_view name;
  // The word the data sources use for the material (items.toml).
  std::string_view source_word;
  double weight_factor;
  double price_factor;
  // Scales attribute modifiers 1..3 of armour (the defence value first of all).
  double armour_factor;
  // Scales the base damage of weapons and ammunition.
  double damage_factor;
  // Added to a worn item's attribute modifiers 4..10 when they are not 0 (index 0 = modifier 4).
  std::array<int, 7> attribute_bonus;
};

// Material 1..20; nullptr outside.
const MaterialType* FindMaterial(int number);
// The material with that source word, 0 when there is none.
int MaterialByWord(std::string_view word);

}  // namespace zaldrun
