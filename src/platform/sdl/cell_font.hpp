// The fonts of the window's cells: a bitmap font at its built-in sizes, a scalable font for other
// sizes and for characters the bitmap font lacks, and the drawing of one glyph into one cell.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>
#include <string>

#include "platform/frontend.hpp"

namespace platform {

inline constexpr const char* kTerminusFile = "/usr/share/fonts/opentype/terminus/terminus-normal.otb";
inline constexpr const char* kDejaVuMonoFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
inline constexpr const char* kPtMonoFile = "/usr/share/fonts/truetype/paratype/PTM55F.ttf";

// The fonts of one face choice: a bitmap font (none when empty) at its built-in sizes, the
// scalable font for the other sizes, and a scalable font for characters the first lacks (and for
// everything when the first does not open).
struct FontFiles {
  std::string bitmap = kTerminusFile;
  std::string scalable = kDejaVuMonoFile;
  std::string fallback;

  bool operator==(const FontFiles&) const = default;
};

// The files of a face the settings offer.
FontFiles FontFilesOf(FontFace face);

class CellFont {
 public:
  // Fonts for cells `pixel_height` pixels tall: the bitmap font's strike of exactly that height
  // when it has one, else the scalable font (whose cells may come out a pixel or two shorter).
  // Needs TTF_Init. Nothing, with a Russian message in *error, when no font opens.
  static std::unique_ptr<CellFont> Open(int pixel_height, const FontFiles& files,
                                        std::string* error);
  ~CellFont();
  CellFont(const CellFont&) = delete;
  CellFont& operator=(const CellFont&) = delete;

  int cell_width() const { return cell_width_; }
  int cell_height() const { return cell_height_; }
  // Whether the font that draws the cells has the character (not only the one behind it).
  bool HasOwnGlyph(char32_t ch) const { return TTF_GlyphIsProvided32(primary_.font, ch) != 0; }
  // True when the cells come from the bitmap font's built-in strike.
  bool bitmap_strike() const { return bitmap_strike_; }

  // Draws the character in white into `cell` (ARGB8888, exactly one cell large), the coverage in
  // the alpha channel. The cell is cleared first; whatever the glyph has outside it is cut off,
  // so line-drawing characters meet their neighbours edge to edge.
  void DrawGlyph(char32_t ch, SDL_Surface* cell) const;

 private:
  struct Face {
    TTF_Font* font = nullptr;
    int ascent = 0;
    int baseline = 0;  // row of the cell the baseline sits on
    int shift_x = 0;   // centres a narrower or wider glyph in the cell
  };

  CellFont() = default;
  const Face& FaceFor(char32_t ch) const;

  Face primary_;
  Face fallback_;  // font is null when the primary is the scalable font itself
  int cell_width_ = 0;
  int cell_height_ = 0;
  bool bitmap_strike_ = false;
};

// The next cell height up (step > 0) or down (step < 0) among the sizes offered for Ctrl+= and
// Ctrl+-; the same height at either end of the range.
int NextFontSize(int pixel_height, int step);

}  // namespace platform
