// The frame mesh drawn by a software renderer into a plain surface: glyphs coloured by vertex and
// glyphs coloured in the atlas must give the same picture, also after the atlas runs full.
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
  static std::vector<uint32_t> Draw(const Grid& grid, const CellFont& font, bool tint_in_atlas,
                                    bool* still_tinting = nullptr) {
    const GridLayout layout{
        0, 0, font.cell_width(), font.cell_height(), grid.width(), grid.height()};
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(
        0, layout.pixel_width(), layout.pixel_height(), 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    std::vector<uint32_t> pixels;
    {
      GlyphAtlas atlas;
      std::string error;
      EXPECT_TRUE(atlas.Reset(renderer, &font, tint_in_atlas, &error)) << error;
      GridMesh mesh;
      mesh.Build(grid, layout, atlas);
      SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
      SDL_RenderClear(renderer);
      SDL_RenderGeometry(renderer, atlas.texture(), mesh.vertices().data(),
                         static_cast<int>(mesh.vertices().size()), mesh.indices().data(),
                         static_cast<int>(mesh.indices().size()));
      SDL_RenderFlush(renderer);
      if (still_tinting) *still_tinting = atlas.tint_in_atlas();
    }
    for (int y = 0; y < surface->h; ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                                          y * surface->pitch);
      pixels.insert(pixels.end(), row, row + surface->w);
    }
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
    return pixels;
  }

  // Counts pixels whose channels differ by more than `tolerance`.
  static int Differences(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b,
                         int tolerance) {
    EXPECT_EQ(a.size(), b.size());
    int differences = 0;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
      for (int shift : {0, 8, 16}) {
        const int ca = static_cast<int>((a[i] >> shift) & 0xFF);
        const int cb = static_cast<int>((b[i] >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) {
          ++differences;
          break;
        }
      }
    }
    return differences;
  }

  // A screen's worth of variety: letters, map glyphs and lines in many colours, background runs,
  // black cells, blanks on colour and glyphs the colour of their own background.
  static Grid VariedGrid(int width, int height) {
    const std::u32string glyphs = U"@.#дЖ¦†„‡ћ§─│┌┐└┘★ azQ";
    Grid grid(width, height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const int i = y * width + x;
        const Color fg{static_cast<uint8_t>(i * 37), static_cast<uint8_t>(255 - i * 11), 200};
        const Color bg = (y % 3 == 0) ? colors::kBlack : (x < width / 2 ? colors::kNavy : fg);
        grid.Put(x, y, glyphs[i % glyphs.size()], fg, bg);
      }
    }
    return grid;
  }
};

TEST_F(SdlGridMeshTest, ColouringInTheAtlasDrawsWhatVertexColoursDraw) {
  for (int px : {20, 36}) {
    SCOPED_TRACE(px);
    std::string error;
    auto font = CellFont::Open(px, FontFiles{}, &error);
    ASSERT_NE(font, nullptr) << error;
    const Grid grid = VariedGrid(24, 9);
    bool still_tinting = false;
    const std::vector<uint32_t> by_vertex = Draw(grid, *font, false);
    const std::vector<uint32_t> in_atlas = Draw(grid, *font, true, &still_tinting);
    EXPECT_TRUE(still_tinting);
    // Antialiased edges (the scalable font, and ★ which the bitmap font lacks) may round one
    // step apart on the two paths; nothing more.
    EXPECT_EQ(Differences(by_vertex, in_atlas, 1), 0);
    // And the picture is not simply empty.
    EXPECT_GT(Differences(by_vertex, std::vector<uint32_t>(by_vertex.size(), 0xFF000000u), 0),
              static_cast<int>(by_vertex.size() / 4));
  }
}

TEST_F(SdlGridMeshTest, TooManyColoursFallBackToVertexColoursWithNothingMissing) {
  std::string error;
  auto font = CellFont::Open(12, FontFiles{}, &error);
  ASSERT_NE(font, nullptr) << error;
  // Every cell in a colour of its own: more ready-coloured glyphs than the atlas has slots.
  Grid grid(120, 120);
  for (int y = 0; y < grid.height(); ++y) {
    for (int x = 0; x < grid.width(); ++x) {
      const int i = y * grid.width() + x;
      grid.Put(x, y, U'Ж', Color{static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 8), 255},
               colors::kBlack);
    }
  }
  bool still_tinting = true;
  const std::vector<uint32_t> in_atlas = Draw(grid, *font, true, &still_tinting);
  EXPECT_FALSE(still_tinting);
  EXPECT_EQ(Differences(Draw(grid, *font, false), in_atlas, 0), 0);
}

}  // namespace
}  // namespace platform
