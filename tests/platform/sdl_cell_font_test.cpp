// The cell font sizes offered for Ctrl+= and Ctrl+-, and the font picked for a height. The
// window's tests read back what it draws at 20, 22, 18 and 36 pixels.
#include <gtest/gtest.h>

#include "base/cp1251.hpp"
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

// The map's glyphs are code-page characters; the windows add frames, the banner's block and the
// focus mark. The faces drawn for text must have each of their own, at the smallest size and the
// largest offered.
TEST(SdlCellFont, TheTextFacesHaveEveryGlyphTheGameShows) {
  ASSERT_EQ(TTF_Init(), 0) << TTF_GetError();
  std::u32string glyphs = U"─│┌┐└┘█►";
  for (int byte = 0x21; byte <= 0xFF; ++byte) {
    const char32_t ch = zaldrun::Cp1251ToUnicode(static_cast<uint8_t>(byte));
    if (ch != 0x7F && ch != 0x98 && ch != 0xFFFD) glyphs += ch;
  }
  for (const FontFace face : {FontFace::kDejaVuSansMono, FontFace::kPtMono}) {
    for (const int px : {12, 40}) {
      std::string error;
      const std::unique_ptr<CellFont> font = CellFont::Open(px, FontFilesOf(face), &error);
      ASSERT_NE(font, nullptr) << error;
      for (const char32_t ch : glyphs) {
        EXPECT_TRUE(font->HasOwnGlyph(ch)) << static_cast<int>(face) << " U+" << std::hex
                                           << static_cast<uint32_t>(ch);
      }
    }
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
