// The cell font sizes offered for Ctrl+= and Ctrl+-, and the font picked for a height. The
// window's tests read back what it draws at 20, 22, 18 and 36 pixels.
#include <gtest/gtest.h>

#include "platform/sdl/cell_font.hpp"

namespace platform {
namespace {

TEST(SdlCellFont, BitmapStrikesServeOnlyTheirOwnHeights) {
  ASSERT_EQ(TTF_Init(), 0) << TTF_GetError();
  for (const int px : {12, 13, 32}) {  // the first strike, none, the last
    std::string error;
    const std::unique_ptr<CellFont> font = CellFont::Open(px, FontFiles{}, &error);
    ASSERT_NE(font, nullptr) << error;
    EXPECT_EQ(font->bitmap_strike(), px != 13) << px;
    EXPECT_LE(font->cell_height(), px);
    EXPECT_GE(font->cell_height(), px - 3);
  }
  TTF_Quit();
}

TEST(SdlCellFont, SizesStepThroughTheOfferedHeights) {
  const int steps[][3] = {{20, +1, 22}, {20, -1, 18}, {19, +1, 20},
                          {19, -1, 18}, {40, +1, 40}, {12, -1, 12}};
  for (const auto& [from, step, to] : steps) EXPECT_EQ(NextFontSize(from, step), to) << from;
}

}  // namespace
}  // namespace platform
