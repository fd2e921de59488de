// The window front end under the dummy video driver: what it draws (read back from screenshots),
// the window keys, and keys and clicks arriving through SDL's real event queue.
#include "platform/sdl/sdl_frontend.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "platform/headless/headless_frontend.hpp"
#include "platform/sdl_png_reader.hpp"
#include "support/temp_folder.hpp"

namespace platform {
namespace {

using testing::DecodedPng;
using testing::Rgb;

constexpr Rgb kWhitePixel{255, 255, 255};
constexpr Rgb kBlackPixel{0, 0, 0};

Rgb PixelOf(Color color) { return Rgb{color.r, color.g, color.b}; }

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

void PushKeyDown(SDL_Scancode scancode, SDL_Keycode sym, uint16_t mod = KMOD_NONE) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.state = SDL_PRESSED;
  event.key.keysym.scancode = scancode;
  event.key.keysym.sym = sym;
  event.key.keysym.mod = mod;
  ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

void PushText(const char* utf8) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  std::strncpy(event.text.text, utf8, sizeof(event.text.text) - 1);
  ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

void PushClick(int x, int y) {
  SDL_Event event{};
  event.type = SDL_MOUSEBUTTONDOWN;
  event.button.button = SDL_BUTTON_LEFT;
  event.button.state = SDL_PRESSED;
  event.button.x = x;
  event.button.y = y;
  ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

class SdlFrontendTest : public ::testing::Test {
 protected:
  std::unique_ptr<Frontend> Open(SdlOptions options = {}) {
    options.software = true;
    std::string error;
    std::unique_ptr<Frontend> frontend = CreateSdlFrontend(options, &error);
    EXPECT_NE(frontend, nullptr) << error;
    return frontend;
  }

  DecodedPng Shot(Frontend& frontend) {
    const std::string path = (folder_ / ("shot" + std::to_string(++shots_) + ".png")).string();
    std::string error;
    EXPECT_TRUE(SaveSdlScreenshot(frontend, path, &error)) << error;
    std::optional<DecodedPng> png = testing::ReadStoredPng(path, &error);
    EXPECT_TRUE(png.has_value()) << error;
    return png.value_or(DecodedPng{});
  }

  // How many pixels of grid cell (x, y) have the colour; the grid starts at (origin_x, origin_y).
  static int CountInCell(const DecodedPng& png, CellSize cell, int x, int y, Rgb colour,
                         int origin_x = 0, int origin_y = 0) {
    int count = 0;
    for (int py = 0; py < cell.height; ++py) {
      for (int px = 0; px < cell.width; ++px) {
        if (png.At(origin_x + x * cell.width + px, origin_y + y * cell.height + py) == colour) {
          ++count;
        }
      }
    }
    return count;
  }

  ScopedEnv video_{"SDL_VIDEODRIVER", "dummy"};
  zaldrun::testing::TempFolder folder_;
  int shots_ = 0;
};

TEST_F(SdlFrontendTest, DrawsBackgroundsAndGlyphsInTheirColours) {
  auto frontend = Open();
  ASSERT_NE(frontend, nullptr);
  Grid grid(20, 6);
  grid.Put(1, 1, U' ', colors::kWhite, colors::kRed);
  grid.Put(2, 1, U'Ж', colors::kYellow, colors::kNavy);
  grid.Put(3, 1, U'@', colors::kGreen, colors::kBlack);
  frontend->Present(grid);

  const CellSize cell = CellPixelSize(*frontend);
  ASSERT_EQ(cell.width, 10);
  ASSERT_EQ(cell.height, 20);
  const int area = cell.width * cell.height;
  const DecodedPng png = Shot(*frontend);
  // The window fitted itself to the 20 x 6 grid.
  ASSERT_EQ(png.width, 20 * cell.width);
  ASSERT_EQ(png.height, 6 * cell.height);

  EXPECT_EQ(CountInCell(png, cell, 0, 0, kBlackPixel), area);
  EXPECT_EQ(CountInCell(png, cell, 1, 1, PixelOf(colors::kRed)), area);
  // The bitmap font has no grey edges: the cell holds exactly its two colours.
  const int ink = CountInCell(png, cell, 2, 1, PixelOf(colors::kYellow));
  EXPECT_GT(ink, 15);
  EXPECT_EQ(ink + CountInCell(png, cell, 2, 1, PixelOf(colors::kNavy)), area);
  EXPECT_GT(CountInCell(png, cell, 3, 1, PixelOf(colors::kGreen)), 15);
  EXPECT_EQ(CountInCell(png, cell, 4, 1, kBlackPixel), area);
}

TEST_F(SdlFrontendTest, MapGlyphsLettersAndFallbackCharactersAllShow) {
  auto frontend = Open();
  ASSERT_NE(frontend, nullptr);
  // ★ and ∑ are missing from Terminus and come from DejaVu Sans Mono.
  const std::u32string text = U"¦†„‡ћ§дЖЁё─│┌┐└┘★∑";
  Grid grid(static_cast<int>(text.size()), 1);
  for (int x = 0; x < grid.width(); ++x) grid.Put(x, 0, text[x], colors::kWhite, colors::kBlack);
  frontend->Present(grid);
  const CellSize cell = CellPixelSize(*frontend);
  const DecodedPng png = Shot(*frontend);
  for (int x = 0; x < grid.width(); ++x) {
    EXPECT_GT(CountInCell(png, cell, x, 0, kWhitePixel), 2) << "character " << x;
  }
}

// Box-drawing lines must run on across cell borders without a gap, with the bitmap font and with
// the scalable one (whose glyphs stick out of the cell and are cut).
class SdlBoxLines : public SdlFrontendTest, public ::testing::WithParamInterface<int> {};

TEST_P(SdlBoxLines, JoinAcrossCellBorders) {
  SdlOptions options;
  options.font_px = GetParam();
  auto frontend = Open(options);
  ASSERT_NE(frontend, nullptr);
  Grid grid(12, 8);
  grid.Frame(1, 1, 8, 5, colors::kWhite, colors::kBlack);  // corners at columns 1, 8; rows 1, 5
  frontend->Present(grid);
  const CellSize cell = CellPixelSize(*frontend);
  const DecodedPng png = Shot(*frontend);

  // The line runs through the brightest row of a '─' cell and the brightest column of a '│'.
  auto lit = [&](int px, int py) { return png.At(px, py).r > 200; };
  int line_y = 0;
  int best = -1;
  for (int py = cell.height; py < 2 * cell.height; ++py) {
    int count = 0;
    for (int px = 3 * cell.width; px < 4 * cell.width; ++px) count += lit(px, py);
    if (count > best) best = count, line_y = py;
  }
  int line_x = 0;
  best = -1;
  for (int px = cell.width; px < 2 * cell.width; ++px) {
    int count = 0;
    for (int py = 3 * cell.height; py < 4 * cell.height; ++py) count += lit(px, py);
    if (count > best) best = count, line_x = px;
  }
  const int right_x = line_x + 7 * cell.width;  // the right side's line, seven cells on
  const int bottom_y = line_y + 4 * cell.height;

  for (int px = line_x; px <= right_x; ++px) {
    ASSERT_TRUE(lit(px, line_y)) << "gap in the top line at x " << px;
    ASSERT_TRUE(lit(px, bottom_y)) << "gap in the bottom line at x " << px;
  }
  for (int py = line_y; py <= bottom_y; ++py) {
    ASSERT_TRUE(lit(line_x, py)) << "gap in the left line at y " << py;
    ASSERT_TRUE(lit(right_x, py)) << "gap in the right line at y " << py;
  }
  // Nothing sticks out past the corners.
  EXPECT_FALSE(lit(line_x - 3, line_y - 3));
  EXPECT_FALSE(lit(line_x, line_y - cell.height / 2));
  EXPECT_FALSE(lit(line_x - cell.width / 2, line_y));
}

INSTANTIATE_TEST_SUITE_P(SdlFonts, SdlBoxLines, ::testing::Values(20, 12, 36));

TEST_F(SdlFrontendTest, CtrlPlusAndMinusResizeCellsAndWindowButNeverReachTheGame) {
  auto frontend = Open();
  ASSERT_NE(frontend, nullptr);
  Grid grid(30, 10);
  grid.Put(0, 0, U'д', colors::kWhite, colors::kBlack);
  frontend->Present(grid);
  ASSERT_EQ(CellPixelSize(*frontend).height, 20);

  PushKeyDown(SDL_SCANCODE_EQUALS, SDLK_EQUALS, KMOD_LCTRL);
  PushText("=");
  PushKeyDown(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
  EXPECT_EQ(frontend->NextKey().code, keys::kEscape);
  CellSize cell = CellPixelSize(*frontend);
  EXPECT_EQ(cell.width, 11);
  EXPECT_EQ(cell.height, 22);
  DecodedPng png = Shot(*frontend);
  EXPECT_EQ(png.width, 30 * cell.width);
  EXPECT_EQ(png.height, 10 * cell.height);
  EXPECT_GT(CountInCell(png, cell, 0, 0, kWhitePixel), 10);  // glyphs redrawn at the new size

  PushKeyDown(SDL_SCANCODE_MINUS, SDLK_MINUS, KMOD_RCTRL);
  PushKeyDown(SDL_SCANCODE_KP_MINUS, SDLK_KP_MINUS, KMOD_RCTRL);
  PushKeyDown(SDL_SCANCODE_A, SDLK_a);
  PushText("a");
  const Key key = frontend->NextKey();
  EXPECT_EQ(key.ch, U'a');
  cell = CellPixelSize(*frontend);
  EXPECT_EQ(cell.height, 18);
  png = Shot(*frontend);
  EXPECT_EQ(png.height, 10 * 18);
}

TEST_F(SdlFrontendTest, FontStopsGrowingWhenTheGridWouldNotFitTheScreen) {
  auto frontend = Open();
  ASSERT_NE(frontend, nullptr);
  // 100 x 45 cells of 10 x 20 already overflow the dummy driver's 1024 x 768 screen.
  frontend->Present(Grid(100, 45));
  PushKeyDown(SDL_SCANCODE_EQUALS, SDLK_EQUALS, KMOD_LCTRL);
  PushKeyDown(SDL_SCANCODE_MINUS, SDLK_MINUS, KMOD_LCTRL);
  PushKeyDown(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
  EXPECT_EQ(frontend->NextKey().code, keys::kEscape);
  EXPECT_EQ(CellPixelSize(*frontend).height, 18);  // not grown, but shrunk
}

TEST_F(SdlFrontendTest, KeysAndCloseArriveThroughTheEventQueue) {
  auto frontend = Open();
  ASSERT_NE(frontend, nullptr);
  frontend->Present(Grid(10, 4));
  // Keypad 8 with NumLock on sends its digit as text too; the game sees only the direction.
  PushKeyDown(SDL_SCANCODE_KP_8, SDLK_KP_8, KMOD_NUM);
  PushText("8");
  PushKeyDown(SDL_SCANCODE_L, 0x434);
  PushText("д");
  PushKeyDown(SDL_SCANCODE_E, SDLK_e, KMOD_LCTRL);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);

  EXPECT_EQ(frontend->NextKey().code, keys::kUp);
  const Key de = frontend->NextKey();
  EXPECT_EQ(de.ch, U'д');
  EXPECT_EQ(de.cp1251, 0xE4);
  const Key ctrl_e = frontend->NextKey();
  EXPECT_EQ(ctrl_e.code, 'E');
  EXPECT_EQ(ctrl_e.ch, 5u);
  EXPECT_EQ(frontend->NextKey().kind, KeyKind::kCloseRequest);
}

TEST_F(SdlFrontendTest, SleepKeepsTheKeysPressedMeanwhile) {
  auto frontend = Open();
  ASSERT_NE(frontend, nullptr);
  frontend->Present(Grid(10, 4));
  PushKeyDown(SDL_SCANCODE_B, SDLK_b);
  PushText("b");
  const Uint64 start = SDL_GetTicks64();
  frontend->SleepMs(30);
  EXPECT_GE(SDL_GetTicks64() - start, 30u);
  EXPECT_EQ(frontend->NextKey().ch, U'b');
}

TEST_F(SdlFrontendTest, ResizedWindowCentresTheGridAndMapsClicks) {
  SdlOptions options;
  options.columns = 10;
  options.rows = 5;
  auto frontend = Open(options);
  ASSERT_NE(frontend, nullptr);
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
  EXPECT_EQ(png.At(139, 129), kBlackPixel);

  PushClick(5, 5);  // in the black border: nothing
  PushClick(20 + 25, 15 + 45);
  PushKeyDown(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
  const Key click = frontend->NextKey();
  EXPECT_EQ(click.kind, KeyKind::kMouseClick);
  EXPECT_EQ(click.x, 2);
  EXPECT_EQ(click.y, 2);
  EXPECT_EQ(frontend->NextKey().code, keys::kEscape);
}

TEST_F(SdlFrontendTest, AltEnterTogglesFullScreenWithTheGridCentred) {
  auto frontend = Open(SdlOptions{.columns = 10, .rows = 5});
  ASSERT_NE(frontend, nullptr);
  Grid grid(10, 5);
  grid.Clear(colors::kTeal);
  frontend->Present(grid);

  PushKeyDown(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT);
  PushKeyDown(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
  EXPECT_EQ(frontend->NextKey().code, keys::kEscape);  // Alt+Enter stayed with the window
  EXPECT_TRUE(SDL_GetWindowFlags(SdlWindowOf(*frontend)) & SDL_WINDOW_FULLSCREEN);
  const DecodedPng full = Shot(*frontend);
  ASSERT_GT(full.width, 100);
  const int left = (full.width - 100) / 2;
  const int top = (full.height - 100) / 2;
  EXPECT_EQ(full.At(left - 1, top), kBlackPixel);
  EXPECT_EQ(full.At(left, top), PixelOf(colors::kTeal));
  EXPECT_EQ(full.At(left + 99, top + 99), PixelOf(colors::kTeal));
  EXPECT_EQ(full.At(left + 100, top + 99), kBlackPixel);

  PushKeyDown(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, KMOD_RALT);
  PushKeyDown(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
  EXPECT_EQ(frontend->NextKey().code, keys::kEscape);
  EXPECT_FALSE(SDL_GetWindowFlags(SdlWindowOf(*frontend)) & SDL_WINDOW_FULLSCREEN);
}

TEST_F(SdlFrontendTest, TitleAndBeepNeverFail) {
  ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
  auto frontend = Open();
  ASSERT_NE(frontend, nullptr);
  EXPECT_TRUE(frontend->HasTitleBar());
  frontend->SetTitle("Залдрун — уровень 3");
  EXPECT_STREQ(SDL_GetWindowTitle(SdlWindowOf(*frontend)), "Залдрун — уровень 3");
  frontend->Beep();
  frontend->Beep();
}

TEST_F(SdlFrontendTest, OpeningFailsWithAMessageInsteadOfCrashing) {
  {
    ScopedEnv driver("SDL_VIDEODRIVER", "no-such-driver");
    std::string error;
    EXPECT_EQ(CreateSdlFrontend(SdlOptions{.software = true}, &error), nullptr);
    EXPECT_NE(error.find("Не удалось открыть окно"), std::string::npos) << error;
    EXPECT_NE(error.find("zaldrun --terminal"), std::string::npos) << error;
  }
  SdlOptions no_fonts;
  no_fonts.software = true;
  no_fonts.bitmap_font = (folder_ / "none.otb").string();
  no_fonts.scalable_font = (folder_ / "none.ttf").string();
  std::string error;
  EXPECT_EQ(CreateSdlFrontend(no_fonts, &error), nullptr);
  EXPECT_NE(error.find("шрифт"), std::string::npos) << error;

  // A window opens again afterwards.
  EXPECT_NE(Open(), nullptr);
}

TEST_F(SdlFrontendTest, WindowOnlyHelpersRefuseOtherFrontEnds) {
  HeadlessFrontend headless;
  std::string error;
  EXPECT_FALSE(SaveSdlScreenshot(headless, (folder_ / "x.png").string(), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(CellPixelSize(headless).width, 0);
  EXPECT_EQ(SdlWindowOf(headless), nullptr);
}

TEST(SdlDisplayAvailable, FollowsTheEnvironment) {
  ScopedEnv display("DISPLAY", nullptr);
  ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  ScopedEnv driver("SDL_VIDEODRIVER", nullptr);
  EXPECT_FALSE(DisplayAvailable());
  {
    ScopedEnv empty("DISPLAY", "");
    EXPECT_FALSE(DisplayAvailable());
  }
  {
    ScopedEnv x11("DISPLAY", ":0");
    EXPECT_TRUE(DisplayAvailable());
  }
  {
    ScopedEnv socket("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_TRUE(DisplayAvailable());
  }
  ScopedEnv dummy("SDL_VIDEODRIVER", "dummy");
  EXPECT_TRUE(DisplayAvailable());
}

}  // namespace
}  // namespace platform
