// The data files as they may be found beside the program: any bytes are taken as a sound file or
// refused with a message, never trusted. The first byte picks the reader.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/places_data.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_type_table.hpp"
#include "world/place_maps.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::span<const uint8_t> bytes(data + 1, size - 1);
  std::string error;
  switch (data[0] % 4) {
    case 0: {
      auto records = std::make_unique<
          std::array<zaldrun::MonsterTypeRecord, zaldrun::kMonsterTypeCount + 1>>();
      error = zaldrun::DecodeMonstersFile(bytes, records.get());
      if (error.empty() && (*records)[1].name.empty()) __builtin_trap();
      break;
    }
    case 1: {
      std::vector<zaldrun::ItemDescription> items;
      error = zaldrun::DecodeItemsFile(bytes, &items);
      break;
    }
    case 2: {
      std::vector<zaldrun::AffixRecord> affixes;
      error = zaldrun::DecodeAffixesFile(bytes, &affixes);
      break;
    }
    default: {
      zaldrun::PlacesData places;
      error = zaldrun::LoadPlaceMaps(bytes, &places);
      if (error.empty() && places.map_count() < 12) __builtin_trap();
      break;
    }
  }
  return 0;
}
