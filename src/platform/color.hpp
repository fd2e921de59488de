// Colours of the cell grid: plain 8-bit red, green and blue.
#pragma once

#include <cstdint>

namespace platform {

struct Color {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;

  friend constexpr bool operator==(const Color&, const Color&) = default;
};

// The game writes colours as one number: red + 256 * green + 65536 * blue.
constexpr Color FromPackedBgr(uint32_t packed) {
  return Color{static_cast<uint8_t>(packed & 0xFF), static_cast<uint8_t>((packed >> 8) & 0xFF),
               static_cast<uint8_t>((packed >> 16) & 0xFF)};
}

constexpr uint32_t ToPackedBgr(Color c) {
  return static_cast<uint32_t>(c.r) | (static_cast<uint32_t>(c.g) << 8) |
         (static_cast<uint32_t>(c.b) << 16);
}

namespace colors {
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kLightGray{192, 192, 192};
inline constexpr Color kGray{128, 128, 128};
inline constexpr Color kDarkGray{64, 64, 64};
inline constexpr Color kYellow{255, 255, 0};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kGreen{0, 192, 0};
inline constexpr Color kNavy{0, 0, 128};
inline constexpr Color kTeal{0, 128, 128};
}  // namespace colors

}  // namespace platform
