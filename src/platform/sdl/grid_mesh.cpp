#include "platform/sdl/grid_mesh.hpp"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace platform {
namespace {

// Cells that show no glyph: blanks, and ink the colour of its own background.
bool ShowsNoGlyph(const Cell& cell) { return cell.ch == U' ' || cell.fg == cell.bg; }

}  // namespace

void GridMesh::Build(const Grid& grid, const GridLayout& layout, GlyphAtlas& atlas) {
  if (atlas.tint_in_atlas()) {
    if (TryBuildTintedInAtlas(grid, layout, atlas)) return;
    atlas.Forget();
    if (TryBuildTintedInAtlas(grid, layout, atlas)) return;
    // More colours on screen than the atlas holds ready-coloured.
    atlas.StopTinting();
    atlas.Forget();
  }
  if (TryBuildTintedByVertex(grid, layout, atlas)) return;
  atlas.Forget();
  // One grid never holds more different characters than the atlas has slots, so the second try
  // succeeds; should it not, the characters left over stay blank this frame.
  TryBuildTintedByVertex(grid, layout, atlas);
}

GridMesh::Shown GridMesh::Start(const Grid& grid, const GridLayout& layout,
                                const GlyphAtlas& atlas) {
  vertices_.clear();
  indices_.clear();
  texel_u_ = 1.0f / static_cast<float>(atlas.width());
  texel_v_ = 1.0f / static_cast<float>(atlas.height());
  return {std::min(grid.width(), layout.columns), std::min(grid.height(), layout.rows)};
}

bool GridMesh::TryBuildTintedByVertex(const Grid& grid, const GridLayout& layout,
                                      GlyphAtlas& atlas) {
  const Shown shown = Start(grid, layout, atlas);
  if (atlas.texture() == nullptr) return true;
  const int cell_w = layout.cell_width;
  // Longest background run one quad can copy from the white strip without stretching it.
  const int strip_cells = std::max(1, atlas.width() / cell_w);

  // Backgrounds first, as runs of equal colour; black needs nothing, the frame is cleared black.
  for (int y = 0; y < shown.rows; ++y) {
    const int top = layout.origin_y + y * layout.cell_height;
    int x = 0;
    while (x < shown.columns) {
      const Color bg = grid.At(x, y).bg;
      int end = x + 1;
      while (end < shown.columns && end - x < strip_cells && grid.At(end, y).bg == bg) ++end;
      if (bg != colors::kBlack) {
        AddQuad(layout.origin_x + x * cell_w, top, (end - x) * cell_w, layout.cell_height, 0, 0,
                bg);
      }
      x = end;
    }
  }
  return AddGlyphs(grid, layout, shown, false, [&atlas](const Cell& cell) {
    return std::make_pair(atlas.Find(cell.ch), cell.fg);
  });
}

bool GridMesh::TryBuildTintedInAtlas(const Grid& grid, const GridLayout& layout,
                                     GlyphAtlas& atlas) {
  const Shown shown = Start(grid, layout, atlas);
  if (atlas.texture() == nullptr) return true;
  for (int y = 0; y < shown.rows; ++y) {
    for (int x = 0; x < shown.columns; ++x) {
      const Color bg = grid.At(x, y).bg;
      if (bg == colors::kBlack) continue;
      const AtlasGlyph* solid = atlas.FindSolid(bg);
      if (solid == nullptr) return false;
      AddQuad(layout.origin_x + x * layout.cell_width, layout.origin_y + y * layout.cell_height,
              layout.cell_width, layout.cell_height, solid->atlas_x, solid->atlas_y,
              colors::kWhite);
    }
  }
  return AddGlyphs(grid, layout, shown, true, [&atlas](const Cell& cell) {
    return std::make_pair(atlas.FindTinted(cell.ch, cell.fg), colors::kWhite);
  });
}

template <typename GlyphOf>
bool GridMesh::AddGlyphs(const Grid& grid, const GridLayout& layout, Shown shown,
                         bool stop_at_missing, GlyphOf glyph_of) {
  bool complete = true;
  for (int y = 0; y < shown.rows; ++y) {
    for (int x = 0; x < shown.columns; ++x) {
      const Cell& cell = grid.At(x, y);
      if (ShowsNoGlyph(cell)) continue;
      const auto [glyph, color] = glyph_of(cell);
      if (glyph == nullptr) {
        if (stop_at_missing) return false;
        complete = false;
        continue;
      }
      if (glyph->width == 0) continue;
      AddQuad(layout.origin_x + x * layout.cell_width + glyph->cell_x,
              layout.origin_y + y * layout.cell_height + glyph->cell_y, glyph->width, glyph->height,
              glyph->atlas_x, glyph->atlas_y, color);
    }
  }
  return complete;
}

void GridMesh::AddQuad(int x, int y, int width, int height, int atlas_x, int atlas_y, Color color) {
  const SDL_Color tint{color.r, color.g, color.b, 255};
  const auto left = static_cast<float>(x);
  const auto top = static_cast<float>(y);
  const auto right = static_cast<float>(x + width);
  const auto bottom = static_cast<float>(y + height);
  const float u0 = static_cast<float>(atlas_x) * texel_u_;
  const float v0 = static_cast<float>(atlas_y) * texel_v_;
  const float u1 = static_cast<float>(atlas_x + width) * texel_u_;
  const float v1 = static_cast<float>(atlas_y + height) * texel_v_;
  const int first = static_cast<int>(vertices_.size());
  vertices_.push_back(SDL_Vertex{{left, top}, tint, {u0, v0}});
  vertices_.push_back(SDL_Vertex{{right, top}, tint, {u1, v0}});
  vertices_.push_back(SDL_Vertex{{right, bottom}, tint, {u1, v1}});
  vertices_.push_back(SDL_Vertex{{left, bottom}, tint, {u0, v1}});
  // Two triangles sharing the diagonal in this order let the software renderer recognise the
  // pair as one rectangle and copy it instead of rasterising triangles (about four times faster).
  for (int corner : {0, 1, 2, 2, 3, 0}) indices_.push_back(first + corner);
}

}  // namespace platform
