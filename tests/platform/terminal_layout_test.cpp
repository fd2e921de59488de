#include "platform/terminal/terminal_layout.hpp"

#include <gtest/gtest.h>

#include <clocale>

namespace platform {
namespace {

class TerminalLayout : public ::testing::Test {
 protected:
  // wcwidth needs the UTF-8 character type the front end sets up.
  void SetUp() override { ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr); }
};

Grid SampleGrid() {
  Grid grid(100, 45);
  grid.Clear(colors::kNavy);
  grid.PutText(0, 0, "Залдрун", colors::kYellow, colors::kNavy);
  grid.PutText(0, 44, "низ", colors::kWhite, colors::kBlack);
  grid.Put(99, 44, U'┘', colors::kWhite, colors::kBlack);
  return grid;
}

TEST_F(TerminalLayout, LargerTerminalShowsTheGridAndBlanksAround) {
  const Grid screen = ComposeScreen(SampleGrid(), 110, 50);
  EXPECT_EQ(screen.width(), 110);
  EXPECT_EQ(screen.height(), 50);
  EXPECT_EQ(screen.RowText(0), "Залдрун");
  EXPECT_EQ(screen.At(0, 0).fg, colors::kYellow);
  EXPECT_EQ(screen.At(99, 44).ch, U'┘');
  EXPECT_EQ(screen.At(105, 10), Cell{});
  EXPECT_EQ(screen.RowText(49), "");
}

TEST_F(TerminalLayout, ExactFitHasNoNotice) {
  const Grid screen = ComposeScreen(SampleGrid(), 100, 45);
  EXPECT_EQ(screen.RowText(44).substr(0, 6), "низ");
  EXPECT_EQ(screen.At(99, 44).ch, U'┘');
}

TEST_F(TerminalLayout, SmallTerminalShowsWhatFitsAndANoticeOnTheLastRow) {
  const Grid screen = ComposeScreen(SampleGrid(), 80, 24);
  EXPECT_EQ(screen.RowText(0), "Залдрун");
  EXPECT_EQ(screen.RowText(23), "Окно терминала мало: нужно 100 x 45, сейчас 80 x 24");
  EXPECT_NE(screen.At(0, 23).bg, colors::kNavy);
  // Only one dimension short is short all the same.
  EXPECT_EQ(ComposeScreen(SampleGrid(), 120, 44).RowText(43),
            "Окно терминала мало: нужно 100 x 45, сейчас 120 x 44");
  EXPECT_TRUE(ComposeScreen(SampleGrid(), 99, 60).RowText(59).starts_with("Окно терминала мало"));
}

TEST_F(TerminalLayout, TinyAndEmptyTerminalsDoNotBreak) {
  EXPECT_EQ(ComposeScreen(SampleGrid(), 10, 1).RowText(0), "Окно терми");
  EXPECT_EQ(ComposeScreen(SampleGrid(), 0, 0).cells().size(), 0u);
  EXPECT_EQ(ComposeScreen(SampleGrid(), -5, 3).width(), 0);
}

TEST_F(TerminalLayout, CellsThatWouldShiftTheRowAreReplaced) {
  EXPECT_EQ(PrintableChar(U'Ж'), U'Ж');
  EXPECT_EQ(PrintableChar(U'█'), U'█');
  EXPECT_EQ(PrintableChar(U'†'), U'†');
  EXPECT_EQ(PrintableChar(0), U' ');
  EXPECT_EQ(PrintableChar(U'漢'), U'?');      // two columns
  EXPECT_EQ(PrintableChar(U'\u0301'), U'?');  // combining accent, no column
  EXPECT_EQ(PrintableChar(U'\t'), U'?');
  EXPECT_EQ(PrintableChar(U'\u0098'), U'?');  // the byte 0x98 of Windows-1251
  Grid grid(3, 1);
  grid.Put(1, 0, U'漢', colors::kWhite, colors::kBlack);
  EXPECT_EQ(ComposeScreen(grid, 3, 1).At(1, 0).ch, U'?');
}

}  // namespace
}  // namespace platform
