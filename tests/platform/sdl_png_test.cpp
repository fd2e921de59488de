// The screenshot PNG writer: files that read back to the same pixels, and what it refuses.
#include <gtest/gtest.h>

#include "platform/png_writer.hpp"
#include "platform/sdl_png_reader.hpp"
#include "support/temp_folder.hpp"

namespace platform {
namespace {

TEST(SdlPngWrite, ReadsBackToTheSamePixels) {
  zaldrun::testing::TempFolder folder;
  const int width = 300;
  const int height = 200;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>(i * 7 + i / 311);
  const std::string path = (folder / "shot.png").string();
  std::string error;
  ASSERT_TRUE(WritePng(path, width, height, rgb, &error)) << error;
  const auto decoded = testing::ReadPng(path, &error);
  ASSERT_TRUE(decoded) << error;
  EXPECT_EQ(decoded->width, width);
  EXPECT_EQ(decoded->height, height);
  EXPECT_EQ(decoded->rgb, rgb);
}

TEST(SdlPngWrite, ExplainsWhatItCouldNotWrite) {
  zaldrun::testing::TempFolder folder;
  std::string error;
  const std::string path = (folder / "missing" / "shot.png").string();
  EXPECT_FALSE(WritePng(path, 4, 4, std::vector<uint8_t>(4 * 4 * 3), &error));
  EXPECT_NE(error.find(path), std::string::npos) << error;
  const std::string beside = (folder / "shot.png").string();
  EXPECT_FALSE(WritePng(beside, 2, 3, std::vector<uint8_t>(2 * 2 * 3), &error));  // 2 x 2 pixels
  EXPECT_FALSE(WritePng(beside, 0, 4, {}, &error));
  EXPECT_NE(error.find("пуст"), std::string::npos) << error;
  EXPECT_FALSE(testing::ReadPng(beside, &error)) << "nothing written";
}

}  // namespace
}  // namespace platform
