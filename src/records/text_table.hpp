// The text table: the game's vocabulary (classes, races, terrain, appearances, affixes, elements,
// quests) keyed by numeric identifiers. Built into the program from data/texts.tsv.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zaldrun {

// The text of an identifier; an empty text for an identifier the table does not hold.
const std::string& FetchText(int id);
// The text of an identifier read as a decimal number (the colour entries); 0 when absent.
int32_t FetchNumber(int id);
bool HasText(int id);
size_t TextTableSize();

// Identifier bases used to compute entries.
namespace text_ids {
inline constexpr int kClassBase = 100;
inline constexpr int kRaceBase = 120;
inline constexpr int kCategoryBase = 180;
inline constexpr int kFeatureBase = 200;
inline constexpr int kCreatureClassBase = 350;
inline constexpr int kElementColourBase = 400;
inline constexpr int kElementPhraseBase = 410;
inline constexpr int kBoltNameBase = 420;
inline constexpr int kBallNameBase = 430;
inline constexpr int kElementHitBase = 438;
inline constexpr int kAttributeGainBase = 450;
inline constexpr int kAttributeLossBase = 460;
inline constexpr int kBallGenitiveBase = 470;
inline constexpr int kPrefixBase = 500;
inline constexpr int kSuffixBase = 700;
inline constexpr int kPotionBase = 1000;
inline constexpr int kScrollBase = 1300;
inline constexpr int kAmuletBase = 1400;
inline constexpr int kRingBase = 1700;
inline constexpr int kWandBase = 2000;
inline constexpr int kQuestBase = 2499;

// Appearance k (1..50) of a group: singular adjective, plural genitive adjective, colour.
constexpr int AppearanceSingular(int base, int k) { return base + 3 * k - 2; }
constexpr int AppearancePlural(int base, int k) { return base + 3 * k - 1; }
constexpr int AppearanceColour(int base, int k) { return base + 3 * k; }
constexpr int QuestTitle(int q) { return kQuestBase + 2 * q; }
constexpr int QuestDescription(int q) { return kQuestBase + 1 + 2 * q; }
}  // namespace text_ids

// Parses the table's source text (id, a tab, the text; # comments). Returns an error message, or an
// empty text when the source is sound. Used by the build check of data/texts.tsv.
std::string CheckTextSource(std::string_view source);

}  // namespace zaldrun
