// The terminal's screen: the grid cut to the terminal's size, with a notice when it is too small.
// The front end's own tests show it on a pseudo-terminal.
#include "platform/terminal/terminal_layout.hpp"

#include <gtest/gtest.h>

#include <clocale>

namespace platform {
namespace {

TEST(TerminalLayout, ANoticeWhenEitherSideIsShortAndNothingBreaksWhenTiny) {
  const Grid grid(100, 45);
  EXPECT_EQ(ComposeScreen(grid, 100, 45).RowText(44), "");  // an exact fit has no notice
  EXPECT_EQ(ComposeScreen(grid, 99, 60).RowText(59),
            "Окно терминала мало: нужно 100 x 45, сейчас 99 x 60");
  EXPECT_TRUE(ComposeScreen(grid, 120, 44).RowText(43).starts_with("Окно терминала мало"));
  EXPECT_EQ(ComposeScreen(grid, 10, 1).RowText(0), "Окно терми");
  EXPECT_EQ(ComposeScreen(grid, 0, 0).cells().size(), 0u);
  EXPECT_EQ(ComposeScreen(grid, -5, 3).width(), 0);
}

TEST(TerminalLayout, CellsThatWouldShiftTheRowAreReplaced) {
  ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);  // as the front end sets it up
  for (char32_t kept : {U'Ж', U'█', U'†'}) EXPECT_EQ(PrintableChar(kept), kept);
  EXPECT_EQ(PrintableChar(0), U' ');
  // Two columns, a combining accent (no column), a tab, and the byte 0x98 of Windows-1251.
  for (char32_t replaced : {U'漢', U'\u0301', U'\t', U'\u0098'}) {
    EXPECT_EQ(PrintableChar(replaced), U'?') << static_cast<int>(replaced);
  }
}

}  // namespace
}  // namespace platform
