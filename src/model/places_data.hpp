// The fixed maps of the places, from Places.dat: loaded once per run, read by the build routines.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "records/places_record.hpp"

namespace zaldrun {

struct PlacesData {
  // Every map's 40 rows of 80 terrain letters, map after map, exactly as in the file.
  std::vector<char> letters;

  int map_count() const { return static_cast<int>(letters.size() / kPlaceMapSize); }
  bool HasMap(int map) const { return map >= 1 && map <= map_count(); }

  // Row y (0..39) of map `map` (1-based); empty for a map or row that does not exist.
  std::string_view MapRow(int map, int y) const {
    if (!HasMap(map) || y < 0 || y >= kPlaceMapRows) return {};
    const size_t start =
        static_cast<size_t>(map - 1) * kPlaceMapSize + static_cast<size_t>(y) * kPlaceRecordSize;
    return std::string_view(letters.data() + start, kPlaceRecordSize);
  }

  // The 40 rows of map `map`, row 0 first; all empty when the map does not exist.
  std::array<std::string_view, kPlaceMapRows> MapRows(int map) const {
    std::array<std::string_view, kPlaceMapRows> rows{};
    for (int y = 0; y < kPlaceMapRows; ++y) rows[static_cast<size_t>(y)] = MapRow(map, y);
    return rows;
  }
};

}  // namespace zaldrun
