// The triangles of one frame: cell backgrounds, then the glyphs, all drawn by a single
// SDL_RenderGeometry call from the glyph atlas.
#pragma once

#include <SDL.h>

#include <vector>

#include "platform/grid.hpp"
#include "platform/sdl/glyph_atlas.hpp"
#include "platform/sdl/grid_layout.hpp"

namespace platform {

class GridMesh {
 public:
  // Rebuilds the mesh for the grid. Characters new to the atlas are drawn into it; when it runs
  // full it is emptied and refilled with this frame's characters only, and when even that is
  // not enough for ready-coloured glyphs it goes back to colouring by vertex.
  void Build(const Grid& grid, const GridLayout& layout, GlyphAtlas& atlas);

  const std::vector<SDL_Vertex>& vertices() const { return vertices_; }
  const std::vector<int>& indices() const { return indices_; }
  int quads() const { return static_cast<int>(vertices_.size() / 4); }

 private:
  // Each returns false when the atlas ran full part-way.
  bool TryBuildTintedByVertex(const Grid& grid, const GridLayout& layout, GlyphAtlas& atlas);
  bool TryBuildTintedInAtlas(const Grid& grid, const GridLayout& layout, GlyphAtlas& atlas);
  // The columns and rows of the grid that the layout shows.
  struct Shown {
    int columns = 0;
    int rows = 0;
  };
  // Empties the mesh for a frame drawn from `atlas`.
  Shown Start(const Grid& grid, const GridLayout& layout, const GlyphAtlas& atlas);
  // A quad for each cell that shows a glyph, as `glyph_of(cell)` gives it: the glyph (none when
  // the atlas ran full) and its colour. False when a glyph was missing; with `stop_at_missing`
  // the first missing one ends the mesh.
  template <typename GlyphOf>
  bool AddGlyphs(const Grid& grid, const GridLayout& layout, Shown shown, bool stop_at_missing,
                 GlyphOf glyph_of);
  void AddQuad(int x, int y, int width, int height, int atlas_x, int atlas_y, Color color);

  std::vector<SDL_Vertex> vertices_;
  std::vector<int> indices_;
  float texel_u_ = 0.0f;  // 1 / atlas width
  float texel_v_ = 0.0f;
};

}  // namespace platform
