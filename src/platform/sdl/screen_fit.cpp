#include "platform/sdl/screen_fit.hpp"

#include <algorithm>
#include <cmath>

#include "platform/sdl/cell_font.hpp"

namespace platform {
namespace {

// Moves a span as little as possible into [area_start, area_start + area_length); a longer span
// starts where the area starts.
int SlideInto(int start, int length, int area_start, int area_length) {
  if (length >= area_length) return area_start;
  return std::clamp(start, area_start, area_start + area_length - length);
}

}  // namespace

WindowSize GridWindowSize(int columns, int rows, CellSize cell, double pixels_per_point) {
  const double scale = pixels_per_point > 0 ? pixels_per_point : 1.0;
  return WindowSize{static_cast<int>(std::ceil(columns * cell.width / scale)),
                    static_cast<int>(std::ceil(rows * cell.height / scale))};
}

bool FitsIn(WindowSize size, const ScreenRect& area) {
  return size.width <= area.width && size.height <= area.height;
}

WindowSize CutTo(WindowSize size, const ScreenRect& area) {
  return WindowSize{std::clamp(size.width, 1, std::max(area.width, 1)),
                    std::clamp(size.height, 1, std::max(area.height, 1))};
}

std::optional<FontStep> ChooseFontStep(
    int requested_px, int columns, int rows, const ScreenRect& usable, double pixels_per_point,
    const std::function<std::optional<CellSize>(int font_px)>& cell_of) {
  std::optional<FontStep> smallest;
  for (int px = requested_px;;) {
    if (const std::optional<CellSize> cell = cell_of(px)) {
      const WindowSize window = GridWindowSize(columns, rows, *cell, pixels_per_point);
      if (FitsIn(window, usable)) return FontStep{px, *cell, window, false};
      smallest = FontStep{px, *cell, window, false};
    }
    const int next = NextFontSize(px, -1);
    if (next == px) break;
    px = next;
  }
  if (smallest) {
    smallest->window = CutTo(smallest->window, usable);
    smallest->clamped = true;
  }
  return smallest;
}

ScreenRect MoveInside(const ScreenRect& window, const ScreenRect& area) {
  return ScreenRect{SlideInto(window.x, window.width, area.x, area.width),
                    SlideInto(window.y, window.height, area.y, area.height), window.width,
                    window.height};
}

ScreenRect CenterIn(WindowSize size, const ScreenRect& area) {
  const ScreenRect centred{area.x + (area.width - size.width) / 2,
                           area.y + (area.height - size.height) / 2, size.width, size.height};
  return MoveInside(centred, area);
}

}  // namespace platform
