// The grid's RGB colours as the colour numbers of direct-colour, palette and basic terminals.
#include "platform/terminal/terminal_colors.hpp"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(TerminalColors, DirectPaletteAndBasicColours) {
  EXPECT_EQ(DirectColorNumber(Color{12, 34, 56}), 0x0C2238);
  // Below 256 a direct-colour terminal may take the number as a palette entry: green 1 is added.
  EXPECT_EQ(MapBackground(ColorMode::kDirect, colors::kNavy).number, 0x000180);
  for (int index = 16; index < 256; ++index) {
    EXPECT_EQ(NearestXterm256(Xterm256Color(index)), index) << index;
  }
  EXPECT_EQ(Xterm256Color(244), (Color{128, 128, 128}));
  // Navy (0,0,128) lies between cube blues 95 and 135; it must stay a blue, not turn gray.
  EXPECT_EQ(MapForeground(ColorMode::k256, colors::kNavy).number, 18);
  // Dark gray is as far from black as from gray: it goes to the visible one.
  EXPECT_EQ(NearestBasic16(colors::kDarkGray), 8);
  EXPECT_EQ(MapForeground(ColorMode::kSixteen, colors::kTeal), (TermColor{6, false}));
  // Eight colours: bright foregrounds are bold; backgrounds cannot be, and take the dark colour.
  EXPECT_EQ(MapForeground(ColorMode::kEight, colors::kYellow), (TermColor{3, true}));
  EXPECT_EQ(MapBackground(ColorMode::kEight, colors::kYellow), (TermColor{3, false}));
}

TEST(TerminalColors, PairCacheKeepsFullDirectColoursApart) {
  PairCache cache(3);
  const int first = cache.Find(0x000100, 0xFFFFFF)->pair;
  EXPECT_GE(first, 1);  // pair 0 belongs to the terminal
  EXPECT_FALSE(cache.Find(0x000100, 0xFFFFFF)->is_new);
  EXPECT_EQ(cache.Find(0x000100, 0xFFFFFF)->pair, first);
  EXPECT_NE(cache.Find(0xFFFFFF, 0x000100)->pair, first);
  EXPECT_TRUE(cache.Find(0x000101, 0xFFFFFF)->is_new);
  EXPECT_FALSE(cache.Find(7, 7).has_value());
  cache.Reset();
  EXPECT_EQ(cache.Find(7, 7)->pair, 1);
}

}  // namespace
}  // namespace platform
