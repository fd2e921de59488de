// The window front end under the dummy video driver: what it draws (read back from screenshots),
// the window keys, and keys and clicks arriving through SDL's real event queue.
#include "platform/sdl/sdl_frontend.hpp"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/key_fields.hpp"
#include "platform/sdl_events.hpp"
#include "platform/sdl_png_reader.hpp"
#include "support/temp_folder.hpp"

namespace platform {
namespace {

using testing::DecodedPng;
using testing::KeyDown;
using testing::Rgb;
using testing::Text;

constexpr Rgb kBlackPixel{0, 0, 0};

Rgb PixelOf(Color color) { return Rgb{color.r, color.g, color.b}; }

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~ScopedEnv() { Set(old_ ? old_->c_str() : nullptr); }

 private:
  void Set(const char* value) { value ? setenv(name_, value, 1) : unsetenv(name_); }

  const char* name_;
  std::optional<std::string> old_;
};

// Puts events into SDL's real queue, where the window reads them.
void Push(std::initializer_list<SDL_Event> events) {
  for (SDL_Event event : events) ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

const SDL_Event kEscape = KeyDown(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);

class SdlFrontendTest : public ::testing::Test {
 protected:
  // The window's sizes are pinned on Terminus's exact strikes (with DejaVu Sans Mono, the default
  // face, at the other sizes), unless a test names its fonts.
  std::unique_ptr<Frontend> Open(SdlOptions options = {}) {
    if (options.bitmap_font.empty()) options.bitmap_font = kTerminusFile;
    std::string error;
    std::unique_ptr<Frontend> frontend = CreateSdlFrontend(options, &error);
    if (frontend == nullptr) throw std::runtime_error(error);  // fails the test
    return frontend;
  }

  DecodedPng Shot(Frontend& frontend) {
    const std::string path = (folder_ / ("shot" + std::to_string(++shots_) + ".png")).string();
    std::string error;
    EXPECT_TRUE(SaveSdlScreenshot(frontend, path, &error)) << error;
    std::optional<DecodedPng> png = testing::ReadPng(path, &error);
    EXPECT_TRUE(png.has_value()) << error;
    return png.value_or(DecodedPng{});
  }

  // How many pixels of grid cell (x, y) have the colour.
  static int CountInCell(const DecodedPng& png, CellSize cell, int x, int y, Color colour) {
    int count = 0;
    for (int py = y * cell.height; py < (y + 1) * cell.height; ++py) {
      for (int px = x * cell.width; px < (x + 1) * cell.width; ++px) {
        count += png.At(px, py) == PixelOf(colour);
      }
    }
    return count;
  }

  ScopedEnv video_{"SDL_VIDEODRIVER", "dummy"};
  zaldrun::testing::TempFolder folder_;
  int shots_ = 0;
};

// Cells in their colours, and box-drawing lines that run on across cell borders without a gap,
// with the bitmap font and with the scalable one (whose glyphs stick out of the cell and are cut).
TEST_F(SdlFrontendTest, DrawsCellsInTheirColoursAndBoxLinesThatJoin) {
  for (int px : {20, 36}) {
    SCOPED_TRACE(px);
    auto frontend = Open(SdlOptions{.columns = 12, .rows = 8, .font_px = px});
    Grid grid(12, 8);
    grid.Frame(1, 1, 8, 5, colors::kWhite, colors::kBlack);  // corners at columns 1, 8; rows 1, 5
    grid.Put(10, 1, U' ', colors::kWhite, colors::kRed);
    grid.Put(10, 3, U'Ж', colors::kYellow, colors::kNavy);
    grid.Put(10, 5, U'★', colors::kGreen, colors::kBlack);  // from the scalable font
    frontend->Present(grid);
    const CellSize cell = CellPixelSize(*frontend);
    const DecodedPng png = Shot(*frontend);
    ASSERT_EQ(png.width, 12 * cell.width);  // the window fitted itself to the grid
    ASSERT_EQ(png.height, 8 * cell.height);

    const int area = cell.width * cell.height;
    EXPECT_EQ(CountInCell(png, cell, 11, 0, colors::kBlack), area);
    EXPECT_EQ(CountInCell(png, cell, 10, 1, colors::kRed), area);
    const int ink = CountInCell(png, cell, 10, 3, colors::kYellow);
    EXPECT_GT(ink, 15);
    EXPECT_GT(CountInCell(png, cell, 10, 5, colors::kGreen), 2);  // antialiased: few exact pixels
    EXPECT_EQ(CountInCell(png, cell, 11, 5, colors::kBlack), area);
    if (px == 20) {
      // The bitmap font's 10 x 20 cells have no grey edges: exactly the cell's two colours.
      EXPECT_EQ(cell.width, 10);
      EXPECT_EQ(ink + CountInCell(png, cell, 10, 3, colors::kNavy), area);
    }

    // The first lit row of a '─' cell and the first lit column of a '│' cell carry the lines.
    auto lit = [&](int x, int y) { return png.At(x, y).r > 200; };
    int line_y = cell.height;
    while (line_y < 2 * cell.height && !lit(3 * cell.width + cell.width / 2, line_y)) ++line_y;
    int line_x = cell.width;
    while (line_x < 2 * cell.width && !lit(line_x, 3 * cell.height + cell.height / 2)) ++line_x;
    const int right_x = line_x + 7 * cell.width;  // the right side's line, seven cells on
    const int bottom_y = line_y + 4 * cell.height;
    for (int x = line_x; x <= right_x; ++x) {
      ASSERT_TRUE(lit(x, line_y) && lit(x, bottom_y)) << "gap in a horizontal line at x " << x;
    }
    for (int y = line_y; y <= bottom_y; ++y) {
      ASSERT_TRUE(lit(line_x, y) && lit(right_x, y)) << "gap in a vertical line at y " << y;
    }
    // Nothing sticks out past the corner.
    EXPECT_FALSE(lit(line_x, line_y - cell.height / 2));
    EXPECT_FALSE(lit(line_x - cell.width / 2, line_y));
  }
}

TEST_F(SdlFrontendTest, CtrlPlusAndMinusResizeCellsAndWindowButNeverReachTheGame) {
  auto frontend = Open(SdlOptions{.columns = 30, .rows = 10});
  Grid grid(30, 10);
  grid.Put(0, 0, U'д', colors::kWhite, colors::kBlack);
  frontend->Present(grid);

  // Ctrl with '=' or '+' and '-' (main row or keypad) are window keys; their text too.
  Push({KeyDown(SDL_SCANCODE_EQUALS, SDLK_EQUALS, KMOD_LCTRL), Text("="), kEscape});
  EXPECT_EQ(frontend->NextKey().code, keys::kEscape);
  CellSize cell = CellPixelSize(*frontend);
  EXPECT_EQ(cell.width, 11);
  EXPECT_EQ(cell.height, 22);
  const DecodedPng png = Shot(*frontend);
  EXPECT_EQ(png.width, 30 * cell.width);
  EXPECT_EQ(png.height, 10 * cell.height);
  EXPECT_GT(CountInCell(png, cell, 0, 0, colors::kWhite), 10);  // glyphs redrawn at the new size

  Push({KeyDown(SDL_SCANCODE_MINUS, SDLK_MINUS, KMOD_RCTRL), Text("-"),
        KeyDown(SDL_SCANCODE_KP_MINUS, SDLK_KP_MINUS, KMOD_RCTRL),
        KeyDown(SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, KMOD_LCTRL), Text("+"),
        KeyDown(SDL_SCANCODE_MINUS, SDLK_MINUS, KMOD_LCTRL), KeyDown(SDL_SCANCODE_A, SDLK_a),
        Text("a"), testing::Quit()});
  EXPECT_EQ(frontend->NextKey().ch, U'a');
  EXPECT_EQ(frontend->NextKey().kind, KeyKind::kCloseRequest);
  EXPECT_EQ(CellPixelSize(*frontend).height, 18);  // 22, 20, 18, 20, 18
  EXPECT_EQ(Shot(*frontend).height, 10 * 18);
}

// The dummy driver's screen is 1024 x 768, too small for the game's 100 x 45 cells at 20 pixels.
// (A grid that no step fits gets a window cut to the screen: sdl_screen_fit_test.)
TEST_F(SdlFrontendTest, OnASmallScreenTheWholeWindowStaysOnTheScreen) {
  auto frontend = Open();  // 100 x 45 cells at 20 pixels asked for
  SDL_Window* window = SdlWindowOf(*frontend);
  SDL_Rect screen{};
  ASSERT_EQ(SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window), &screen), 0);
  ASSERT_EQ(screen.h, 768);
  const auto expect_on_screen = [&](int width, int height) {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, width);
    EXPECT_EQ(h, height);
    EXPECT_GE(x, screen.x);
    EXPECT_GE(y, screen.y);
    EXPECT_LE(x + w, screen.x + screen.w);
    EXPECT_LE(y + h, screen.y + screen.h);
  };
  // 16 pixels is the largest step that fits: 45 rows of 18 would be 810 high.
  EXPECT_EQ(CellPixelSize(*frontend).height, 16);
  expect_on_screen(100 * 8, 45 * 16);
  Grid grid(100, 45);
  grid.Put(0, 0, U'Ж', colors::kWhite, colors::kBlack);  // where the menu row starts
  grid.Put(99, 44, U'Ж', colors::kWhite, colors::kBlack);
  frontend->Present(grid);
  const DecodedPng png = Shot(*frontend);
  EXPECT_EQ(png.width, 800);
  EXPECT_EQ(png.height, 720);
  EXPECT_GT(CountInCell(png, CellPixelSize(*frontend), 0, 0, colors::kWhite), 5);
  EXPECT_GT(CountInCell(png, CellPixelSize(*frontend), 99, 44, colors::kWhite), 5);

  // The font does not grow past the screen, in a window or in full screen. It shrinks in full
  // screen, and leaving full screen gives a window for the new size.
  const SDL_Event larger = KeyDown(SDL_SCANCODE_EQUALS, SDLK_EQUALS, KMOD_LCTRL);
  const SDL_Event smaller = KeyDown(SDL_SCANCODE_MINUS, SDLK_MINUS, KMOD_LCTRL);
  const SDL_Event full_screen = KeyDown(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT);
  Push({larger, full_screen, larger, smaller, full_screen, kEscape});
  EXPECT_EQ(frontend->NextKey().code, keys::kEscape);
  EXPECT_FALSE(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN);
  EXPECT_EQ(CellPixelSize(*frontend).height, 14);
  expect_on_screen(100 * 8, 45 * 14);
}

