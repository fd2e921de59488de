#include "records/materials.hpp"

namespace zaldrun {

namespace {

// Attribute bonuses: will, dexterity, endurance, charisma, appearance, magic link, perception.
constexpr MaterialType kMaterials[kMaterialCount] = {
    {"железный", "iron", 1.0, 1.0, 1.0, 1.0, {}},
    {"бронзовый", "bronze", 1.4, 0.6, 0.9, 0.9, {}},
    {"стальной", "steel", 1.0, 1.25, 1.15, 1.1, {}},
    {"медный", "copper", 1.0, 0.45, 0.8, 0.85, {}},
    {"", "plain", 1.0, 1.0, 1.0, 1.0, {}},
    {"", "cloth", 1.0, 1.0, 1.0, 1.0, {}},
    {"шелковый", "silk", 0.8, 4.0, 0.8, 1.0, {0, 0, 0, 1, 2, 0, 0}},
    {"шерстяной", "wool", 1.2, 1.3, 1.0, 1.0, {0, 0, 1, 0, 0, 0, 0}},
    {"деревянный", "wood", 1.0, 1.0, 0.9, 0.9, {}},
    {"", "leather", 1.0, 1.0, 1.0, 1.0, {}},
    {"дубовый", "oak", 1.0, 1.2, 1.05, 1.05, {}},
    {"ивовый", "willow", 0.8, 0.85, 0.9, 0.95, {0, 1, 0, 0, 0, 0, 0}},
    {"мифриловый", "mithril", 0.5, 2.5, 1.4, 1.25, {0, 1, 0, 0, 0, 1, 0}},
    {"крокодиловый", "crocodile", 1.0, 2.5, 1.25, 1.0, {0, 0, 1, 0, 0, 0, 0}},
    {"каменный", "stone", 1.0, 1.0, 1.0, 1.1, {}},
    {"гранитный", "granite", 1.0, 1.6, 1.1, 1.2, {}},
    {"обсидиановый", "obsidian", 1.0, 2.1, 1.0, 1.35, {1, 0, 0, 0, 0, 0, 0}},
    {"", "flesh", 1.0, 1.0, 1.0, 1.0, {}},
    {"алмазный", "diamond", 0.85, 25.0, 1.6, 1.5, {0, 0, 0, 2, 2, 0, 0}},
    {"арканитовый", "arcanite", 1.3, 1.8, 1.3, 1.2, {0, 0, 0, 0, 0, 2, 0}},
};

}  // namespace

const MaterialType* FindMaterial(int number) {
  if (number < 1 || number > kMaterialCount) return nullptr;
  return &kMaterials[number - 1];
}

int MaterialByWord(std::string_view word) {
  for (int i = 0; i < kMaterialCount; ++i) {
    if (kMaterials[i].source_word == word) return i + 1;
  }
  return 0;
}

}  // namespace zaldrun
