// Screenshots as PNG files (8-bit RGB), written by libpng.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace platform {

// Writes an image given as rows of 3-byte RGB pixels (width * height * 3 bytes); false with a
// Russian message in *error when the pixels do not match the sizes or the file cannot be written.
bool WritePng(const std::string& path, int width, int height, std::span<const uint8_t> rgb,
              std::string* error);

}  // namespace platform
