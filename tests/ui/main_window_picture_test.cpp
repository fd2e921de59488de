// The main window in a real window (the dummy video driver), read back from a screenshot.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/sdl/sdl_frontend.hpp"
#include "platform/sdl_png_reader.hpp"
#include "model/game.hpp"
#include "support/temp_folder.hpp"
#include "ui/layout.hpp"
#include "ui/main_window.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {
namespace {

using platform::testing::Rgb;

Rgb ToRgb(platform::Color c) { return Rgb{c.r, c.g, c.b}; }

TEST(MainWindowPicture, TheWindowShowsTheMainWindow) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  std::string error;
  platform::SdlOptions options;
  auto frontend = platform::CreateSdlFrontend(options, &error);
  ASSERT_NE(frontend, nullptr) << error;

  testing::TempFolder folder;
  auto game = std::make_unique<Game>();
  game->session.folder = folder.path();
  Screen screen(*frontend);
  game->session.io = &screen;
  MainWindow window(*game, screen);
  frontend->SetTitle(MainWindow::kCaption);
  screen.Push(&window);
  screen.Present();

  EXPECT_STREQ(SDL_GetWindowTitle(platform::SdlWindowOf(*frontend)), "Залдрун");
  const std::string png = (folder / "main.png").string();
  ASSERT_TRUE(platform::SaveSdlScreenshot(*frontend, png, &error)) << error;
  const auto picture = platform::testing::ReadPng(png, &error);
  ASSERT_TRUE(picture) << error;
  const platform::CellSize cell = platform::CellPixelSize(*frontend);
  ASSERT_GT(cell.width, 0);
  EXPECT_EQ(picture->width, cell.width * layout::kGridWidth);
  EXPECT_EQ(picture->height, cell.height * layout::kGridHeight);

  // The menu row is drawn in the menu colour, with light letters on it; the map area is black.
  auto pixels_of = [&](int col, int row, Rgb colour) {
    int count = 0;
    for (int y = row * cell.height; y < (row + 1) * cell.height; ++y) {
      for (int x = col * cell.width; x < (col + 1) * cell.width; ++x) {
        if (picture->At(x, y) == colour) ++count;
      }
    }
    return count;
  };
  const int area = cell.width * cell.height;
  EXPECT_EQ(pixels_of(0, layout::kMenuRow, ToRgb(ui::palette::kMenuBg)), area);
  const int letter_column = 2;  // the "Н" of "Начать Игру"
  EXPECT_GT(pixels_of(letter_column, layout::kMenuRow, ToRgb(ui::palette::kWindowFg)), 3);
  EXPECT_EQ(pixels_of(40, layout::kMapTop + 20, Rgb{0, 0, 0}), area);
  // The caption "HP:" of the status panel in its grey.
  EXPECT_GT(pixels_of(layout::kPanelLeft, layout::kStatusTop, Rgb{160, 160, 160}), 3);
}

}  // namespace
}  // namespace zaldrun
