#include "platform/terminal/terminal_colors.hpp"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(TerminalColors, DirectColourNumbersStayClearOfThePalette) {
  EXPECT_EQ(DirectColorNumber(Color{255, 0, 0}), 0xFF0000);
  EXPECT_EQ(DirectColorNumber(Color{12, 34, 56}), 0x0C2238);
  // Below 256 a direct-colour terminal may take the number as a palette entry.
  EXPECT_EQ(DirectColorNumber(colors::kBlack), 0x000100);
  EXPECT_EQ(DirectColorNumber(Color{0, 0, 5}), 0x000105);
  EXPECT_EQ(DirectColorNumber(colors::kNavy), 0x000180);
  EXPECT_EQ(DirectColorNumber(Color{0, 1, 0}), 0x000100);
  for (int b = 0; b < 256; ++b) {
    EXPECT_GE(DirectColorNumber(Color{0, 0, static_cast<uint8_t>(b)}), 256);
  }
}

TEST(TerminalColors, PaletteEntriesMatchThemselves) {
  for (int index = 16; index < 256; ++index) {
    EXPECT_EQ(NearestXterm256(Xterm256Color(index)), index) << index;
  }
  EXPECT_EQ(Xterm256Color(196), (Color{255, 0, 0}));
  EXPECT_EQ(Xterm256Color(16), colors::kBlack);
  EXPECT_EQ(Xterm256Color(244), (Color{128, 128, 128}));
}

TEST(TerminalColors, GameColoursIn256) {
  EXPECT_EQ(NearestXterm256(colors::kBlack), 16);
  EXPECT_EQ(NearestXterm256(colors::kWhite), 231);
  EXPECT_EQ(NearestXterm256(colors::kRed), 196);
  EXPECT_EQ(NearestXterm256(colors::kLightGray), 250);
  EXPECT_EQ(NearestXterm256(colors::kGray), 244);
  // Navy (0,0,128) lies between cube blues 95 and 135; it must stay a blue, not turn gray.
  const Color navy = Xterm256Color(NearestXterm256(colors::kNavy));
  EXPECT_EQ(navy.r, 0);
  EXPECT_EQ(navy.g, 0);
  EXPECT_GE(navy.b, 95);
}

TEST(TerminalColors, SixteenAndEightColours) {
  EXPECT_EQ(NearestBasic16(colors::kNavy), 4);
  EXPECT_EQ(NearestBasic16(colors::kTeal), 6);
  EXPECT_EQ(NearestBasic16(colors::kLightGray), 7);
  EXPECT_EQ(NearestBasic16(colors::kYellow), 11);
  // Dark gray is as far from black as from gray: it goes to the visible one.
  EXPECT_EQ(NearestBasic16(colors::kDarkGray), 8);

  EXPECT_EQ(MapForeground(ColorMode::kEight, colors::kYellow), (TermColor{3, true}));
  EXPECT_EQ(MapForeground(ColorMode::kEight, colors::kNavy), (TermColor{4, false}));
  // Backgrounds cannot be bold: bright ones fall back to their dark colour.
  EXPECT_EQ(MapBackground(ColorMode::kEight, colors::kYellow), (TermColor{3, false}));
  EXPECT_EQ(MapBackground(ColorMode::kEight, colors::kWhite), (TermColor{7, false}));
  EXPECT_EQ(MapForeground(ColorMode::kSixteen, colors::kWhite), (TermColor{15, false}));
  EXPECT_EQ(MapForeground(ColorMode::kMonochrome, colors::kWhite).number, -1);
  EXPECT_EQ(MapBackground(ColorMode::kDirect, colors::kBlack).number, 0x100);
}

TEST(TerminalColors, PairCacheKeepsFullDirectColoursApart) {
  PairCache cache(3);
  const int first = cache.Find(0x000100, 0xFFFFFF)->pair;
  EXPECT_GE(first, 1);  // pair 0 belongs to the terminal
  EXPECT_EQ(cache.Find(0x000100, 0xFFFFFF)->pair, first);
  EXPECT_FALSE(cache.Find(0x000100, 0xFFFFFF)->is_new);
  EXPECT_NE(cache.Find(0xFFFFFF, 0x000100)->pair, first);
  EXPECT_TRUE(cache.Find(0x000101, 0xFFFFFF)->is_new);
  EXPECT_FALSE(cache.Find(7, 7).has_value());
  cache.Reset();
  EXPECT_EQ(cache.Find(7, 7)->pair, 1);
}

}  // namespace
}  // namespace platform
