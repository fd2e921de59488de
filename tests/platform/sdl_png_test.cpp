// The screenshot PNG writer: checksums, and files that decode back to the same pixels.
#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>

#include "platform/png_writer.hpp"
#include "platform/sdl_png_reader.hpp"
#include "support/temp_folder.hpp"

namespace platform {
namespace {

std::span<const uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

TEST(SdlPngChecksums, MatchPublishedValues) {
  EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
  EXPECT_EQ(Crc32(Bytes("IEND")), 0xAE426082u);  // every PNG ends with these bytes
  EXPECT_EQ(Crc32(Bytes("6789"), Crc32(Bytes("12345"))), 0xCBF43926u);
  EXPECT_EQ(Adler32(Bytes("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(Adler32({}), 1u);
}

TEST(SdlPngChecksums, AdlerStaysExactOverLongRunsOfHighBytes) {
  // All 0xFF for a megabyte: the sums would overflow 32 bits without the periodic reduction.
  const std::vector<uint8_t> data(1 << 20, 0xFF);
  uint64_t a = 1;
  uint64_t b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  EXPECT_EQ(Adler32(data), static_cast<uint32_t>((b << 16) | a));
}

TEST(SdlPngEncode, DecodesToTheSamePixelsAcrossManyStoredBlocks) {
  // 300 x 200 RGB is 180 KB of scanlines: three stored blocks and a partial one.
  const int width = 300;
  const int height = 200;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>(i * 7 + i / 311);

  const std::vector<uint8_t> png = EncodePng(width, height, rgb);
  std::string error;
  const auto decoded = testing::DecodeStoredPng(png, &error);
  ASSERT_TRUE(decoded) << error;
  EXPECT_EQ(decoded->width, width);
  EXPECT_EQ(decoded->height, height);
  EXPECT_EQ(decoded->rgb, rgb);
}

TEST(SdlPngEncode, RejectsPixelCountThatDoesNotMatchTheSize) {
  const std::vector<uint8_t> rgb(3 * 4);
  EXPECT_TRUE(EncodePng(2, 3, rgb).empty());
  EXPECT_TRUE(EncodePng(0, 4, {}).empty());
  EXPECT_FALSE(EncodePng(2, 2, rgb).empty());
}

TEST(SdlPngWrite, WritesTheFileOrExplains) {
  zaldrun::testing::TempFolder folder;
  const std::vector<uint8_t> rgb(4 * 4 * 3, 128);
  std::string error;
  const std::string path = (folder / "shot.png").string();
  ASSERT_TRUE(WritePng(path, 4, 4, rgb, &error)) << error;
  const auto decoded = testing::ReadStoredPng(path, &error);
  ASSERT_TRUE(decoded) << error;
  EXPECT_EQ(decoded->At(3, 3), (testing::Rgb{128, 128, 128}));

  EXPECT_FALSE(WritePng((folder / "missing" / "shot.png").string(), 4, 4, rgb, &error));
  EXPECT_NE(error.find("shot.png"), std::string::npos) << error;
}

}  // namespace
}  // namespace platform
