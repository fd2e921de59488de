// Choosing the cell fonts by pixel height, the size steps, and glyphs drawn into one cell.
#include <gtest/gtest.h>

#include "platform/sdl/cell_font.hpp"

namespace platform {
namespace {

class SdlCellFontTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(TTF_Init(), 0) << TTF_GetError(); }
  void TearDown() override { TTF_Quit(); }

  static std::unique_ptr<CellFont> Open(int px, const FontFiles& files = {}) {
    std::string error;
    std::unique_ptr<CellFont> font = CellFont::Open(px, files, &error);
    EXPECT_NE(font, nullptr) << error;
    return font;
  }

  // Inked pixels of a glyph drawn into a cell of the font.
  static int InkOf(const CellFont& font, char32_t ch) {
    SDL_Surface* cell = SDL_CreateRGBSurfaceWithFormat(0, font.cell_width(), font.cell_height(), 32,
                                                       SDL_PIXELFORMAT_ARGB8888);
    font.DrawGlyph(ch, cell);
    int ink = 0;
    for (int y = 0; y < cell->h; ++y) {
      const auto* row =
          reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(cell->pixels) + y * cell->pitch);
      for (int x = 0; x < cell->w; ++x) ink += (row[x] >> 24) >= 128;
    }
    SDL_FreeSurface(cell);
    return ink;
  }
};

TEST_F(SdlCellFontTest, BitmapFontServesItsOwnHeightsExactly) {
  const int widths[] = {6, 8, 8, 10, 10, 11, 12, 14, 16};
  const int heights[] = {12, 14, 16, 18, 20, 22, 24, 28, 32};
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(heights[i]);
    auto font = Open(heights[i]);
    ASSERT_NE(font, nullptr);
    EXPECT_TRUE(font->bitmap_strike());
    EXPECT_EQ(font->cell_height(), heights[i]);
    EXPECT_EQ(font->cell_width(), widths[i]);
  }
}

TEST_F(SdlCellFontTest, OtherHeightsUseTheScalableFont) {
  for (int px : {13, 36, 48}) {
    SCOPED_TRACE(px);
    auto font = Open(px);
    ASSERT_NE(font, nullptr);
    EXPECT_FALSE(font->bitmap_strike());
    EXPECT_LE(font->cell_height(), px);
    EXPECT_GE(font->cell_height(), px - 3);
    EXPECT_GT(font->cell_width(), font->cell_height() / 3);
  }
}

TEST_F(SdlCellFontTest, MissingBitmapFontFallsBackToTheScalableOne) {
  FontFiles no_bitmap;
  no_bitmap.bitmap = "/nonexistent/terminus.otb";
  auto font = Open(20, no_bitmap);
  ASSERT_NE(font, nullptr);
  EXPECT_FALSE(font->bitmap_strike());
  EXPECT_GT(InkOf(*font, U'Ж'), 10);
}

TEST_F(SdlCellFontTest, GlyphsMissingFromTheBitmapFontComeFromTheScalableOne) {
  auto font = Open(20);
  ASSERT_NE(font, nullptr);
  EXPECT_GT(InkOf(*font, U'★'), 10);
  EXPECT_GT(InkOf(*font, U'∑'), 10);
  EXPECT_EQ(InkOf(*font, U' '), 0);
  EXPECT_EQ(InkOf(*font, 0xD800), 0);  // not a character
}

TEST(SdlFontSizes, StepThroughTheOfferedHeights) {
  EXPECT_EQ(NextFontSize(20, +1), 22);
  EXPECT_EQ(NextFontSize(20, -1), 18);
  EXPECT_EQ(NextFontSize(32, +1), 36);
  EXPECT_EQ(NextFontSize(19, +1), 20);
  EXPECT_EQ(NextFontSize(19, -1), 18);
  EXPECT_EQ(NextFontSize(48, +1), 48);
  EXPECT_EQ(NextFontSize(12, -1), 12);
}

}  // namespace
}  // namespace platform
