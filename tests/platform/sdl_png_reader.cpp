#include "platform/sdl_png_reader.hpp"

#include <cstring>
#include <fstream>

#include "platform/png_writer.hpp"

namespace platform::testing {
namespace {

uint32_t BigEndian32(std::span<const uint8_t> bytes, size_t at) {
  return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
         (uint32_t{bytes[at + 2]} << 8) | uint32_t{bytes[at + 3]};
}

std::optional<DecodedPng> Fail(std::string* error, const std::string& reason) {
  if (error) *error = reason;
  return std::nullopt;
}

}  // namespace

std::optional<DecodedPng> DecodeStoredPng(std::span<const uint8_t> bytes, std::string* error) {
  static constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() < 8 || std::memcmp(bytes.data(), kSignature, 8) != 0) {
    return Fail(error, "no PNG signature");
  }
  DecodedPng image;
  std::vector<uint8_t> zlib;
  bool ended = false;
  size_t at = 8;
  while (!ended) {
    if (at + 12 > bytes.size()) return Fail(error, "truncated chunk");
    const uint32_t length = BigEndian32(bytes, at);
    if (at + 12 + length > bytes.size()) return Fail(error, "chunk runs past the end");
    const std::string type(reinterpret_cast<const char*>(&bytes[at + 4]), 4);
    const auto data = bytes.subspan(at + 8, length);
    if (Crc32(bytes.subspan(at + 4, length + 4)) != BigEndian32(bytes, at + 8 + length)) {
      return Fail(error, "bad CRC in " + type);
    }
    if (type == "IHDR") {
      if (length != 13) return Fail(error, "bad IHDR length");
      image.width = static_cast<int>(BigEndian32(data, 0));
      image.height = static_cast<int>(BigEndian32(data, 4));
      if (data[8] != 8 || data[9] != 2 || data[10] != 0 || data[11] != 0 || data[12] != 0) {
        return Fail(error, "not 8-bit RGB without interlace");
      }
    } else if (type == "IDAT") {
      zlib.insert(zlib.end(), data.begin(), data.end());
    } else if (type == "IEND") {
      ended = true;
    }
    at += 12 + length;
  }
  if (image.width <= 0 || image.height <= 0) return Fail(error, "no image size");

  if (zlib.size() < 6) return Fail(error, "zlib stream too short");
  if ((zlib[0] & 0x0F) != 8 || ((zlib[0] << 8) | zlib[1]) % 31 != 0 || (zlib[1] & 0x20)) {
    return Fail(error, "bad zlib header");
  }
  std::vector<uint8_t> raw;
  size_t pos = 2;
  for (bool last = false; !last;) {
    if (pos + 5 > zlib.size()) return Fail(error, "truncated deflate block");
    last = zlib[pos] & 1;
    if ((zlib[pos] >> 1) != 0) return Fail(error, "not a stored block");
    const size_t len = zlib[pos + 1] | (zlib[pos + 2] << 8);
    const size_t nlen = zlib[pos + 3] | (zlib[pos + 4] << 8);
    if ((len ^ 0xFFFF) != nlen) return Fail(error, "LEN and NLEN disagree");
    pos += 5;
    if (pos + len > zlib.size()) return Fail(error, "stored block runs past the end");
    raw.insert(raw.end(), zlib.begin() + pos, zlib.begin() + pos + len);
    pos += len;
  }
  if (pos + 4 != zlib.size()) return Fail(error, "bytes after the deflate stream");
  if (Adler32(raw) != BigEndian32(zlib, pos)) return Fail(error, "bad Adler-32");

  const size_t row_bytes = static_cast<size_t>(image.width) * 3;
  if (raw.size() != (row_bytes + 1) * image.height) return Fail(error, "wrong pixel count");
  image.rgb.reserve(row_bytes * image.height);
  for (int y = 0; y < image.height; ++y) {
    const auto row = raw.begin() + static_cast<long>((row_bytes + 1) * y);
    if (*row != 0) return Fail(error, "filtered scanline");
    image.rgb.insert(image.rgb.end(), row + 1, row + 1 + static_cast<long>(row_bytes));
  }
  return image;
}

std::optional<DecodedPng> ReadStoredPng(const std::string& path, std::string* error) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return Fail(error, "cannot open " + path);
  std::vector<uint8_t> bytes(static_cast<size_t>(file.tellg()));
  file.seekg(0);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) return Fail(error, "cannot read " + path);
  return DecodeStoredPng(bytes, error);
}

}  // namespace platform::testing
