#include "platform/png_writer.hpp"

#include <algorithm>
#include <array>
#include <fstream>

namespace platform {
namespace {

// A deflate "stored" block holds at most this many bytes.
constexpr size_t kStoredBlockMax = 65535;

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

void PutBigEndian32(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value >> 24));
  out.push_back(static_cast<uint8_t>(value >> 16));
  out.push_back(static_cast<uint8_t>(value >> 8));
  out.push_back(static_cast<uint8_t>(value));
}

void PutChunk(std::vector<uint8_t>& out, const char (&type)[5], std::span<const uint8_t> data) {
  PutBigEndian32(out, static_cast<uint32_t>(data.size()));
  const size_t type_at = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  // The CRC covers the type and the data, not the length.
  const std::span<const uint8_t> covered(out.data() + type_at, 4 + data.size());
  PutBigEndian32(out, Crc32(covered));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<uint8_t> StoredZlib(std::span<const uint8_t> raw) {
  std::vector<uint8_t> out;
  out.reserve(raw.size() + raw.size() / kStoredBlockMax * 5 + 16);
  out.push_back(0x78);  // deflate, 32 KiB window
  out.push_back(0x01);  // no dictionary, fastest; 0x7801 is a multiple of 31
  size_t at = 0;
  do {
    const size_t length = std::min(kStoredBlockMax, raw.size() - at);
    const bool last = at + length == raw.size();
    out.push_back(last ? 1 : 0);  // BFINAL, BTYPE = 00 (stored)
    out.push_back(static_cast<uint8_t>(length));
    out.push_back(static_cast<uint8_t>(length >> 8));
    out.push_back(static_cast<uint8_t>(~length));
    out.push_back(static_cast<uint8_t>(~length >> 8));
    out.insert(out.end(), raw.begin() + at, raw.begin() + at + length);
    at += length;
  } while (at < raw.size());
  PutBigEndian32(out, Adler32(raw));
  return out;
}

}  // namespace

uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t crc) {
  crc = ~crc;
  for (uint8_t b : bytes) crc = kCrcTable[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

uint32_t Adler32(std::span<const uint8_t> bytes) {
  constexpr uint32_t kModulus = 65521;
  // 5552 bytes is the longest run whose sums cannot overflow 32 bits before the reduction.
  constexpr size_t kRun = 5552;
  uint32_t a = 1;
  uint32_t b = 0;
  size_t at = 0;
  while (at < bytes.size()) {
    const size_t end = std::min(bytes.size(), at + kRun);
    for (; at < end; ++at) {
      a += bytes[at];
      b += a;
    }
    a %= kModulus;
    b %= kModulus;
  }
  return (b << 16) | a;
}

std::vector<uint8_t> EncodePng(int width, int height, std::span<const uint8_t> rgb) {
  if (width <= 0 || height <= 0) return {};
  const size_t row_bytes = static_cast<size_t>(width) * 3;
  if (rgb.size() != row_bytes * static_cast<size_t>(height)) return {};

  // Every scanline starts with its filter type; 0 (none) keeps the pixels as they are.
  std::vector<uint8_t> raw;
  raw.reserve((row_bytes + 1) * height);
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    const auto row = rgb.subspan(row_bytes * y, row_bytes);
    raw.insert(raw.end(), row.begin(), row.end());
  }

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  PutBigEndian32(header, static_cast<uint32_t>(width));
  PutBigEndian32(header, static_cast<uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, adaptive, no interlace
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", StoredZlib(raw));
  PutChunk(png, "IEND", {});
  return png;
}

bool WritePng(const std::string& path, int width, int height, std::span<const uint8_t> rgb,
              std::string* error) {
  const std::vector<uint8_t> png = EncodePng(width, height, rgb);
  if (png.empty()) {
    if (error) *error = "Снимок экрана пуст или повреждён.";
    return false;
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  file.close();
  if (!file) {
    if (error) *error = "Не удалось записать снимок экрана в файл " + path + ".";
    return false;
  }
  return true;
}

}  // namespace platform
