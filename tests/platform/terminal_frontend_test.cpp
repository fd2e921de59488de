// The terminal front end on a real pseudo-terminal: the test types into the master side and reads
// what curses wrote; the screen contents are read back from curses.
#include "platform/terminal/terminal_frontend.hpp"

#include <gtest/gtest.h>

#define NCURSES_NOMACROS
#include <curses.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <mutex>
#include <span>
#include <string>
#include <thread>

#include "platform/key_fields.hpp"
#include "base/utf8.hpp"

namespace platform {
namespace {

class Pty {
 public:
  Pty(int columns, int lines) {
    winsize size{.ws_row = static_cast<unsigned short>(lines),
                 .ws_col = static_cast<unsigned short>(columns)};
    EXPECT_EQ(openpty(&master_, &slave_, nullptr, nullptr, &size), 0);
    output_ = fdopen(dup(slave_), "w");
    input_ = fdopen(dup(slave_), "r");
    // Someone must drain the master, or curses blocks once the pty's buffer is full.
    reader_ = std::jthread([this](std::stop_token stop) { ReadLoop(stop); });
  }
  ~Pty() {
    HangUp();
    fclose(output_);
    fclose(input_);
    close(slave_);
  }

  TerminalOptions Options(const std::string& term) const {
    return TerminalOptions{
        .output = output_, .input = input_, .term = term, .guard_signals = false, .mouse = false};
  }
  void Type(std::string_view bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  void Resize(int columns, int lines) {
    winsize size{.ws_row = static_cast<unsigned short>(lines),
                 .ws_col = static_cast<unsigned short>(columns)};
    ioctl(master_, TIOCSWINSZ, &size);
    raise(SIGWINCH);  // the kernel signals only the pty's own foreground process group
  }
  // Everything written since the last call, once the output has settled.
  std::string TakeOutput() {
    for (size_t seen = std::string::npos;;) {
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
      std::lock_guard lock(mutex_);
      if (text_.size() == seen) return std::exchange(text_, std::string());
      seen = text_.size();
    }
  }
  // The terminal goes away: reads of the slave side fail from now on.
  void HangUp() {
    reader_ = {};  // stops and joins the reader
    if (master_ >= 0) close(master_);
    master_ = -1;
  }
  termios Modes() const {
    termios modes{};
    tcgetattr(slave_, &modes);
    return modes;
  }

 private:
  void ReadLoop(std::stop_token stop) {
    while (!stop.stop_requested()) {
      pollfd poll_fd{master_, POLLIN, 0};
      if (poll(&poll_fd, 1, 10) <= 0 || (poll_fd.revents & POLLIN) == 0) continue;
      char buffer[4096];
      const ssize_t n = read(master_, buffer, sizeof buffer);
      std::lock_guard lock(mutex_);
      if (n > 0) text_.append(buffer, static_cast<size_t>(n));
    }
  }
  int master_ = -1;
  int slave_ = -1;
  FILE* output_ = nullptr;
  FILE* input_ = nullptr;
  std::jthread reader_;
  std::mutex mutex_;
  std::string text_;
};

class TerminalFrontendTest : public ::testing::Test {
 protected:
  // Ends the test program if a key never arrives, instead of leaving it blocked in NextKey.
  void SetUp() override { alarm(60); }
  void TearDown() override { alarm(0); }

  static std::unique_ptr<TerminalFrontend> Open(const TerminalOptions& options) {
    std::string error;
    auto frontend = TerminalFrontend::Open(options, &error);
    EXPECT_NE(frontend, nullptr) << error;
    return frontend;
  }
  std::unique_ptr<TerminalFrontend> Open(const std::string& term) {
    return Open(pty_.Options(term));
  }

