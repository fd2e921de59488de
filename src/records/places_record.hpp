// Places.dat, the fixed maps of the places: 80-byte records, each one terrain row of 80 letters
// "A".."[" (one byte each), 40 records to a map; map n is records 40(n - 1) + 1 .. 40n.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/byte_record.hpp"

namespace zaldrun {

inline constexpr size_t kPlaceRecordSize = 80;  // one terrain row
inline constexpr int kPlaceMapRows = 40;
inline constexpr size_t kPlaceMapSize = kPlaceRecordSize * kPlaceMapRows;  // 3200 bytes
// The places' build routines use maps 1..12, so a shorter file cannot start a game.
inline constexpr int kPlaceMapsNeeded = 12;

struct PlaceRecord {
  std::array<char, kPlaceRecordSize> letters{};  // letter of x = 0..79
};

void Encode(const PlaceRecord& record, RecordWriter& out);
// Reads one record; false (and the reader marked failed) when fewer than 80 bytes are left.
bool Decode(RecordReader& in, PlaceRecord* record);

// One text per byte that is not a terrain letter, naming its column; empty when the row is good.
std::vector<std::string> ValidatePlaceRecord(const PlaceRecord& record);

// The number of whole maps in a file of `file_size` bytes; nothing when the size is not a
// multiple of one map (3200 bytes).
std::optional<int> PlaceMapCount(size_t file_size);

}  // namespace zaldrun
