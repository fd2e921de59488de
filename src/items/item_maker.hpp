// Making item instances: the random choice of a type for a level, a shop or a drop; the blessing,
// count, material, charges, bonuses and affixes of a new item; affixes applied to a description.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/level.hpp"

namespace zaldrun {

struct Game;

// Blessing states of an item and the two random requests of the item maker.
namespace blessing {
inline constexpr uint8_t kCursed = 0;  // 0..2: the hero knows the state
inline constexpr uint8_t kUncursed = 1;
inline constexpr uint8_t kBlessed = 2;
inline constexpr uint8_t kCursedUnknown = 3;  // 3..5: the same, not known to the hero
inline constexpr uint8_t kUncursedUnknown = 4;
inline constexpr uint8_t kBlessedUnknown = 5;
inline constexpr uint8_t kRandomUnknown = 6;  // request: one of 3..5 by the type's weights
inline constexpr uint8_t kRandomKnown = 7;    // request: one of 0..2 by the type's weights
}  // namespace blessing

// Item flag bits.
namespace item_flag {
inline constexpr int16_t kUnpaid = 1;  // shop goods not paid for: the price is owed while carried
}

// A prefix or suffix request that takes the randomly chosen affix.
inline constexpr uint8_t kChosenAffix = 255;
// Category requests of ChooseItemType: 0..9 try that category first; 10..19 any but
// (request - 10); this or more: any drawable category.
inline constexpr int kAnyCategory = 20;

// What the maker is asked for. The defaults are those of a random item on a level or a drop.
struct ItemRequest {
  int type = 0;                             // 1..207
  int blessing = blessing::kRandomUnknown;  // 0..5 stored as given, or 6, 7
  int32_t count = -1;                       // 0 or more: as given; -k: k × a random stack size
  int material = 0;                         // 1..20; 0: chosen by the type's material weights
  int identified = 0;                       // 1: identified; 0: identified if the type is known
  int charges = 0;                          // wands: 0 rolls the charges; others: stored
  int prefix = kChosenAffix;                // 0 none, 1..200, or kChosenAffix
  int suffix = kChosenAffix;                // 0 none, 1..200, or kChosenAffix
  int flags = 0;                            // item_flag bits
};

// The prefix and suffix ChooseAffixes picked (0 = none).
struct AffixChoice {
  uint8_t prefix = 0;
  uint8_t suffix = 0;
};

// Makes a new item. Reads the type's description into the current description. The chosen
// material is the record's `material`. Refuses (nothing made) a type outside 1..207, missing
// item data, or a description whose chosen material is outside 1..20 (a data fault: the message
// box of the data error shows when the game has a screen).
std::optional<ItemRecord> MakeItem(Game& game, const ItemRequest& request);

// A random item type: a category drawn by the category weights (the requested one first), then a
// type of that category within the level and price windows, weighted by its frequency. A category
// that has no fitting type is excluded from the following draws; returns 0 ("no item") once every
// drawable category has failed.
int ChooseItemType(Game& game, int lowest_level, int highest_level, int category_request,
                   int32_t lowest_price, int32_t highest_price);

// Picks the random affixes of a new item of `type` among the records that fit its slot, its
// weapon class and the level's affix window (Level::item_min_level..item_max_level). A type
// without an equipment slot, or outside 1..207, gets none.
AffixChoice ChooseAffixes(Game& game, int type);

// Applies affix record `record` (1..200 prefixes, 201..400 suffixes) to the current description.
// 0 and 200 mean none (true, nothing changes); a record outside the file gives false and changes
// nothing.
bool ApplyAffix(Game& game, int record);

// A pick of one character of `choices` by the percentages given as the character codes of
// `percentages` (in the same order); '\0' when the percentages sum short of the roll.
char PercentPick(Game& game, std::string_view choices, std::string_view percentages);

}  // namespace zaldrun