TEST_F(SdlFrontendTest, SleepKeepsTheKeysPressedMeanwhileAndBeepNeverFails) {
  ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
  auto frontend = Open();
  Push({KeyDown(SDL_SCANCODE_B, SDLK_b), Text("b")});
  const Uint64 start = SDL_GetTicks64();
  frontend->SleepMs(30);
  EXPECT_GE(SDL_GetTicks64() - start, 30u);
  EXPECT_EQ(frontend->NextKey().ch, U'b');
  frontend->Beep();
  frontend->Beep();
}

// A desktop's SIGTERM at log-out (or SIGHUP, SIGINT) is a hang-up, never the close button's
// question: the wait for a key ends within a second, and so does every pause after it.
TEST_F(SdlFrontendTest, EndSignalsEndTheWaitWithoutAQuestion) {
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    auto frontend = Open();
    const Uint64 start = SDL_GetTicks64();
    std::jthread sender([signal] {
      SDL_Delay(50);
      kill(getpid(), signal);
    });
    EXPECT_EQ(frontend->NextKey().kind, KeyKind::kHangup) << signal;
    frontend->SleepMs(5000);
    EXPECT_LT(SDL_GetTicks64() - start, 1000u) << signal;
  }
}

TEST_F(SdlFrontendTest, ResizedAndFullScreenWindowsCentreTheGridAndMapClicks) {
  auto frontend = Open(SdlOptions{.columns = 10, .rows = 5});
  Grid grid(10, 5);
  grid.Clear(colors::kTeal);
  frontend->Present(grid);

  SDL_SetWindowSize(SdlWindowOf(*frontend), 100 + 40, 100 + 30);
  frontend->SleepMs(0);  // the window handles its resize
  const DecodedPng png = Shot(*frontend);
  ASSERT_EQ(png.width, 140);
  ASSERT_EQ(png.height, 130);
  const Rgb teal = PixelOf(colors::kTeal);
  EXPECT_EQ(png.At(19, 14), kBlackPixel);
  EXPECT_EQ(png.At(20, 15), teal);
  EXPECT_EQ(png.At(119, 114), teal);
  EXPECT_EQ(png.At(120, 115), kBlackPixel);
  // The first click is in the black border: nothing.
  Push({testing::MouseDown(5, 5), testing::MouseDown(20 + 25, 15 + 45), kEscape});
  EXPECT_EQ(testing::Fields(frontend->NextKey()), "click code=0 ch=U+0000 cp1251=0 x=2 y=2");
  EXPECT_EQ(frontend->NextKey().code, keys::kEscape);

  // Alt+Enter stays with the window: full screen, the whole grid as large as the screen takes it
  // (the largest step) in its middle, and back.
  Push({KeyDown(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT), kEscape});
  EXPECT_EQ(frontend->NextKey().code, keys::kEscape);
  EXPECT_TRUE(SDL_GetWindowFlags(SdlWindowOf(*frontend)) & SDL_WINDOW_FULLSCREEN);
  const DecodedPng full = Shot(*frontend);
  const CellSize large = CellPixelSize(*frontend);
  ASSERT_GT(full.width, 140);
  EXPECT_EQ(large.height, 40);
  const int half_w = 5 * large.width;
  const int half_h = 5 * large.height / 2;
  const int mid_x = full.width / 2;
  const int mid_y = full.height / 2;
  EXPECT_EQ(full.At(mid_x - half_w, mid_y - half_h), teal) << "the grid's first cell";
  EXPECT_EQ(full.At(mid_x + half_w - 1, mid_y + half_h - 1), teal) << "its last";
  EXPECT_EQ(full.At(mid_x - half_w - 1, mid_y), kBlackPixel);
  EXPECT_EQ(full.At(mid_x + half_w + 1, mid_y), kBlackPixel);
  Push({KeyDown(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, KMOD_RALT), kEscape});
  EXPECT_EQ(frontend->NextKey().code, keys::kEscape);
  EXPECT_FALSE(SDL_GetWindowFlags(SdlWindowOf(*frontend)) & SDL_WINDOW_FULLSCREEN);
  // The font it had, and the size the player gave it.
  const DecodedPng back = Shot(*frontend);
  EXPECT_EQ(back.width, 140);
  EXPECT_EQ(back.height, 130);
}

TEST_F(SdlFrontendTest, OpeningFailsWithAMessageInsteadOfCrashing) {
  std::string error;
  {
    ScopedEnv driver("SDL_VIDEODRIVER", "no-such-driver");
    EXPECT_EQ(CreateSdlFrontend(SdlOptions{}, &error), nullptr);
    EXPECT_NE(error.find("Не удалось открыть окно"), std::string::npos) << error;
    EXPECT_NE(error.find("zaldrun --terminal"), std::string::npos) << error;
  }
  const SdlOptions no_fonts{.bitmap_font = (folder_ / "none.otb").string(),
                            .scalable_font = (folder_ / "none.ttf").string(),
                            .fallback_font = (folder_ / "none.ttf").string()};
  EXPECT_EQ(CreateSdlFrontend(no_fonts, &error), nullptr);
  EXPECT_NE(error.find("шрифт"), std::string::npos) << error;
  // Without the bitmap font the scalable one serves; and a window opens after the failures.
  EXPECT_NE(Open(SdlOptions{.bitmap_font = no_fonts.bitmap_font}), nullptr);
}

}  // namespace
}  // namespace platform
