// The screenshot PNG writer: checksums, and files that decode back to the same pixels.
#include <gtest/gtest.h>

#include <string_view>

#include "platform/png_writer.hpp"
#include "platform/sdl_png_reader.hpp"
#include "support/temp_folder.hpp"

namespace platform {
namespace {

std::span<const uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// The reader checks the file with these same functions, so they are pinned to known values here.
TEST(SdlPngChecksums, MatchKnownValues) {
  EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
  EXPECT_EQ(Crc32(Bytes("6789"), Crc32(Bytes("12345"))), 0xCBF43926u);
  EXPECT_EQ(Adler32(Bytes("Wikipedia")), 0x11E60398u);
  // A megabyte of 0xFF overflows 32-bit sums unless they are reduced along the way.
  EXPECT_EQ(Adler32(std::vector<uint8_t>(1 << 20, 0xFF)), 0x8E88EF11u);
}

TEST(SdlPngEncode, DecodesToTheSamePixelsAcrossManyStoredBlocks) {
  // 300 x 200 RGB is 180 KB of scanlines: three full stored blocks and a partial one.
  const int width = 300;
  const int height = 200;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>(i * 7 + i / 311);
  std::string error;
  const auto decoded = testing::DecodeStoredPng(EncodePng(width, height, rgb), &error);
  ASSERT_TRUE(decoded) << error;
  EXPECT_EQ(decoded->width, width);
  EXPECT_EQ(decoded->height, height);
  EXPECT_EQ(decoded->rgb, rgb);

  EXPECT_TRUE(EncodePng(2, 3, std::vector<uint8_t>(3 * 4)).empty());  // pixels for 2 x 2
  EXPECT_TRUE(EncodePng(0, 4, {}).empty());
}

// Files that decode are written and read back by the window's screenshot tests.
TEST(SdlPngWrite, ExplainsWhatItCouldNotWrite) {
  zaldrun::testing::TempFolder folder;
  std::string error;
  const std::string path = (folder / "missing" / "shot.png").string();
  EXPECT_FALSE(WritePng(path, 4, 4, std::vector<uint8_t>(4 * 4 * 3), &error));
  EXPECT_NE(error.find(path), std::string::npos) << error;
}

}  // namespace
}  // namespace platform
