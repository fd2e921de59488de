#include "platform/sdl_png_reader.hpp"

#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/png_writer.hpp"

namespace platform::testing {
namespace {

uint32_t BigEndian32(std::span<const uint8_t> bytes, size_t at) {
  return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
         (uint32_t{bytes[at + 2]} << 8) | uint32_t{bytes[at + 3]};
}

}  // namespace

std::optional<DecodedPng> DecodeStoredPng(std::span<const uint8_t> bytes, std::string* error) {
  auto fail = [error](const std::string& reason) -> std::optional<DecodedPng> {
    if (error) *error = reason;
    return std::nullopt;
  };
  static constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() < 8 || std::memcmp(bytes.data(), kSignature, 8) != 0) return fail("signature");
  DecodedPng image;
  std::vector<uint8_t> zlib;
  for (size_t at = 8;;) {
    if (at + 12 > bytes.size() || at + 12 + BigEndian32(bytes, at) > bytes.size()) {
      return fail("truncated chunk");
    }
    const auto data = bytes.subspan(at + 8, BigEndian32(bytes, at));
    const std::string type(reinterpret_cast<const char*>(&bytes[at + 4]), 4);
    if (Crc32(bytes.subspan(at + 4, data.size() + 4)) != BigEndian32(bytes, at + 8 + data.size())) {
      return fail("bad CRC in " + type);
    }
    at += 12 + data.size();
    if (type == "IEND") break;
    if (type == "IDAT") zlib.insert(zlib.end(), data.begin(), data.end());
    if (type != "IHDR") continue;
    const uint8_t rgb8[5] = {8, 2, 0, 0, 0};  // 8-bit RGB, deflate, no filter, no interlace
    if (data.size() != 13 || std::memcmp(&data[8], rgb8, 5) != 0) return fail("bad IHDR");
    image.width = static_cast<int>(BigEndian32(data, 0));
    image.height = static_cast<int>(BigEndian32(data, 4));
  }
  // A zlib header, then stored deflate blocks only: a header byte, LEN, its complement, bytes.
  if (zlib.size() < 6 || (zlib[0] & 0x0F) != 8 || ((zlib[0] << 8) | zlib[1]) % 31 != 0) {
    return fail("bad zlib header");
  }
  std::vector<uint8_t> raw;
  size_t pos = 2;
  for (bool last = false; !last; pos += 5 + (zlib[pos + 1] | (zlib[pos + 2] << 8))) {
    if (pos + 5 > zlib.size() || (zlib[pos] >> 1) != 0) return fail("not a stored block");
    last = zlib[pos] & 1;
    const size_t len = zlib[pos + 1] | (zlib[pos + 2] << 8);
    const size_t nlen = zlib[pos + 3] | (zlib[pos + 4] << 8);
    if ((len ^ 0xFFFF) != nlen || pos + 5 + len > zlib.size()) {
      return fail("bad stored block");
    }
    raw.insert(raw.end(), zlib.begin() + pos + 5, zlib.begin() + pos + 5 + len);
  }
  if (pos + 4 != zlib.size() || Adler32(raw) != BigEndian32(zlib, pos)) return fail("Adler-32");
  const size_t row_bytes = static_cast<size_t>(image.width) * 3;
  if (image.width <= 0 || raw.size() != (row_bytes + 1) * image.height) return fail("pixels");
  for (size_t row = 0; row < raw.size(); row += row_bytes + 1) {
    if (raw[row] != 0) return fail("filtered scanline");
    image.rgb.insert(image.rgb.end(), raw.begin() + row + 1, raw.begin() + row + 1 + row_bytes);
  }
  return image;
}

std::optional<DecodedPng> ReadStoredPng(const std::string& path, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  if (!file && error) *error = "cannot read " + path;
  return file ? DecodeStoredPng(bytes, error) : std::nullopt;
}

}  // namespace platform::testing
