#include "platform/terminal/terminal_colors.hpp"

#include <array>

namespace platform {
namespace {

// The Windows console's 16 colours: the game's own colours (navy, teal, light gray) are among
// them, so 16-colour terminals show them as their nearest named colour.
constexpr std::array<Color, 16> kBasic16 = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

constexpr std::array<int, 6> kCubeLevels = {0, 95, 135, 175, 215, 255};

// Squared distance weighted by the mean red ("redmean"): cheap and closer to the eye than plain
// RGB distance.
int Distance(Color a, Color b) {
  const int mean_r = (a.r + b.r) / 2;
  const int dr = a.r - b.r;
  const int dg = a.g - b.g;
  const int db = a.b - b.b;
  return (((512 + mean_r) * dr * dr) >> 8) + 4 * dg * dg + (((767 - mean_r) * db * db) >> 8);
}

int Luma(Color c) { return 299 * c.r + 587 * c.g + 114 * c.b; }

// Index of the nearest candidate. Ties go to the brighter one, so a dark gray text between
// black and gray stays visible on black.
template <typename ColorOf>
int Nearest(Color color, int first, int last, ColorOf color_of) {
  int best = first;
  int best_distance = Distance(color, color_of(first));
  for (int i = first + 1; i <= last; ++i) {
    const Color candidate = color_of(i);
    const int distance = Distance(color, candidate);
    if (distance < best_distance ||
        (distance == best_distance && Luma(candidate) > Luma(color_of(best)))) {
      best = i;
      best_distance = distance;
    }
  }
  return best;
}

}  // namespace

std::string_view ColorModeName(ColorMode mode) {
  switch (mode) {
    case ColorMode::kMonochrome:
      return "без цвета";
    case ColorMode::kEight:
      return "8 цветов";
    case ColorMode::kSixteen:
      return "16 цветов";
    case ColorMode::k256:
      return "256 цветов";
    case ColorMode::kDirect:
      return "24 бита";
  }
  return "?";
}

ColorMode ColorModeFor(bool has_colors, int colors) {
  if (!has_colors || colors < 8) return ColorMode::kMonochrome;
  if (colors >= 0x1000000) return ColorMode::kDirect;
  if (colors >= 256) return ColorMode::k256;
  if (colors >= 16) return ColorMode::kSixteen;
  return ColorMode::kEight;
}

Color Xterm256Color(int index) {
  if (index < 16) return kBasic16[index & 15];
  if (index < 232) {
    const int cube = index - 16;
    return Color{static_cast<uint8_t>(kCubeLevels[cube / 36]),
                 static_cast<uint8_t>(kCubeLevels[cube / 6 % 6]),
                 static_cast<uint8_t>(kCubeLevels[cube % 6])};
  }
  const auto level = static_cast<uint8_t>(8 + 10 * (index - 232));
  return Color{level, level, level};
}

int DirectColorNumber(Color color) {
  int number = (color.r << 16) | (color.g << 8) | color.b;
  if (number < 256) number |= 0x100;
  return number;
}

int NearestXterm256(Color color) { return Nearest(color, 16, 255, Xterm256Color); }

int NearestBasic16(Color color) {
  return Nearest(color, 0, 15, [](int i) { return kBasic16[i]; });
}

TermColor MapForeground(ColorMode mode, Color color) {
  switch (mode) {
    case ColorMode::kMonochrome:
      return {};
    case ColorMode::kEight: {
      const int basic = NearestBasic16(color);
      return {basic & 7, basic >= 8};
    }
    case ColorMode::kSixteen:
      return {NearestBasic16(color), false};
    case ColorMode::k256:
      return {NearestXterm256(color), false};
    case ColorMode::kDirect:
      return {DirectColorNumber(color), false};
  }
  return {};
}

TermColor MapBackground(ColorMode mode, Color color) {
  // Bold does not brighten a background: the eight dark colours stand in for the bright ones.
  if (mode == ColorMode::kEight) return {NearestBasic16(color) & 7, false};
  return MapForeground(mode, color);
}

std::optional<PairCache::Slot> PairCache::Find(int fg, int bg) {
  const uint64_t key =
      (static_cast<uint64_t>(static_cast<uint32_t>(fg)) << 32) | static_cast<uint32_t>(bg);
  if (auto it = pairs_.find(key); it != pairs_.end()) return Slot{it->second, false};
  if (size() >= capacity_) return std::nullopt;
  // Pair 0 is the terminal's default colours and cannot be redefined.
  const int pair = size() + 1;
  pairs_.emplace(key, pair);
  return Slot{pair, true};
}

void PairCache::Reset() { pairs_.clear(); }

}  // namespace platform
