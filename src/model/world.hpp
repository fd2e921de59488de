// The world: exactly what the level files and the save files hold — the level with its piles and
// monsters, the event slots, the hero, where he is, and what this game has learned and killed.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "model/hero.hpp"
#include "model/level.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_record.hpp"

namespace zaldrun {

// The place and level of the overworld.
inline constexpr int16_t kOverworldPlace = 1;
inline constexpr int16_t kOverworldLevel = 100;

struct World {
  World();

  Level level;
  std::vector<PileRecord> piles;                   // 0..261; pile 0 is the hero's pack
  std::array<EventSlot, kMaxEvents + 1> events{};  // slots 1..100
  uint8_t event_count = 0;
  Hero hero;
  int16_t current_place = 0;
  int16_t current_level = 0;

  // The item-type table of this game: the constants with this game's appearances, their colours
  // and what the hero knows of each type (index 1..207).
  std::array<ItemType, kItemTypeCount + 1> item_types{};
  // Monsters of each type the hero has killed (index 1..85).
  std::array<int32_t, kMonsterTypeCount + 1> kill_counts{};

  // The bytes of every level the game keeps, by place and level: the levels of the loaded save,
  // and every level the hero has left since (whose level file is written as well). Loading a long
  // game creates no hundred files, and saving it reads none.
  std::map<std::pair<int16_t, int16_t>, std::vector<uint8_t>> kept_levels;

  bool OnOverworld() const {
    return current_place == kOverworldPlace && current_level == kOverworldLevel;
  }
};

}  // namespace zaldrun
