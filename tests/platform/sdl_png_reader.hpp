// Test helper: reads back the PNG files the screenshot writer makes, as 8-bit RGB (libpng).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::testing {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct DecodedPng {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;

  Rgb At(int x, int y) const {
    const size_t at = (static_cast<size_t>(y) * width + x) * 3;
    return Rgb{rgb[at], rgb[at + 1], rgb[at + 2]};
  }
};

// Nothing, with the reason in *error, for anything but a well-formed PNG file.
std::optional<DecodedPng> ReadPng(const std::string& path, std::string* error);

}  // namespace platform::testing
