// A small PNG encoder for screenshots: 8-bit RGB, uncompressed deflate, standard library only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// CRC-32 as PNG chunks use it (polynomial 0xEDB88320), continuing from `crc` (0 to start).
uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t crc = 0);
// Adler-32 as the zlib stream ends with it.
uint32_t Adler32(std::span<const uint8_t> bytes);

// The PNG file of an image given as rows of 3-byte RGB pixels (width * height * 3 bytes).
// Returns an empty vector when the sizes do not match the pixels.
std::vector<uint8_t> EncodePng(int width, int height, std::span<const uint8_t> rgb);

// Encodes and writes the file; false with a Russian message in *error when it cannot be written.
bool WritePng(const std::string& path, int width, int height, std::span<const uint8_t> rgb,
              std::string* error);

}  // namespace platform
