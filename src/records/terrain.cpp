#include "records/terrain.hpp"

#include <array>
#include <cstddef>

namespace zaldrun {
namespace {

constexpr int32_t Rgb(int r, int g, int b) { return PackColour(r, g, b); }

}  // namespace

// Glyph bytes of the code page: 0xA6 broken bar (fence), 0x86 dagger (crypt), 0x84 low double
// quote (desert), 0x87 double dagger (chest), 0x9E small tshe (corpse), 0xA7 section sign (plant).
const std::array<TerrainType, kTerrainLetters> kTerrainTypes = {{
    {265, '#', Rgb(100, 100, 100), Rgb(150, 150, 100), true, true},    // A stone wall
    {266, '#', Rgb(0, 100, 200), Rgb(0, 150, 220), true, true},        // B metal wall
    {267, '.', Rgb(150, 150, 150), Rgb(220, 220, 220), false, false},  // C stone floor
    {268, '.', Rgb(0, 180, 0), Rgb(0, 255, 0), false, false},          // D grass
    {269, 'T', Rgb(0, 130, 0), Rgb(0, 170, 0), false, true},           // E tree
    {270, '.', Rgb(230, 200, 0), Rgb(255, 230, 0), false, false},      // F sand
    {271, '.', Rgb(140, 100, 0), Rgb(160, 120, 0), false, false},      // G dirt road
    {272, '=', Rgb(0, 0, 240), Rgb(0, 100, 255), false, true},         // H water
    {273, '^', Rgb(170, 170, 170), Rgb(230, 230, 230), true, true},    // I rocks
    {274, '#', Rgb(160, 130, 0), Rgb(200, 170, 0), true, true},        // J clay-and-sand wall
    {275, 0xA6, Rgb(180, 100, 0), Rgb(220, 120, 0), false, true},      // K wooden fence
    {276, '#', Rgb(220, 220, 220), Rgb(240, 240, 240), true, true},    // L marble wall
    {277, '.', Rgb(240, 240, 240), Rgb(255, 255, 255), false, false},  // M marble floor
    {278, 'T', Rgb(0, 100, 0), Rgb(0, 140, 0), true, true},            // N thicket
    {279, ' ', Rgb(0, 0, 0), Rgb(0, 0, 0), false, false},              // O (no terrain)
    {280, ' ', Rgb(0, 0, 0), Rgb(0, 0, 0), false, false},              // P (no terrain)
    {281, '"', Rgb(0, 200, 0), Rgb(0, 200, 0), false, false},          // Q plain
    {282, '&', Rgb(0, 140, 0), Rgb(0, 140, 0), false, false},          // R forest
    {283, '~', Rgb(190, 160, 0), Rgb(190, 160, 0), false, false},      // S hills
    {284, '^', Rgb(160, 160, 160), Rgb(160, 160, 160), false, true},   // T mountains
    {285, '^', Rgb(255, 255, 255), Rgb(255, 255, 255), false, true},   // U high mountains
    {286, '=', Rgb(150, 170, 0), Rgb(150, 170, 0), false, false},      // V swamp
    {287, 'o', Rgb(210, 210, 0), Rgb(210, 210, 0), false, false},      // W village
    {288, '*', Rgb(180, 180, 180), Rgb(180, 180, 180), false, false},  // X cave
    {289, 0x86, Rgb(160, 80, 80), Rgb(160, 80, 80), false, false},     // Y crypt
    {290, '*', Rgb(160, 160, 250), Rgb(160, 160, 250), false, false},  // Z star
    {291, 0x84, Rgb(230, 200, 0), Rgb(230, 200, 0), false, false},     // [ desert
}};

namespace {

constexpr std::array<FeatureType, 22> kFeatures = {{
    {0, 0, 0, false},                        // -5 hidden trap
    {0, 0, 0, false},                        // -4 exit at the map edge
    {0, 0, 0, false},                        // -3 entrance or sign
    {0, 0, 0, true},                         // -2 secret door
    {0, 0, 0, true},                         // -1 hidden cache
    {0, 0, 0, false},                        // 0 none
    {201, '+', Rgb(140, 90, 0), true},       // 1 closed door
    {202, '/', Rgb(140, 90, 0), false},      // 2 open door
    {203, '>', Rgb(140, 140, 140), false},   // 3 way down
    {204, '<', Rgb(140, 140, 140), false},   // 4 stairs up
    {205, 0x87, Rgb(255, 215, 0), false},    // 5 chest
    {206, '#', Rgb(0, 255, 100), true},      // 6 cache in the wall
    {207, 0x9E, Rgb(255, 255, 255), false},  // 7 corpse
    {208, 0xA7, Rgb(0, 255, 0), false},      // 8 plant
    {209, '^', Rgb(255, 0, 0), false},       // 9 trap
    {210, '^', Rgb(155, 155, 155), false},   // 10 trap
    {211, '^', Rgb(0, 255, 100), false},     // 11 trap
    {212, '^', Rgb(255, 255, 0), false},     // 12 trap
    {213, '^', Rgb(200, 0, 200), false},     // 13 trap
    {214, '^', Rgb(0, 0, 255), false},       // 14 trap
    {215, '^', Rgb(0, 255, 255), false},     // 15 trap
    {216, '8', Rgb(255, 0, 255), false},     // 16 portal
}};

}  // namespace

const FeatureType& FeatureOf(int feature) {
  if (feature < kFirstFeature || feature > kLastFeature) return kFeatures[5];
  return kFeatures[static_cast<size_t>(feature - kFirstFeature)];
}

}  // namespace zaldrun
