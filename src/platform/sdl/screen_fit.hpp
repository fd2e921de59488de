// Fitting the window to the screen: which font step lets the whole grid show within the screen's
// usable area, how large the window is then, and where it may sit. Arithmetic only, no SDL.
#pragma once

#include <functional>
#include <optional>

namespace platform {

// One grid cell in window pixels.
struct CellSize {
  int width = 0;
  int height = 0;
};

// Window sizes, positions and screen areas are in points; a high-density screen has more than one
// pixel per point.
struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct WindowSize {
  int width = 0;
  int height = 0;
};

// The window, in points, that shows `columns` x `rows` cells of `cell` pixels.
WindowSize GridWindowSize(int columns, int rows, CellSize cell, double pixels_per_point);

// True when a window of `size` fits within `area`.
bool FitsIn(WindowSize size, const ScreenRect& area);

// `size` cut to `area` where it is larger (at least one point each way).
WindowSize CutTo(WindowSize size, const ScreenRect& area);

struct FontStep {
  int font_px = 0;
  CellSize cell;
  WindowSize window;     // the grid's window at this step, cut to the usable area
  bool clamped = false;  // the grid overflows the area even so: the window was cut
};

// Walks the font steps down from `requested_px` (the steps of Ctrl+-) and takes the first whose
// grid window fits in `usable`; when none does, the smallest, its window cut to `usable`.
// `cell_of` gives a step's cell size, or nothing when its font does not open; such steps are
// passed over. Nothing when no step opens.
std::optional<FontStep> ChooseFontStep(
    int requested_px, int columns, int rows, const ScreenRect& usable, double pixels_per_point,
    const std::function<std::optional<CellSize>(int font_px)>& cell_of);

// `window` moved as little as possible to lie within `area`; one larger than the area keeps its
// top-left corner in it, where the menu row and the messages are.
ScreenRect MoveInside(const ScreenRect& window, const ScreenRect& area);

// `size` centred in `area` (top-left aligned when larger).
ScreenRect CenterIn(WindowSize size, const ScreenRect& area);

}  // namespace platform