  Pty pty_{110, 50};
};

// What curses holds for one cell of its screen.
struct ScreenCell {
  char32_t ch = 0;
  attr_t attr = 0;
  int fg = -1;
  int bg = -1;
};

ScreenCell CellAt(int x, int y) {
  cchar_t cell{};
  mvwin_wch(stdscr, y, x, &cell);
  wchar_t text[CCHARW_MAX + 1] = {};
  ScreenCell result;
  short short_pair = 0;
  int pair = 0;
  getcchar(&cell, text, &result.attr, &short_pair, &pair);
  result.ch = static_cast<char32_t>(text[0]);
  extended_pair_content(pair, &result.fg, &result.bg);
  return result;
}

std::string ScreenRow(int y) {
  std::u32string row;
  for (int x = 0; x < getmaxx(stdscr); ++x) row.push_back(CellAt(x, y).ch);
  while (!row.empty() && row.back() == U' ') row.pop_back();
  return zaldrun::EncodeUtf8(row);
}

Grid SampleGrid() {
  Grid grid(100, 45);
  grid.Frame(0, 0, 100, 45, colors::kWhite, colors::kNavy);
  grid.PutText(2, 1, "Залдрун: проверка", colors::kRed, colors::kBlack);
  grid.PutText(2, 44, "нижняя строка", colors::kYellow, colors::kBlack);
  return grid;
}

TEST_F(TerminalFrontendTest, ColoursFollowTheTerminal) {
  // Red text and black backgrounds: exact RGB with black lifted off the palette entries, or the
  // nearest entry of the 256 (16, not the restylable 0).
  const struct {
    const char* term;
    ColorMode mode;
    const char* red;
    const char* black;
  } cases[] = {{"xterm-direct", ColorMode::kDirect, "38:2::255:0:0", "48:2::0:1:0"},
               {"xterm-256color", ColorMode::k256, "38;5;196", "48;5;16"}};
  for (const auto& c : cases) {
    auto frontend = Open(c.term);
    EXPECT_EQ(frontend->color_mode(), c.mode);
    frontend->Present(SampleGrid());
    const std::string output = pty_.TakeOutput();
    EXPECT_NE(output.find(c.red), std::string::npos) << c.term;
    EXPECT_NE(output.find(c.black), std::string::npos) << c.term;
  }
  Grid grid = SampleGrid();
  grid.PutText(2, 3, "выбрано", colors::kBlack, colors::kLightGray);
  {
    auto frontend = Open("xterm");  // 8 colours: bright ones are bold
    frontend->Present(grid);
    EXPECT_EQ(CellAt(2, 44).fg, 3);
    EXPECT_NE(CellAt(2, 44).attr & A_BOLD, 0u);
  }
  auto frontend = Open("vt100");  // no colours: a light background is reverse video
  frontend->Present(grid);
  EXPECT_NE(CellAt(2, 3).attr & A_REVERSE, 0u);
  EXPECT_EQ(CellAt(2, 1).attr & A_REVERSE, 0u);
}

TEST_F(TerminalFrontendTest, DrawsOnlyTheCellsThatChanged) {
  auto frontend = Open("xterm-256color");
  Grid grid = SampleGrid();
  frontend->Present(grid);
  EXPECT_EQ(frontend->cells_drawn(), 110 * 50);
  pty_.TakeOutput();

  frontend->Present(grid);
  EXPECT_EQ(frontend->cells_drawn(), 0);
  EXPECT_EQ(pty_.TakeOutput().find("Залдрун"), std::string::npos);

  grid.PutText(10, 20, "ёж漢", colors::kGreen, colors::kBlack);  // 漢 would take two columns
  grid.At(50, 30).fg = colors::kYellow;  // a colour change alone is a change
  frontend->Present(grid);
  EXPECT_EQ(frontend->cells_drawn(), 4);
  EXPECT_NE(pty_.TakeOutput().find("ёж?"), std::string::npos);
  EXPECT_EQ(ScreenRow(20), "│" + std::string(9, ' ') + "ёж?" + std::string(86, ' ') + "│");
}

TEST_F(TerminalFrontendTest, SmallTerminalGetsANoticeAndTheFullGridAfterGrowing) {
  pty_.Resize(80, 24);
  auto frontend = Open("xterm-256color");
  frontend->Present(SampleGrid());
  EXPECT_EQ(ScreenRow(1), "│ Залдрун: проверка");
  EXPECT_EQ(ScreenRow(23), "Окно терминала мало: нужно 100 x 45, сейчас 80 x 24");

  pty_.Resize(110, 50);
  pty_.Type("x");
  EXPECT_EQ(frontend->NextKey().code, 'X');
  EXPECT_EQ(frontend->cells_drawn(), 110 * 50);
  EXPECT_TRUE(ScreenRow(44).starts_with("└─нижняя строка──"));
  EXPECT_EQ(ScreenRow(49), "");
}

struct TypedCase {
  std::string bytes;
  Key key;
};

void ExpectKeys(TerminalFrontend& frontend, Pty& pty, std::span<const TypedCase> cases,
                bool ignore_shift = false) {
  for (const TypedCase& typed : cases) {
    pty.Type(typed.bytes);
    Key key = frontend.NextKey();
    key.shift = key.shift && !ignore_shift;
    EXPECT_EQ(testing::Fields(key), testing::Fields(typed.key))
        << "ESC" + typed.bytes.substr(typed.bytes[0] == '\033' ? 1 : 0);
  }
}

TEST_F(TerminalFrontendTest, KeysArriveTranslatedOnEveryTerminalType) {
  const auto code = Key::Code;
  const Key enter{.code = keys::kEnter, .ch = 13, .cp1251 = 13};
  // Cursor keys in both modes, the keypad in application mode (vt100 and putty call keypad 1
  // "ka1", vt100 makes keypad 7 F9; tmux-256color describes no keypad at all), VT220 keys, and
  // typed characters.
  // clang-format off
  const TypedCase cases[] = {
      {"\033[A", code(keys::kUp)},       {"\033OB", code(keys::kDown)},
      {"\033Oq", code(keys::kEnd)},      {"\033Ow", code(keys::kHome)},
      {"\033Or", code(keys::kDown)},     {"\033Ou", code(keys::kClear)},
      {"\033[E", code(keys::kClear)},    {"\033[1~", code(keys::kHome)},
      {"\033[3~", code(keys::kDelete)},  {"\033Op", {.code = '0', .ch = U'0', .cp1251 = '0'}},
      {"\033OM", enter},                 {"\r", enter},
      {"\177", {.code = keys::kBackspace, .ch = 8, .cp1251 = 8}},
      {"ж", {.ch = U'ж', .cp1251 = 0xE6}}, {"q", {.code = 'Q', .ch = U'q', .cp1251 = 'q'}},
      {"\005", {.code = 'E', .ch = 5, .cp1251 = 5, .ctrl = true}},
      {"\023", {.code = 'S', .ch = 19, .cp1251 = 19, .ctrl = true}},  // no flow control (IXON)
  };
  // clang-format on
  for (const char* term : {"tmux-256color", "xterm-256color", "putty-256color", "vt100"}) {
    SCOPED_TRACE(term);
    Pty pty(110, 50);
    auto frontend = Open(pty.Options(term));
    frontend->Present(SampleGrid());
    ExpectKeys(*frontend, pty, cases, /*ignore_shift=*/true);  // putty: ESC [ A is Shift+Up
  }
}

TEST_F(TerminalFrontendTest, EscapeAltFunctionAndUnknownSequences) {
  auto frontend = Open("xterm-256color");
  const Key escape{.code = keys::kEscape, .ch = 27, .cp1251 = 27};
  // A lone Escape, and the key after it without Alt; two escapes in one burst are two Escape
  // keys, not one Alt+Escape; sequences curses does not know vanish whole instead of typing
  // their letters; ESC [ alone is Alt+[; modified keys, some by their terminfo names.
  const TypedCase cases[] = {
      {"\033", escape},
      {"q", {.code = 'Q', .ch = U'q', .cp1251 = 'q'}},
      {"\033\033", escape},
      {"", escape},
      {"\033d", {.code = 'D', .ch = U'd', .cp1251 = 'd', .alt = true}},
      {"\033[99;7~\033[I\033OZz", {.code = 'Z', .ch = U'z', .cp1251 = 'z'}},
      {"\033[", {.ch = U'[', .cp1251 = '[', .alt = true}},
      {"\033[21~", Key::Code(keys::kF10)},
      {"\033[1;2P", {.code = keys::kF1, .shift = true}},
      {"\033[1;5P", {.code = keys::kF1, .ctrl = true}},
      {"\033[Z", {.code = keys::kTab, .ch = 9, .cp1251 = 9, .shift = true}},
      {"\033[1;2C", {.code = keys::kRight, .shift = true}},
      {"\033[1;3D", {.code = keys::kLeft, .alt = true}},
      {"\033[6;7~", {.code = keys::kPageDown, .ctrl = true, .alt = true}},
  };
  ExpectKeys(*frontend, pty_, cases);
}

TEST_F(TerminalFrontendTest, LeftClickGivesTheCell) {
  TerminalOptions options = pty_.Options("xterm-256color");
  options.mouse = true;
  auto frontend = Open(options);
  frontend->Present(SampleGrid());
  pty_.Type("\033[<0;6;4M\033[<0;6;4m");  // press and release at column 6, row 4
  EXPECT_EQ(testing::Fields(frontend->NextKey()), "click code=0 ch=U+0000 cp1251=0 x=5 y=3");
  pty_.Type("\033[<0;106;4Mz");  // outside the grid: no click
  EXPECT_EQ(frontend->NextKey().code, 'Z');
}

TEST_F(TerminalFrontendTest, AGoneTerminalIsAHangupForEveryWait) {
  auto frontend = Open("xterm-256color");
  pty_.HangUp();
  EXPECT_EQ(frontend->NextKey().kind, KeyKind::kHangup);
  EXPECT_EQ(frontend->NextKey().kind, KeyKind::kHangup);
}

// A signal that ends the program wakes the wait for a key within a second, whenever it comes,
// and every wait and pause after it ends at once.
TEST_F(TerminalFrontendTest, EndSignalsWakeTheWaitForAKeyAndEveryWaitAfter) {
  for (const int signal : {SIGHUP, SIGTERM, SIGINT}) {
    TerminalOptions options = pty_.Options("xterm-256color");
    options.guard_signals = true;
    auto frontend = Open(options);
    const auto start = std::chrono::steady_clock::now();
    std::jthread sender([signal] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      kill(getpid(), signal);  // any thread may take it, not only the one that reads
    });
    EXPECT_EQ(frontend->NextKey().kind, KeyKind::kHangup) << signal;
    EXPECT_EQ(frontend->NextKey().kind, KeyKind::kHangup) << signal;
    frontend->SleepMs(5000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << signal;
  }
}

TEST_F(TerminalFrontendTest, TerminalModesComeBackWhenClosed) {
  ASSERT_NE(pty_.Modes().c_lflag & ECHO, 0u);
  {
    auto frontend = Open("xterm-256color");
    frontend->Present(SampleGrid());
    EXPECT_EQ(pty_.Modes().c_lflag & (ECHO | ICANON | ISIG), 0u);
  }
  EXPECT_EQ(pty_.Modes().c_lflag & (ECHO | ICANON | ISIG), tcflag_t{ECHO | ICANON | ISIG});
}

TEST_F(TerminalFrontendTest, RunsOutOfColourPairsAndStartsOver) {
  // xterm-16color has 255 pairs for the 256 combinations of its colours: the second frame needs
  // 56 more than are left, the third more than there are (the surplus gets default colours).
  auto frontend = Open("xterm-16color");
  ASSERT_EQ(frontend->color_mode(), ColorMode::kSixteen);
  const int frames[][2] = {{0, 199}, {100, 255}, {0, 255}};
  for (const auto& [first, last] : frames) {
    Grid grid(100, 45);
    for (int i = first; i <= last; ++i) {
      grid.Put(i % 100, i / 100, U'#', Xterm256Color(i % 16), Xterm256Color(i / 16));
    }
    frontend->Present(grid);
    for (int i = first; i <= last; ++i) {
      const ScreenCell cell = CellAt(i % 100, i / 100);
      ASSERT_EQ(cell.ch, U'#') << i;
      ASSERT_TRUE(last - first == 255 || cell.fg + 16 * cell.bg == i) << i;
    }
  }
}

TEST_F(TerminalFrontendTest, RefusesAnUnknownTerminalType) {
  std::string error;
  EXPECT_EQ(TerminalFrontend::Open(pty_.Options("zaldrun-no-such-terminal"), &error), nullptr);
  EXPECT_NE(error.find("zaldrun-no-such-terminal"), std::string::npos) << error;
}

}  // namespace
}  // namespace platform
