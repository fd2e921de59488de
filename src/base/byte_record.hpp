// Little-endian record writing and reading for the game's binary files.
// Readers never run past their buffer: a short read sets the failure mark and yields zeros.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zaldrun {

class RecordWriter {
 public:
  RecordWriter() = default;
  // Writes into `storage`, emptied first: its room is kept for a writer that fills megabytes
  // again and again.
  explicit RecordWriter(std::vector<uint8_t> storage) : bytes_(std::move(storage)) {
    bytes_.clear();
  }

  void Reserve(size_t bytes) { bytes_.reserve(bytes); }
  void U8(uint8_t v) { bytes_.push_back(v); }
  void I16(int16_t v);
  void U16(uint16_t v);
  void I32(int32_t v);
  void F32(float v);
  // A fixed text of `width` bytes: UTF-8 in, Windows-1251 out, blank-padded, cut at the width.
  void Text(std::string_view utf8, size_t width);
  void Raw(std::span<const uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  }

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }
  // What has been written so far, to be added to in place (a whole file read straight in).
  std::vector<uint8_t>& Buffer() { return bytes_; }
  size_t size() const { return bytes_.size(); }

 private:
  std::vector<uint8_t> bytes_;
};

class RecordReader {
 public:
  explicit RecordReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  uint8_t U8();
  int16_t I16();
  uint16_t U16();
  int32_t I32();
  float F32();
  // A fixed text of `width` bytes, Windows-1251 in, UTF-8 out, trailing blanks kept.
  std::string Text(size_t width);
  void Skip(size_t count);

  size_t position() const { return position_; }
  size_t remaining() const { return failed_ ? 0 : bytes_.size() - position_; }
  // True once any read asked for more bytes than were left.
  bool failed() const { return failed_; }

 private:
  bool Take(size_t count, const uint8_t** out);

  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
  bool failed_ = false;
};

// Fixed texts are blank-padded; names are used right-trimmed.
std::string_view TrimRight(std::string_view text);

// A record's layout written once for both directions: a template listing the fields with
// Field(io, ...) encodes when `io` is a RecordWriter and decodes when it is a RecordReader.
// Texts are fixed-width and read back right-trimmed.
inline void Field(RecordWriter& w, uint8_t v) { w.U8(v); }
inline void Field(RecordWriter& w, int16_t v) { w.I16(v); }
inline void Field(RecordWriter& w, int32_t v) { w.I32(v); }
inline void Field(RecordWriter& w, float v) { w.F32(v); }
inline void Field(RecordWriter& w, const std::string& text, size_t width) { w.Text(text, width); }
inline void Field(RecordReader& r, uint8_t& v) { v = r.U8(); }
inline void Field(RecordReader& r, int16_t& v) { v = r.I16(); }
inline void Field(RecordReader& r, int32_t& v) { v = r.I32(); }
inline void Field(RecordReader& r, float& v) { v = r.F32(); }
inline void Field(RecordReader& r, std::string& text, size_t width) {
  text = std::string(TrimRight(r.Text(width)));
}
template <typename T, size_t N>
void Field(RecordWriter& w, const std::array<T, N>& values) {
  for (const T& v : values) Field(w, v);
}
template <typename T, size_t N>
void Field(RecordReader& r, std::array<T, N>& values) {
  for (T& v : values) Field(r, v);
}

}  // namespace zaldrun
