// The item types: the constant type table, the per-game appearances, and loading Items.dat and
// Affixes.dat into memory with full checks.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "state/item_data.hpp"

namespace zaldrun {

struct Game;

inline constexpr char kItemsFileName[] = "Items.dat";
inline constexpr char kAffixesFileName[] = "Affixes.dat";

// Well-known types that code refers to by number.
namespace item_type {
inline constexpr int kVodka = 9;
inline constexpr int kEar = 17;
inline constexpr int kWater = 66;
inline constexpr int kMoney = 117;
inline constexpr int kNote = 134;
inline constexpr int kStoneTablet = 142;
inline constexpr int kBracelet = 181;
inline constexpr int kForestArtefact = 206;
inline constexpr int kGoblinGift = 46;
}  // namespace item_type

// The constant table, as the game starts it: knowledge initial, no appearances, pool colours 0.
const ItemType& BaseItemType(int type);
// The facts the record checks need about a type (1..207).
ItemRecordContext RecordContextOf(int type);

// Decodes and checks every record of Items.dat's bytes. On success fills `out` with 207
// records and returns an empty text; otherwise a message naming the file, record and fault.
std::string DecodeItemsFile(std::span<const uint8_t> bytes, std::vector<ItemDescription>* out);
// The same for Affixes.dat: 400 records, each list ending in a record of level 0.
std::string DecodeAffixesFile(std::span<const uint8_t> bytes, std::vector<AffixRecord>* out);

// Reads both files from the program folder into game.item_data. Returns an empty text, or a
// message for the player; a failed load leaves the item data empty (no game can start).
std::string LoadItemFiles(Game& game);

// Fills the type table and deals the appearances of potions, scrolls, amulets, rings and wands
// from the game's random numbers, in type order.
void InitItemTable(Game& game);

// Copies the record of `type` into the current description; an unknown type or missing data
// gives a blank description.
void LoadItemDescription(Game& game, int type);

}  // namespace zaldrun
