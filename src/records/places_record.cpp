#include "records/places_record.hpp"

#include <cstdint>
#include <cstdio>

#include "records/terrain.hpp"

namespace zaldrun {

void Encode(const PlaceRecord& record, RecordWriter& out) {
  for (const char letter : record.letters) out.U8(static_cast<uint8_t>(letter));
}

bool Decode(RecordReader& in, PlaceRecord* record) {
  if (in.remaining() < kPlaceRecordSize) {
    in.Skip(kPlaceRecordSize);  // marks the reader failed
    return false;
  }
  for (char& letter : record->letters) letter = static_cast<char>(in.U8());
  return true;
}

std::vector<std::string> ValidatePlaceRecord(const PlaceRecord& record) {
  std::vector<std::string> errors;
  for (size_t x = 0; x < record.letters.size(); ++x) {
    if (IsTerrainLetter(record.letters[x])) continue;
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X",
                  static_cast<unsigned>(static_cast<uint8_t>(record.letters[x])));
    errors.push_back("столбец " + std::to_string(x) + ": байт " + code +
                     " не буква местности (A..[)");
  }
  return errors;
}

std::optional<int> PlaceMapCount(size_t file_size) {
  if (file_size % kPlaceMapSize != 0) return std::nullopt;
  return static_cast<int>(file_size / kPlaceMapSize);
}

}  // namespace zaldrun
