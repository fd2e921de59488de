// The field lists of the world's records in the level and save files: one template per record
// serves writing (with a RecordWriter) and reading (with a RecordReader).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "base/byte_record.hpp"
#include "model/level.hpp"

namespace zaldrun {


// The 19 bytes of an item: in the pack, in a pile, lying loose or worn.
template <typename Io, typename Item>
void ItemRecordFields(Io& io, Item& item) {
  Field(io, item.type);
  Field(io, item.blessing);
  Field(io, item.count);
  Field(io, item.material);
  Field(io, item.prefix);
  Field(io, item.suffix);
  Field(io, item.charges);
  Field(io, item.bonus1);
  Field(io, item.bonus2);
  Field(io, item.identified);
  Field(io, item.flags);
}

// Elements first..last of an array (the files keep arrays indexed from 1 without element 0).
template <typename Io, typename Array>
void ArrayRange(Io& io, Array& values, size_t first, size_t last) {
  for (size_t i = first; i <= last; ++i) Field(io, values[i]);
}

}  // namespace zaldrun
