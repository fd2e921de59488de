#include "base/byte_record.hpp"

#include <bit>
#include <cstring>

#include "base/cp1251.hpp"

namespace zaldrun {

void RecordWriter::I16(int16_t v) { U16(static_cast<uint16_t>(v)); }

void RecordWriter::U16(uint16_t v) {
  bytes_.push_back(static_cast<uint8_t>(v & 0xFF));
  bytes_.push_back(static_cast<uint8_t>(v >> 8));
}

void RecordWriter::I32(int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<uint8_t>(u >> shift));
}

void RecordWriter::F32(float v) { I32(static_cast<int32_t>(std::bit_cast<uint32_t>(v))); }

void RecordWriter::Text(std::string_view utf8, size_t width) {
  std::string bytes = Utf8ToCp1251(utf8);
  bytes.resize(width, ' ');
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

bool RecordReader::Take(size_t count, const uint8_t** out) {
  if (failed_ || bytes_.size() - position_ < count) {
    failed_ = true;
    return false;
  }
  *out = bytes_.data() + position_;
  position_ += count;
  return true;
}

uint8_t RecordReader::U8() {
  const uint8_t* p = nullptr;
  return Take(1, &p) ? p[0] : 0;
}

uint16_t RecordReader::U16() {
  const uint8_t* p = nullptr;
  if (!Take(2, &p)) return 0;
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

int16_t RecordReader::I16() { return static_cast<int16_t>(U16()); }

int32_t RecordReader::I32() {
  const uint8_t* p = nullptr;
  if (!Take(4, &p)) return 0;
  const uint32_t u = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                     (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
  return static_cast<int32_t>(u);
}

float RecordReader::F32() { return std::bit_cast<float>(static_cast<uint32_t>(I32())); }

std::string RecordReader::Text(size_t width) {
  const uint8_t* p = nullptr;
  if (!Take(width, &p)) return std::string();
  return Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(p), width));
}

void RecordReader::Skip(size_t count) {
  const uint8_t* p = nullptr;
  Take(count, &p);
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.remove_suffix(1);
  return text;
}

}  // namespace zaldrun
