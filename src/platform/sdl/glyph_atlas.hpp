// The glyph atlas: one texture holding every character drawn so far, one cell-sized slot each,
// plus a white strip the cell backgrounds are painted from.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/color.hpp"
#include "platform/sdl/cell_font.hpp"

namespace platform {

// The inked part of a glyph: where it lies in the atlas and where it goes inside its cell.
// Drawing only the ink keeps the software renderer from blending empty pixels.
struct AtlasGlyph {
  int16_t atlas_x = 0;
  int16_t atlas_y = 0;
  int16_t cell_x = 0;
  int16_t cell_y = 0;
  int16_t width = 0;  // 0: the glyph leaves the cell blank
  int16_t height = 0;
};

// Glyphs are stored white and coloured by the vertices of their quads. The software renderer,
// though, blends vertex-coloured copies in a slow generic loop, while plain copies take its fast
// path; for it the atlas can also keep glyphs ready-coloured, one slot per character and colour,
// and solid cells for the background colours ("tinting in the atlas").
class GlyphAtlas {
 public:
  GlyphAtlas() = default;
  ~GlyphAtlas();
  GlyphAtlas(const GlyphAtlas&) = delete;
  GlyphAtlas& operator=(const GlyphAtlas&) = delete;

  // A fresh, empty texture for the font's cells (after a font change or a lost device).
  bool Reset(SDL_Renderer* renderer, const CellFont* font, bool tint_in_atlas, std::string* error);
  // Forgets every glyph but keeps the texture, to make room.
  void Forget();
  // Frees the texture (before its renderer goes).
  void Release();

  // The white glyph of a character, drawn into the atlas on first use; null when the atlas is
  // full. The pointer lasts until the next lookup.
  const AtlasGlyph* Find(char32_t ch) {
    if (ch < kDirectLimit && direct_[ch] >= 0) return &glyphs_[direct_[ch]];
    return Add(ch);
  }
  // The glyph ready-coloured, and a whole cell of one colour (tinting in the atlas only).
  const AtlasGlyph* FindTinted(char32_t ch, Color fg);
  const AtlasGlyph* FindSolid(Color bg);

  bool tint_in_atlas() const { return tint_in_atlas_; }
  // Falls back to vertex colours, for a screen with more colours than the atlas holds.
  void StopTinting() { tint_in_atlas_ = false; }

  SDL_Texture* texture() const { return texture_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Rows [0, white_strip_height) across the whole width are opaque white.
  int white_strip_height() const { return cell_height_; }

 private:
  // Latin, Cyrillic, punctuation and line drawing are looked up in a plain table.
  static constexpr char32_t kDirectLimit = 0x2600;
  // Stands for "a solid cell" in the keys of tinted slots; above every code point.
  static constexpr uint64_t kSolidKey = 0x200000;

  const AtlasGlyph* Add(char32_t ch);
  const AtlasGlyph* AddTinted(uint64_t key, char32_t ch, Color colour, bool solid);
  // Uploads the scratch cell into the next free slot and returns its inked part, or false when
  // no slot is left.
  bool Store(AtlasGlyph* glyph);
  AtlasGlyph Ink() const;

  SDL_Renderer* renderer_ = nullptr;
  const CellFont* font_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_Surface* cell_ = nullptr;  // scratch surface one cell large
  bool tint_in_atlas_ = false;
  int width_ = 0;
  int height_ = 0;
  int cell_width_ = 0;
  int cell_height_ = 0;
  int next_slot_ = 0;
  std::vector<AtlasGlyph> glyphs_;
  std::vector<int32_t> direct_;  // index into glyphs_, -1 when not drawn yet
  std::unordered_map<char32_t, int32_t> others_;
  std::unordered_map<uint64_t, int32_t> tinted_;  // code point << 24 | colour
};

}  // namespace platform
