// Terminal colours: the grid's RGB colours as the colour numbers a terminal understands.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "platform/color.hpp"

namespace platform {

enum class ColorMode : uint8_t {
  kMonochrome,  // no colours: light-on-dark cells as they are, the rest in reverse video
  kEight,       // 8 colours; bright foregrounds by bold
  kSixteen,     // the 16 basic colours
  k256,         // the xterm 256-colour palette
  kDirect,      // 24-bit: the colour number is 0xRRGGBB
};

// What the probe and the log call the mode ("24 бита", "256 цветов", ...).
std::string_view ColorModeName(ColorMode mode);
// The mode for a terminal with this many colours (curses' COLORS).
ColorMode ColorModeFor(bool has_colors, int colors);

// A colour number with the bold attribute that 8-colour terminals need for bright colours.
struct TermColor {
  int number = -1;
  bool bold = false;

  friend bool operator==(const TermColor&, const TermColor&) = default;
};

TermColor MapForeground(ColorMode mode, Color color);
TermColor MapBackground(ColorMode mode, Color color);

// The colour number of a direct-colour terminal. Numbers below 256 may mean palette entries
// (below 8 in tmux-direct, below 256 in xterm-direct256), so near-blacks and blues get green 1.
int DirectColorNumber(Color color);
// The nearest entry 16..255 of the xterm palette; 0..15 are left out because users restyle them.
int NearestXterm256(Color color);
// The nearest of the 16 basic colours (Windows console values).
int NearestBasic16(Color color);
// The RGB value of an xterm palette entry (0..255).
Color Xterm256Color(int index);

// Colour pairs allocated on demand. Terminals have a limited number; when they run out the
// owner resets the cache and repaints.
class PairCache {
 public:
  explicit PairCache(int capacity) : capacity_(capacity) {}

  struct Slot {
    int pair = 0;
    bool is_new = false;  // the caller must define the pair
  };
  // The pair for a foreground and background colour number; nothing when all are taken.
  std::optional<Slot> Find(int fg, int bg);
  void Reset();
  int size() const { return static_cast<int>(pairs_.size()); }
  int capacity() const { return capacity_; }

 private:
  int capacity_;
  std::unordered_map<uint64_t, int> pairs_;
};

}  // namespace platform
