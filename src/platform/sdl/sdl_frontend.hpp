// Desktop window front end: SDL2 + SDL2_ttf, a glyph atlas and one draw call per frame.
#pragma once

#include <memory>
#include <string>

#include "platform/frontend.hpp"

namespace platform {

struct SdlOptions {
  int columns = 100;  // grid size the window is first opened for
  int rows = 45;
  // Font pixel height; 20 uses Terminus's native 10 x 20 glyphs.
  int font_px = 20;
  // Software renderer (tests and benchmarks under the dummy video driver).
  bool software = false;
};

// Opens the window. Returns nothing, with a message for the player in *error, when there is no
// display or the window cannot be made.
std::unique_ptr<Frontend> CreateSdlFrontend(const SdlOptions& options, std::string* error);

// True when a desktop display is reachable (DISPLAY or WAYLAND_DISPLAY set, or SDL_VIDEODRIVER
// names a driver).
bool DisplayAvailable();

}  // namespace platform
