#include "platform/sdl/glyph_atlas.hpp"

#include <algorithm>

namespace platform {
namespace {

// Slots across and down: room for three to five thousand white glyphs.
constexpr int kSlotsAcross = 64;
constexpr int kSlotRowsDown = 32;
// Ready-coloured slots: a glyph and a background for every cell of a 100 x 45 screen whose cells
// all differ, and some over. The software renderer keeps its texture in memory: the atlas is no
// taller than they need (2048 x 1024, 8 MB, at 10 x 20 pixels; a square one would be 16 MB, most
// of the program's memory).
constexpr int kTintedSlots = 10000;
// Larger textures are slow to make and not every graphics card has them.
constexpr int kMaxSide = 2048;

int NextPowerOfTwo(int value) {
  int power = 1;
  while (power < value) power *= 2;
  return power;
}

}  // namespace

GlyphAtlas::~GlyphAtlas() { Release(); }

void GlyphAtlas::Release() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (cell_) SDL_FreeSurface(cell_);
  texture_ = nullptr;
  cell_ = nullptr;
  Forget();
}

bool GlyphAtlas::Reset(SDL_Renderer* renderer, const CellFont* font, bool tint_in_atlas,
                       std::string* error) {
  Release();
  renderer_ = renderer;
  font_ = font;
  tint_in_atlas_ = tint_in_atlas;
  cell_width_ = font->cell_width();
  cell_height_ = font->cell_height();

  // Power-of-two sides keep texture coordinates exact in floating point. The first row of cells
  // holds the white strip.
  if (tint_in_atlas) {
    width_ = kMaxSide;
    const int per_row = std::max(1, width_ / cell_width_);
    const int rows = (kTintedSlots + per_row - 1) / per_row;
    height_ = std::min(kMaxSide, NextPowerOfTwo((rows + 1) * cell_height_));
  } else {
    width_ = std::min(kMaxSide, NextPowerOfTwo(kSlotsAcross * cell_width_));
    height_ = std::min(kMaxSide, NextPowerOfTwo((kSlotRowsDown + 1) * cell_height_));
  }
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) == 0) {
    if (info.max_texture_width > 0) width_ = std::min(width_, info.max_texture_width);
    if (info.max_texture_height > 0) height_ = std::min(height_, info.max_texture_height);
  }
  texture_ = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width_,
                               height_);
  cell_ =
      SDL_CreateRGBSurfaceWithFormat(0, cell_width_, cell_height_, 32, SDL_PIXELFORMAT_ARGB8888);
  if (texture_ == nullptr || cell_ == nullptr) {
    if (error) *error = std::string("Не удалось создать текстуру знаков: ") + SDL_GetError();
    return false;
  }
  SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_BLEND);
  SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);

  const std::vector<uint32_t> white(static_cast<size_t>(width_) * cell_height_, 0xFFFFFFFFu);
  const SDL_Rect strip{0, 0, width_, cell_height_};
  SDL_UpdateTexture(texture_, &strip, white.data(), width_ * 4);
  return true;
}

void GlyphAtlas::Forget() {
  glyphs_.clear();
  others_.clear();
  tinted_.clear();
  direct_.assign(kDirectLimit, -1);
  next_slot_ = 0;
}

const AtlasGlyph* GlyphAtlas::FindTinted(char32_t ch, Color fg) {
  const uint64_t key = (uint64_t{ch} << 24) | ToPackedBgr(fg);
  if (auto it = tinted_.find(key); it != tinted_.end()) return &glyphs_[it->second];
  return AddTinted(key, ch, fg, false);
}

const AtlasGlyph* GlyphAtlas::FindSolid(Color bg) {
  const uint64_t key = (kSolidKey << 24) | ToPackedBgr(bg);
  if (auto it = tinted_.find(key); it != tinted_.end()) return &glyphs_[it->second];
  return AddTinted(key, 0, bg, true);
}

AtlasGlyph GlyphAtlas::Ink() const {
  int left = cell_width_;
  int right = -1;
  int top = cell_height_;
  int bottom = -1;
  for (int y = 0; y < cell_height_; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(cell_->pixels) +
                                                        static_cast<size_t>(y) * cell_->pitch);
    for (int x = 0; x < cell_width_; ++x) {
      if ((row[x] >> 24) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  AtlasGlyph glyph;
  if (right < 0) return glyph;
  glyph.cell_x = static_cast<int16_t>(left);
  glyph.cell_y = static_cast<int16_t>(top);
  glyph.width = static_cast<int16_t>(right - left + 1);
  glyph.height = static_cast<int16_t>(bottom - top + 1);
  return glyph;
}

bool GlyphAtlas::Store(AtlasGlyph* glyph) {
  if (glyph->width == 0) return true;  // blank: needs no slot
  // Slots start below the white strip.
  const int per_row = width_ / cell_width_;
  const int slot_x = (next_slot_ % per_row) * cell_width_;
  const int slot_y = cell_height_ + (next_slot_ / per_row) * cell_height_;
  if (slot_y + cell_height_ > height_) return false;
  ++next_slot_;
  const SDL_Rect slot{slot_x, slot_y, cell_width_, cell_height_};
  SDL_UpdateTexture(texture_, &slot, cell_->pixels, cell_->pitch);
  glyph->atlas_x = static_cast<int16_t>(slot_x + glyph->cell_x);
  glyph->atlas_y = static_cast<int16_t>(slot_y + glyph->cell_y);
  return true;
}

const AtlasGlyph* GlyphAtlas::Add(char32_t ch) {
  if (texture_ == nullptr) return nullptr;
  font_->DrawGlyph(ch, cell_);
  AtlasGlyph glyph = Ink();
  if (!Store(&glyph)) return nullptr;
  const auto index = static_cast<int32_t>(glyphs_.size());
  glyphs_.push_back(glyph);
  if (ch < kDirectLimit) {
    direct_[ch] = index;
  } else {
    others_[ch] = index;
  }
  return &glyphs_[index];
}

const AtlasGlyph* GlyphAtlas::AddTinted(uint64_t key, char32_t ch, Color colour, bool solid) {
  if (texture_ == nullptr) return nullptr;
  const uint32_t rgb = SDL_MapRGB(cell_->format, colour.r, colour.g, colour.b) & 0x00FFFFFFu;
  if (solid) {
    SDL_FillRect(cell_, nullptr, 0xFF000000u | rgb);
  } else {
    font_->DrawGlyph(ch, cell_);
    // Keep the coverage, take the colour.
    for (int y = 0; y < cell_height_; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(cell_->pixels) +
                                              static_cast<size_t>(y) * cell_->pitch);
      for (int x = 0; x < cell_width_; ++x) row[x] = (row[x] & 0xFF000000u) | rgb;
    }
  }
  AtlasGlyph glyph = Ink();
  if (!Store(&glyph)) return nullptr;
  const auto index = static_cast<int32_t>(glyphs_.size());
  glyphs_.push_back(glyph);
  tinted_[key] = index;
  return &glyphs_[index];
}

}  // namespace platform
