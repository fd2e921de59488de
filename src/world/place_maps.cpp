#include "world/place_maps.hpp"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "base/file_io.hpp"
#include "model/game.hpp"

namespace zaldrun {

std::string LoadPlaceMaps(std::span<const uint8_t> bytes, PlacesData* out) {
  const std::string file = kPlacesFileName;
  const std::optional<int> maps = PlaceMapCount(bytes.size());
  if (!maps) {
    return file + ": размер " + std::to_string(bytes.size()) +
           " байт не делится на размер карты (" + std::to_string(kPlaceMapSize) +
           " байт: 40 строк по 80 букв) — файл обрезан или повреждён";
  }
  if (*maps < kPlaceMapsNeeded) {
    return file + ": карт в файле " + std::to_string(*maps) + ", а нужно не меньше " +
           std::to_string(kPlaceMapsNeeded);
  }
  RecordReader in(bytes);
  std::vector<char> letters;
  letters.reserve(bytes.size());
  const size_t records = bytes.size() / kPlaceRecordSize;
  for (size_t record_index = 0; record_index < records; ++record_index) {
    PlaceRecord record;
    Decode(in, &record);
    const std::vector<std::string> errors = ValidatePlaceRecord(record);
    if (!errors.empty()) {
      // The first fault is enough for the player; the map and row say where to look.
      return file + ": карта " + std::to_string(record_index / kPlaceMapRows + 1) + ", строка " +
             std::to_string(record_index % kPlaceMapRows) + ", " + errors.front();
    }
    letters.insert(letters.end(), record.letters.begin(), record.letters.end());
  }
  out->letters = std::move(letters);
  return {};
}

std::string LoadPlaceMapsFile(Game& game) {
  std::string error;
  const auto bytes = ReadWholeFile(game.session.DataFolder() / kPlacesFileName, kPlacesFileLimit, &error);
  if (!bytes) return error;
  return LoadPlaceMaps(*bytes, &game.data.places);
}

}  // namespace zaldrun
