// The terrain letters "A".."[" and the map features: glyphs, colours, what blocks sight and
// movement.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zaldrun {

struct TerrainType {
  int text_id;         // the terrain's name in the text table
  uint8_t glyph;       // Windows-1251 byte
  int32_t dim_colour;  // remembered colour
  int32_t lit_colour;  // colour while in view
  bool blocks_sight;
  bool blocks_move;
};

struct FeatureType {
  int text_id;    // 0 for the hidden features and "none"
  uint8_t glyph;  // 0: never drawn
  int32_t colour;
  bool blocks;  // stops movement and sight
};

inline constexpr char kFirstTerrainLetter = 'A';
inline constexpr char kLastTerrainLetter = '[';
inline constexpr int kFirstFeature = -5;
inline constexpr int kLastFeature = 16;

constexpr bool IsTerrainLetter(char letter) {
  return letter >= kFirstTerrainLetter && letter <= kLastTerrainLetter;
}

inline constexpr int kTerrainLetters = kLastTerrainLetter - kFirstTerrainLetter + 1;
extern const std::array<TerrainType, kTerrainLetters> kTerrainTypes;

// The entry of a letter; letters outside "A".."[" read as stone wall so that a damaged cell can
// never let the hero walk or see through it. Inline: every sweep and step asks it.
inline const TerrainType& TerrainOf(char letter) {
  if (!IsTerrainLetter(letter)) return kTerrainTypes[0];
  return kTerrainTypes[static_cast<size_t>(letter - kFirstTerrainLetter)];
}
// The entry of a feature id; ids outside -5..16 read as "no feature".
const FeatureType& FeatureOf(int feature);

// Whether a cell's terrain letter or feature stops lines of sight (the hot test of every sweep).
// Letters outside "A".."[" block, like the stone wall they read as.
constexpr bool LetterBlocksSight(char letter) {
  switch (letter) {
    case 'C':
    case 'D':
    case 'E':
    case 'F':
    case 'G':
    case 'H':
    case 'K':
    case 'M':
    case 'O':
    case 'P':
    case 'Q':
    case 'R':
    case 'S':
    case 'T':
    case 'U':
    case 'V':
    case 'W':
    case 'X':
    case 'Y':
    case 'Z':
    case '[':
      return false;
    default:
      return true;
  }
}
constexpr bool FeatureBlocks(int feature) {
  return feature == 1 || feature == 6 || feature == -1 || feature == -2;
}

// Packs (r, g, b) the way the game stores colours.
constexpr int32_t PackColour(int r, int g, int b) { return r + 256 * g + 65536 * b; }

}  // namespace zaldrun
