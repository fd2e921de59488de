// Pinning a record's byte layout: every number set to the offset it belongs at, then read back
// from the encoded bytes at that offset, so that a shifted, resized or reordered field shows.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>

namespace zaldrun::testing {

inline int32_t I32At(std::span<const uint8_t> b, size_t at) {
  return static_cast<int32_t>(uint32_t{b[at]} | (uint32_t{b[at + 1]} << 8) |
                              (uint32_t{b[at + 2]} << 16) | (uint32_t{b[at + 3]} << 24));
}

inline float F32At(std::span<const uint8_t> b, size_t at) {
  return std::bit_cast<float>(static_cast<uint32_t>(I32At(b, at)));
}

inline std::string TextAt(std::span<const uint8_t> b, size_t at, size_t width) {
  return std::string(reinterpret_cast<const char*>(b.data() + at), width);
}

// `text` blank-padded to `width` bytes, as the records store their texts.
inline std::string Padded(std::string text, size_t width) {
  text.resize(width, ' ');
  return text;
}

// Sets the fields of `values`, stored `width` bytes apart from `at`, to their offsets (one-byte
// fields to the offset's low byte).
template <typename Values>
void PutOffsets(Values& values, int at, int width) {
  for (auto& value : values) {
    value = static_cast<std::remove_reference_t<decltype(value)>>(width == 1 ? at & 0xFF : at);
    at += width;
  }
}

// Expects `count` little-endian whole numbers of `width` (1, 2 or 4) bytes from `at`, each
// holding its offset as PutOffsets sets it.
inline void ExpectOffsets(std::span<const uint8_t> b, int at, int count, int width) {
  for (int end = at + count * width; at < end; at += width) {
    const auto i = static_cast<size_t>(at);
    const int stored = width == 1   ? b[i]
                       : width == 2 ? static_cast<int16_t>(b[i] | (b[i + 1] << 8))
                                    : I32At(b, i);
    EXPECT_EQ(stored, width == 1 ? at & 0xFF : at) << "offset " << at;
  }
}

}  // namespace zaldrun::testing
