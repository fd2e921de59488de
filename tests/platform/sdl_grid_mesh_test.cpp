// The frame mesh drawn by a software renderer into a plain surface: glyphs coloured by vertex (as
// on graphics cards) and glyphs coloured in the atlas (as in software) must give the same picture,
// also after the atlas runs full.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sdl/grid_mesh.hpp"

namespace platform {
namespace {

class SdlGridMeshTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(TTF_Init(), 0) << TTF_GetError(); }
  void TearDown() override { TTF_Quit(); }

  // Draws the grid as the window does and returns the pixels (0xAARRGGBB, row by row).
  static std::vector<uint32_t> Draw(const Grid& grid, int font_px, bool tint_in_atlas,
                                    bool* still_tinting) {
    std::string error;
    const std::unique_ptr<CellFont> font = CellFont::Open(font_px, FontFiles{}, &error);
    EXPECT_NE(font, nullptr) << error;
    const GridLayout layout{
        0, 0, font->cell_width(), font->cell_height(), grid.width(), grid.height()};
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(
        0, layout.pixel_width(), layout.pixel_height(), 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    {
      GlyphAtlas atlas;
      EXPECT_TRUE(atlas.Reset(renderer, font.get(), tint_in_atlas, &error)) << error;
      GridMesh mesh;
      mesh.Build(grid, layout, atlas);
      SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
      SDL_RenderClear(renderer);
      SDL_RenderGeometry(renderer, atlas.texture(), mesh.vertices().data(),
                         static_cast<int>(mesh.vertices().size()), mesh.indices().data(),
                         static_cast<int>(mesh.indices().size()));
      SDL_RenderFlush(renderer);
      *still_tinting = atlas.tint_in_atlas();
    }
    const auto* pixels = static_cast<const uint32_t*>(surface->pixels);  // pitch is 4 * width
    std::vector<uint32_t> result(pixels, pixels + surface->w * surface->h);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
    return result;
  }

  // Counts pixels with a channel that differs by more than `tolerance`.
  static int Differences(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b,
                         int tolerance) {
    EXPECT_EQ(a.size(), b.size());
    int differences = 0;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
      bool differs = false;
      for (int shift : {0, 8, 16}) {
        differs |= std::abs(static_cast<int>((a[i] >> shift) & 0xFF) -
                            static_cast<int>((b[i] >> shift) & 0xFF)) > tolerance;
      }
      differences += differs;
    }
    return differences;
  }
};

TEST_F(SdlGridMeshTest, ColouringInTheAtlasDrawsWhatVertexColoursDraw) {
  // Letters, map glyphs and lines in many colours, background runs, black cells, blanks on colour
  // and glyphs the colour of their own background.
  const std::u32string glyphs = U"@.#дЖ¦†„‡ћ§─│┌┐└┘★ azQ";
  Grid grid(24, 9);
  for (int i = 0; i < 24 * 9; ++i) {
    const Color fg{static_cast<uint8_t>(i * 37), static_cast<uint8_t>(255 - i * 11), 200};
    const Color bg = (i / 24 % 3 == 0) ? colors::kBlack : (i % 24 < 12 ? colors::kNavy : fg);
    grid.Put(i % 24, i / 24, glyphs[i % glyphs.size()], fg, bg);
  }
  for (int px : {20, 36}) {  // the bitmap font and the antialiased scalable one
    bool still_tinting = false;
    const std::vector<uint32_t> by_vertex = Draw(grid, px, false, &still_tinting);
    // Antialiased edges may round one step apart on the two paths; nothing more.
    EXPECT_EQ(Differences(by_vertex, Draw(grid, px, true, &still_tinting), 1), 0) << px;
    EXPECT_TRUE(still_tinting);
    // And the picture is not simply empty.
    EXPECT_GT(Differences(by_vertex, std::vector<uint32_t>(by_vertex.size(), 0xFF000000u), 0),
              static_cast<int>(by_vertex.size() / 4));
  }
}

TEST_F(SdlGridMeshTest, TooManyColoursFallBackToVertexColoursWithNothingMissing) {
  // Every cell in a colour of its own: more ready-coloured glyphs than the atlas has slots.
  Grid grid(120, 120);
  for (int i = 0; i < 120 * 120; ++i) {
    const Color fg{static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 8), 255};
    grid.Put(i % 120, i / 120, U'Ж', fg, colors::kBlack);
  }
  bool still_tinting = true;
  const std::vector<uint32_t> in_atlas = Draw(grid, 12, true, &still_tinting);
  EXPECT_FALSE(still_tinting);
  EXPECT_EQ(Differences(Draw(grid, 12, false, &still_tinting), in_atlas, 0), 0);
}

}  // namespace
}  // namespace platform
