// From the start of a fresh process to the first frame of the window, and the renderer SDL chose:
// a graphics card's renderer loads its driver only when it is made, so only a new process shows
// what a player waits for. scripts/measure-window.sh runs it under the displays to compare.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "platform/grid.hpp"
#include "platform/sdl/sdl_frontend.hpp"

int main() {
  const auto start = std::chrono::steady_clock::now();
  std::string error;
  auto frontend = platform::CreateSdlFrontend(platform::SdlOptions{}, &error);
  if (frontend == nullptr) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  // A full screen of text in varied colours, as the game's first screens are.
  constexpr char32_t kText[] = U"Залдрун: подземелье, деревня, болото. The hero @ # . < > ";
  const int columns = 100;
  const int rows = 45;
  platform::Grid grid(columns, rows);
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < columns; ++x) {
      const int i = y * columns + x;
      const auto c = static_cast<uint8_t>(80 + i * 37 % 176);
      grid.Put(x, y, kText[i % (std::size(kText) - 1)], platform::Color{c, 200, 120},
               platform::colors::kBlack);
    }
  }
  frontend->Present(grid);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(SDL_GetRenderer(platform::SdlWindowOf(*frontend)), &info);
  std::printf("first frame after %.1f ms, renderer %s, video driver %s\n", ms, info.name,
              SDL_GetCurrentVideoDriver());
  return 0;
}
