// Desktop window front end: SDL2 + SDL2_ttf, a glyph atlas and one draw call per frame.
#pragma once

#include <memory>
#include <string>

#include "platform/frontend.hpp"
#include "platform/sdl/cell_font.hpp"
#include "platform/sdl/screen_fit.hpp"

struct SDL_Window;

namespace platform {

struct SdlOptions {
  int columns = 100;  // grid size the window is first opened for
  int rows = 45;
  // Font pixel height. On a screen too small for the grid at this size the window opens with the
  // largest smaller step that fits.
  int font_px = 20;
  // The fonts (FontFiles): a bitmap font with its built-in sizes (none by default), the scalable
  // font for other sizes, and one for characters the first lacks. The default, DejaVu Sans Mono,
  // draws Cyrillic as print does, has every glyph the game shows, and its box lines join from
  // cell to cell (PT Mono's leave gaps).
  std::string bitmap_font;
  std::string scalable_font = kDejaVuMonoFile;
  std::string fallback_font;
};

// Opens the window. Returns nothing, with a message for the player in *error, when there is no
// display or the window cannot be made.
std::unique_ptr<Frontend> CreateSdlFrontend(const SdlOptions& options, std::string* error);

// True when a desktop display is reachable (DISPLAY or WAYLAND_DISPLAY set, or SDL_VIDEODRIVER
// names a driver).
bool DisplayAvailable();

// Saves what the window shows as a PNG file. False, with a message in *error, when the front end
// is not a window or the picture cannot be read back or written.
bool SaveSdlScreenshot(Frontend& frontend, const std::string& png_path, std::string* error);

// The size of one grid cell in window pixels ({0, 0} for a front end that is not a window).
CellSize CellPixelSize(Frontend& frontend);

// The SDL window of the front end (tests resize it as a player would); null for other front ends.
SDL_Window* SdlWindowOf(Frontend& frontend);

}  // namespace platform
