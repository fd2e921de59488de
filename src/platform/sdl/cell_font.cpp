#include "platform/sdl/cell_font.hpp"

#include <algorithm>
#include <array>
#include <vector>

namespace platform {
namespace {

// Every height the bitmap font has, then a few larger ones from the scalable font.
// 48 px is left out: DejaVu's box lines no longer join at that size.
constexpr std::array<int, 11> kFontSizes = {12, 14, 16, 18, 20, 22, 24, 28, 32, 36, 40};

// A bitmap font's point size is an index into its strikes; past the last, the last is used.
constexpr int kMaxStrikeIndex = 32;

// The strike of the bitmap font whose height is exactly `pixel_height`.
TTF_Font* OpenBitmapStrike(const std::string& path, int pixel_height) {
  int previous_height = -1;
  for (int index = 0; index <= kMaxStrikeIndex; ++index) {
    TTF_Font* font = TTF_OpenFont(path.c_str(), index);
    if (font == nullptr) return nullptr;
    const int height = TTF_FontHeight(font);
    if (height == pixel_height && TTF_FontFaceIsFixedWidth(font)) return font;
    TTF_CloseFont(font);
    // The strikes grow with the index; past the wanted height, or repeating the last, stop.
    if (height > pixel_height || height == previous_height) return nullptr;
    previous_height = height;
  }
  return nullptr;
}

// The scalable font at the largest size whose line height fits in `pixel_height`.
TTF_Font* OpenScalableFitting(const std::string& path, int pixel_height) {
  TTF_Font* font = TTF_OpenFont(path.c_str(), pixel_height);
  if (font == nullptr) return nullptr;
  for (int points = pixel_height; points > 1 && TTF_FontHeight(font) > pixel_height; --points) {
    if (TTF_SetFontSize(font, points - 1) != 0) break;
  }
  return font;
}

int Advance(TTF_Font* font) {
  int advance = 0;
  if (TTF_GlyphMetrics32(font, U'M', nullptr, nullptr, nullptr, nullptr, &advance) != 0) return 0;
  return advance;
}

}  // namespace

std::unique_ptr<CellFont> CellFont::Open(int pixel_height, const FontFiles& files,
                                         std::string* error) {
  std::unique_ptr<CellFont> cell_font(new CellFont());
  pixel_height = std::clamp(pixel_height, kFontSizes.front(), kFontSizes.back());

  // The faces in the order they are tried for the cells; the first that opens draws them, the
  // next that opens draws what it lacks.
  TTF_Font* bitmap = files.bitmap.empty() ? nullptr : OpenBitmapStrike(files.bitmap, pixel_height);
  std::vector<TTF_Font*> faces = {bitmap};
  for (const std::string* path : {&files.scalable, &files.fallback}) {
    if (!path->empty()) faces.push_back(OpenScalableFitting(*path, pixel_height));
  }
  std::erase_if(faces, [](TTF_Font* font) {
    if (font != nullptr && Advance(font) > 0) return false;
    if (font != nullptr) TTF_CloseFont(font);
    return true;
  });
  while (faces.size() > 2) {
    TTF_CloseFont(faces.back());
    faces.pop_back();
  }
  if (faces.empty()) {
    if (error) {
      std::string tried;
      for (const std::string* path : {&files.bitmap, &files.scalable, &files.fallback}) {
        if (!path->empty()) tried += (tried.empty() ? "" : ", ") + *path;
      }
      *error = "Не удалось открыть шрифт (" + tried + "): " + TTF_GetError();
    }
    return nullptr;
  }
  cell_font->primary_.font = faces[0];
  cell_font->bitmap_strike_ = bitmap != nullptr && faces[0] == bitmap;
  if (faces.size() > 1) cell_font->fallback_.font = faces[1];
  TTF_Font* primary = cell_font->primary_.font;

  cell_font->cell_width_ = Advance(primary);
  cell_font->cell_height_ = TTF_FontHeight(primary);
  cell_font->primary_.ascent = TTF_FontAscent(primary);
  cell_font->primary_.baseline = cell_font->primary_.ascent;
  if (TTF_Font* fallback = cell_font->fallback_.font) {
    // Letters of the other font stand on the same baseline, centred in the cell.
    cell_font->fallback_.ascent = TTF_FontAscent(fallback);
    cell_font->fallback_.baseline = cell_font->primary_.ascent;
    cell_font->fallback_.shift_x = (cell_font->cell_width_ - Advance(fallback)) / 2;
  }
  return cell_font;
}

CellFont::~CellFont() {
  if (primary_.font) TTF_CloseFont(primary_.font);
  if (fallback_.font) TTF_CloseFont(fallback_.font);
}

const CellFont::Face& CellFont::FaceFor(char32_t ch) const {
  if (fallback_.font && !TTF_GlyphIsProvided32(primary_.font, ch) &&
      TTF_GlyphIsProvided32(fallback_.font, ch)) {
    return fallback_;
  }
  // Characters neither font has show the primary font's missing-glyph box.
  return primary_;
}

void CellFont::DrawGlyph(char32_t ch, SDL_Surface* cell) const {
  SDL_FillRect(cell, nullptr, SDL_MapRGBA(cell->format, 255, 255, 255, 0));
  if (ch <= U' ' || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return;

  const Face& face = FaceFor(ch);
  int min_x = 0;
  int max_y = 0;
  if (TTF_GlyphMetrics32(face.font, ch, &min_x, nullptr, nullptr, &max_y, nullptr) != 0) return;
  SDL_Surface* glyph = TTF_RenderGlyph32_Blended(face.font, ch, SDL_Color{255, 255, 255, 255});
  if (glyph == nullptr) return;
  // The rendered surface starts at the glyph's left edge when that lies left of the pen, and at
  // its top when that rises above the ascent; otherwise at the pen and at the ascent line.
  const int pen_x = std::max(0, -min_x);
  const int baseline_y = std::max(face.ascent, max_y);
  SDL_Rect to{face.shift_x - pen_x, face.baseline - baseline_y, glyph->w, glyph->h};
  SDL_SetSurfaceBlendMode(glyph, SDL_BLENDMODE_NONE);
  SDL_BlitSurface(glyph, nullptr, cell, &to);  // the blit clips to the cell
  SDL_FreeSurface(glyph);
}

FontFiles FontFilesOf(FontFace face) {
  switch (face) {
    case FontFace::kTerminus:
      return FontFiles{kTerminusFile, kDejaVuMonoFile, ""};
    case FontFace::kPtMono:
      return FontFiles{"", kPtMonoFile, kDejaVuMonoFile};
    case FontFace::kDejaVuSansMono:
    default:
      return FontFiles{"", kDejaVuMonoFile, ""};
  }
}

int NextFontSize(int pixel_height, int step) {
  if (step > 0) {
    for (int size : kFontSizes) {
      if (size > pixel_height) return size;
    }
    return std::max(pixel_height, kFontSizes.back());
  }
  for (auto it = kFontSizes.rbegin(); it != kFontSizes.rend(); ++it) {
    if (*it < pixel_height) return *it;
  }
  return std::min(pixel_height, kFontSizes.front());
}

}  // namespace platform
