// The fixed maps of the places: Places.dat checked and loaded once (the builders copy a map into
// the level with levelgen's LoadPlaceMap).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "model/places_data.hpp"

namespace zaldrun {

struct Game;

inline constexpr const char* kPlacesFileName = "Places.dat";
// Far more maps than any place needs; a larger file is not a map file.
inline constexpr size_t kPlacesFileLimit = 256 * kPlaceMapSize;

// Checks the bytes of Places.dat (whole maps only, at least twelve, every byte a terrain letter)
// and keeps them in `out`. Returns "" when good; otherwise a message naming Places.dat and what
// is wrong, and `out` is left as it was.
std::string LoadPlaceMaps(std::span<const uint8_t> bytes, PlacesData* out);

// Reads and checks Places.dat in the program folder into game.data.places; "" when good.
std::string LoadPlaceMapsFile(Game& game);

}  // namespace zaldrun
