// Which font step fits the window's grid on a screen, and where a window may sit on it.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/sdl/screen_fit.hpp"

namespace platform {
namespace {

// The cells of the window's fonts: Terminus's strikes, then DejaVu a pixel short.
const std::map<int, CellSize> kCells = {
    {12, {6, 12}},  {14, {8, 14}},  {16, {8, 16}},  {18, {10, 18}}, {20, {10, 20}}, {22, {11, 22}},
    {24, {12, 24}}, {28, {14, 28}}, {32, {16, 32}}, {36, {22, 35}}, {40, {24, 39}}};

std::optional<FontStep> Choose(int requested_px, int columns, int rows, ScreenRect usable,
                               double pixels_per_point = 1.0, std::set<int> broken = {}) {
  return ChooseFontStep(requested_px, columns, rows, usable, pixels_per_point,
                        [&](int px) -> std::optional<CellSize> {
                          if (broken.count(px) != 0) return std::nullopt;
                          const auto cell = kCells.find(px);
                          // Between the steps, the scalable font.
                          return cell != kCells.end() ? cell->second : CellSize{px / 2, px};
                        });
}

TEST(SdlScreenFit, TakesTheLargestStepWhoseWindowFitsTheUsableArea) {
  struct Case {
    const char* screen;
    ScreenRect usable;
    int requested_px;
    double pixels_per_point;
    int expected_px;
    WindowSize expected_window;
  };
  const Case cases[] = {
      // 100 x 45 cells: 20 px makes 900 points of height, 18 px 810, 16 px 720.
      {"1000 x 760", {0, 0, 1000, 760}, 20, 1.0, 16, {800, 720}},
      {"exactly 900 high", {0, 0, 1000, 900}, 20, 1.0, 20, {1000, 900}},
      {"too narrow for 10 px wide cells", {0, 0, 999, 2000}, 20, 1.0, 16, {800, 720}},
      {"huge", {0, 0, 3840, 2160}, 20, 1.0, 20, {1000, 900}},
      {"huge, largest step asked", {0, 0, 3840, 2160}, 40, 1.0, 40, {2400, 1755}},
      // Two pixels to the point: the 40 px grid is 1200 x 878 points, the 32 px one 800 x 720.
      {"two pixels a point", {0, 0, 1000, 760}, 40, 2.0, 32, {800, 720}},
      {"between steps", {0, 0, 1000, 760}, 19, 1.0, 16, {800, 720}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screen);
    const std::optional<FontStep> step =
        Choose(c.requested_px, 100, 45, c.usable, c.pixels_per_point);
    ASSERT_TRUE(step.has_value());
    EXPECT_EQ(step->font_px, c.expected_px);
    EXPECT_EQ(step->window.width, c.expected_window.width);
    EXPECT_EQ(step->window.height, c.expected_window.height);
    EXPECT_FALSE(step->clamped);
    EXPECT_TRUE(FitsIn(step->window, c.usable));
  }
}

TEST(SdlScreenFit, ATinyScreenGetsTheSmallestStepAndAWindowCutToIt) {
  const std::optional<FontStep> step = Choose(20, 100, 45, ScreenRect{0, 0, 400, 300});
  ASSERT_TRUE(step.has_value());
  EXPECT_EQ(step->font_px, 12);  // 600 x 540 points of grid
  EXPECT_TRUE(step->clamped);
  EXPECT_EQ(step->window.width, 400);
  EXPECT_EQ(step->window.height, 300);
  // Only one side too long: the other keeps the grid's size.
  const std::optional<FontStep> wide = Choose(20, 100, 45, ScreenRect{0, 0, 500, 2000});
  ASSERT_TRUE(wide.has_value());
  EXPECT_EQ(wide->font_px, 12);
  EXPECT_EQ(wide->window.width, 500);
  EXPECT_EQ(wide->window.height, 540);
}

TEST(SdlScreenFit, StepsWhoseFontDoesNotOpenArePassedOver) {
  std::optional<FontStep> step = Choose(20, 100, 45, ScreenRect{0, 0, 1000, 760}, 1.0, {16});
  ASSERT_TRUE(step.has_value());
  EXPECT_EQ(step->font_px, 14);
  // The smallest step is broken on a tiny screen: the smallest that opens, cut.
  step = Choose(20, 100, 45, ScreenRect{0, 0, 400, 300}, 1.0, {12});
  ASSERT_TRUE(step.has_value());
  EXPECT_EQ(step->font_px, 14);
  EXPECT_TRUE(step->clamped);
  EXPECT_FALSE(Choose(20, 100, 45, ScreenRect{0, 0, 1000, 760}, 1.0, {20, 18, 16, 14, 12}));
}

TEST(SdlScreenFit, WindowsMoveOntoTheScreenByTheLeastDistance) {
  const ScreenRect screen{0, 30, 1000, 730};  // below a 30-point panel
  struct Case {
    ScreenRect window;
    int x;
    int y;
  };
  const Case cases[] = {
      {{100, 100, 800, 600}, 100, 100},  // already inside
      {{100, 300, 800, 720}, 100, 40},   // grew past the bottom edge
      {{-50, 0, 800, 600}, 0, 30},       // off the left edge, under the panel
      {{300, 300, 1200, 900}, 0, 30},    // larger: its top-left corner in view
  };
  for (const Case& c : cases) {
    const ScreenRect moved = MoveInside(c.window, screen);
    EXPECT_EQ(moved.x, c.x) << c.window.x << "," << c.window.y;
    EXPECT_EQ(moved.y, c.y) << c.window.x << "," << c.window.y;
    EXPECT_EQ(moved.width, c.window.width);
  }
  const ScreenRect centred = CenterIn(WindowSize{800, 720}, screen);
  EXPECT_EQ(centred.x, 100);
  EXPECT_EQ(centred.y, 35);
}

}  // namespace
}  // namespace platform
