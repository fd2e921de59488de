// The save file's contents and byte layout: the hero block, the kept condition labels, the weapon
// choices, what the hero knows of the item types, the pack, the event slots, the kill counts, the
// skills, the level files of the game and the end mark. Decoding checks everything and changes
// nothing outside the image it fills.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "levelgen/places.hpp"
#include "model/hero.hpp"
#include "model/labels.hpp"
#include "model/level.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_record.hpp"
#include "world/level_file.hpp"

namespace zaldrun {

struct Game;

// The 16-bit value after the last level file: the file's last two bytes are 28 0C.
inline constexpr int16_t kSaveEndMark = 3112;

// Place and level numbers a level file may carry: every level the world builds.
inline constexpr int kMostPlace = place::kMostPlace;
inline constexpr int kMostLevel = place::kMostLevel;

// One level file inside a save: where it belongs and its bytes.
struct SavedLevel {
  int16_t place = 0;
  int16_t level = 0;
  std::vector<uint8_t> bytes;
};

// A level as a save is written from: its bytes at hand, or the level file they are read from.
struct LevelSource {
  int16_t place = 0;
  int16_t level = 0;
  std::span<const uint8_t> bytes;
  std::filesystem::path file;  // read when not empty
};

// What the hero knows of an item type in this game, and how it looks.
struct ItemTypeKnowledge {
  uint8_t knowledge = 0;
  uint8_t appearance = 0;
  int32_t colour = 0;
};

// The condition labels the file keeps, in its order.
inline constexpr std::array<Condition, 4> kSavedConditions = {
    Condition::kPoisoned, Condition::kConfused, Condition::kBlessed, Condition::kWeak};

struct SaveImage {
  Hero hero;  // all but the name, which is the file's
  int16_t place = 0;
  int16_t level = 0;
  std::array<bool, kSavedConditions.size()> conditions{};
  std::array<ItemTypeKnowledge, kItemTypeCount + 1> item_types{};  // 1..207
  PileRecord pack;
  std::array<EventSlot, kMaxEvents + 1> events{};  // 1..event_count
  uint8_t event_count = 0;
  std::array<int32_t, kMonsterTypeCount + 1> kill_counts{};  // 1..85
  std::vector<SavedLevel> levels;
};

// The game as the save file keeps it (without the level files, which come from the Save folder).
SaveImage SaveImageOf(const Game& game);

// The save file of the image and its levels.
std::vector<uint8_t> EncodeSave(const SaveImage& image);
// The save file of the image (its own levels left aside) and these levels, written into *out,
// whose room is kept: megabytes a save, at every level change, are not asked for anew. False,
// with the reason in *error, when a level file cannot be read or has a length no level has.
bool EncodeSaveInto(const SaveImage& image, std::span<const LevelSource> levels,
                    std::vector<uint8_t>* out, std::string* error);
// Reads and checks a whole save file. Nothing, with what is wrong in *fault, for a short, long or
// damaged file. Each level is read as a level file would be, unless `read_levels` is false (a save
// about to be written, whose levels are the game's own files): then only their lengths count, and
// the image's levels come without their bytes.
std::optional<SaveImage> DecodeSave(std::span<const uint8_t> bytes, std::string* fault,
                                    bool read_levels = true);

// Writes the fields the save file keeps of the hero (the hero block and the skills) from `saved`
// into `hero`, leaving the figures the file does not keep as they are.
void OverlaySavedHero(const Hero& saved, Hero* hero);

}  // namespace zaldrun
