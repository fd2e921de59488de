// The terminal front end on a real pseudo-terminal: the test types into the master side and reads
// what curses wrote; the screen contents are read back from curses.
#include "platform/terminal/terminal_frontend.hpp"

#include <gtest/gtest.h>

#define NCURSES_NOMACROS
#include <curses.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <span>
#include <string>
#include <thread>

#include "state/utf8.hpp"

namespace platform {
namespace {

class Pty {
 public:
  Pty(int columns, int lines) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    EXPECT_GE(master_, 0);
    grantpt(master_);
    unlockpt(master_);
    slave_ = open(ptsname(master_), O_RDWR | O_NOCTTY);
    EXPECT_GE(slave_, 0);
    Resize(columns, lines);
    output_ = fdopen(dup(slave_), "w");
    input_ = fdopen(dup(slave_), "r");
    // Someone must drain the master, or curses blocks once the pty's buffer is full.
    reader_ = std::thread([this] { ReadLoop(); });
  }
  ~Pty() {
    StopReading();
    fclose(output_);
    fclose(input_);
    close(slave_);
    if (master_ >= 0) close(master_);
  }

  TerminalOptions Options(const std::string& term) const {
    TerminalOptions options;
    options.output = output_;
    options.input = input_;
    options.term = term;
    options.guard_signals = false;
    options.mouse = false;
    return options;
  }

  void Type(std::string_view bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  void Resize(int columns, int lines) {
    winsize size{};
    size.ws_col = static_cast<unsigned short>(columns);
    size.ws_row = static_cast<unsigned short>(lines);
    ioctl(master_, TIOCSWINSZ, &size);
  }
  // Everything written since the last call, once the output has settled.
  std::string TakeOutput() {
    size_t seen = static_cast<size_t>(-1);
    for (;;) {
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
      std::lock_guard lock(mutex_);
      if (text_.size() == seen) break;
      seen = text_.size();
    }
    std::lock_guard lock(mutex_);
    return std::exchange(text_, std::string());
  }
  // The terminal goes away: reads of the slave side fail from now on.
  void HangUp() {
    StopReading();
    close(master_);
    master_ = -1;
  }
  termios Modes() const {
    termios modes{};
    tcgetattr(slave_, &modes);
    return modes;
  }

 private:
  void ReadLoop() {
    while (!stop_) {
      pollfd poll_fd{master_, POLLIN, 0};
      if (poll(&poll_fd, 1, 10) <= 0 || (poll_fd.revents & POLLIN) == 0) continue;
      char buffer[4096];
      const ssize_t n = read(master_, buffer, sizeof buffer);
      if (n <= 0) continue;
      std::lock_guard lock(mutex_);
      text_.append(buffer, static_cast<size_t>(n));
    }
  }
  void StopReading() {
    stop_ = true;
    if (reader_.joinable()) reader_.join();
  }

  int master_ = -1;
  int slave_ = -1;
  FILE* output_ = nullptr;
  FILE* input_ = nullptr;
  std::thread reader_;
  std::atomic<bool> stop_ = false;
  std::mutex mutex_;
  std::string text_;
};

// Ends the test program if a key never arrives, instead of leaving it blocked in NextKey.
class HangGuard {
 public:
  HangGuard() { alarm(60); }
  ~HangGuard() { alarm(0); }
  HangGuard(const HangGuard&) = delete;
  HangGuard& operator=(const HangGuard&) = delete;
};

std::unique_ptr<TerminalFrontend> OpenOn(const TerminalOptions& options) {
  std::string error;
  auto frontend = TerminalFrontend::Open(options, &error);
  EXPECT_NE(frontend, nullptr) << error;
  return frontend;
}

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

std::string Repeat(std::string_view text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

Grid SampleGrid() {
  Grid grid(100, 45);
  grid.Clear();
  grid.Frame(0, 0, 100, 45, colors::kWhite, colors::kNavy);
  grid.PutText(2, 1, "Залдрун: проверка", colors::kRed, colors::kBlack);
  grid.PutText(2, 44, "нижняя строка", colors::kYellow, colors::kBlack);
  return grid;
}

TEST(TerminalFrontend, DirectColourTerminalGetsExactColours) {
  Pty pty(110, 50);
  auto frontend = OpenOn(pty.Options("xterm-direct"));
  EXPECT_EQ(frontend->color_mode(), ColorMode::kDirect);
  pty.TakeOutput();
  frontend->Present(SampleGrid());
  const std::string output = pty.TakeOutput();
  EXPECT_NE(output.find("Залдрун: проверка"), std::string::npos);
  EXPECT_NE(output.find("38:2::255:0:0"), std::string::npos);  // red text
  EXPECT_NE(output.find("48:2::0:1:0"), std::string::npos);    // black, lifted off the palette
  EXPECT_NE(output.find("48:2::0:1:128"), std::string::npos);  // navy frame
  EXPECT_EQ(ScreenRow(1), "│ Залдрун: проверка" + std::string(80, ' ') + "│");
  EXPECT_EQ(CellAt(2, 1).fg, 0xFF0000);
}

TEST(TerminalFrontend, PaletteTerminalsGetTheNearestColour) {
  {
    Pty pty(110, 50);
    auto frontend = OpenOn(pty.Options("xterm-256color"));
    EXPECT_EQ(frontend->color_mode(), ColorMode::k256);
    frontend->Present(SampleGrid());
    EXPECT_NE(pty.TakeOutput().find("38;5;196"), std::string::npos);
    EXPECT_EQ(CellAt(0, 0).bg, 18);  // navy: cube blue 135
  }
  {
    Pty pty(110, 50);
    auto frontend = OpenOn(pty.Options("xterm"));
    EXPECT_EQ(frontend->color_mode(), ColorMode::kEight);
    frontend->Present(SampleGrid());
    const ScreenCell yellow = CellAt(2, 44);
    EXPECT_EQ(yellow.fg, 3);
    EXPECT_NE(yellow.attr & A_BOLD, 0u);
    EXPECT_EQ(CellAt(0, 0).bg, 4);
  }
  {
    Pty pty(110, 50);
    auto frontend = OpenOn(pty.Options("vt100"));
    EXPECT_EQ(frontend->color_mode(), ColorMode::kMonochrome);
    Grid grid = SampleGrid();
    grid.PutText(2, 3, "выбрано", colors::kBlack, colors::kLightGray);
    frontend->Present(grid);
    EXPECT_NE(CellAt(2, 3).attr & A_REVERSE, 0u);
    EXPECT_EQ(CellAt(2, 1).attr & A_REVERSE, 0u);
    EXPECT_EQ(ScreenRow(3), "│ выбрано" + std::string(90, ' ') + "│");
  }
}

TEST(TerminalFrontend, DrawsOnlyTheCellsThatChanged) {
  Pty pty(110, 50);
  auto frontend = OpenOn(pty.Options("xterm-256color"));
  Grid grid = SampleGrid();
  frontend->Present(grid);
  EXPECT_EQ(frontend->cells_drawn(), 110 * 50);
  pty.TakeOutput();

  frontend->Present(grid);
  EXPECT_EQ(frontend->cells_drawn(), 0);
  EXPECT_EQ(pty.TakeOutput().find("Залдрун"), std::string::npos);

  grid.PutText(10, 20, "ёж", colors::kGreen, colors::kBlack);
  grid.At(50, 30).fg = colors::kYellow;  // a colour change alone is a change
  frontend->Present(grid);
  EXPECT_EQ(frontend->cells_drawn(), 3);
  EXPECT_NE(pty.TakeOutput().find("ёж"), std::string::npos);
  EXPECT_EQ(ScreenRow(20), "│" + std::string(9, ' ') + "ёж" + std::string(87, ' ') + "│");
}

TEST(TerminalFrontend, SmallTerminalGetsANoticeAndTheFullGridAfterGrowing) {
  const HangGuard guard;
  Pty pty(80, 24);
  auto frontend = OpenOn(pty.Options("xterm-256color"));
  const Grid grid = SampleGrid();
  frontend->Present(grid);
  EXPECT_EQ(ScreenRow(1), "│ Залдрун: проверка");
  EXPECT_EQ(ScreenRow(23), "Окно терминала мало: нужно 100 x 45, сейчас 80 x 24");

  pty.Resize(110, 50);
  raise(SIGWINCH);  // the kernel signals only the pty's own foreground process group
  pty.Type("x");
  EXPECT_EQ(frontend->NextKey().code, 'X');
  EXPECT_EQ(frontend->cells_drawn(), 110 * 50);
  EXPECT_EQ(ScreenRow(44), "└─нижняя строка" + Repeat("─", 84) + "┘");
  EXPECT_EQ(ScreenRow(49), "");

  // Shrinking again brings the notice back instead of breaking.
  pty.Resize(60, 20);
  raise(SIGWINCH);
  pty.Type("y");
  EXPECT_EQ(frontend->NextKey().code, 'Y');
  EXPECT_EQ(ScreenRow(19), "Окно терминала мало: нужно 100 x 45, сейчас 60 x 20");
}

struct TypedCase {
  std::string bytes;
  int code;
  char32_t ch;
  bool ctrl = false;
  bool alt = false;
};

void ExpectKeys(TerminalFrontend& frontend, Pty& pty, std::span<const TypedCase> cases) {
  for (const TypedCase& typed : cases) {
    pty.Type(typed.bytes);
    const Key key = frontend.NextKey();
    const std::string shown = "ESC" + typed.bytes.substr(typed.bytes[0] == '\033' ? 1 : 0);
    EXPECT_EQ(key.kind, KeyKind::kKey) << shown;
    EXPECT_EQ(key.code, typed.code) << shown;
    EXPECT_EQ(key.ch, typed.ch) << shown;
    EXPECT_EQ(key.ctrl, typed.ctrl) << shown;
    EXPECT_EQ(key.alt, typed.alt) << shown;
  }
}

TEST(TerminalFrontend, KeysArriveTranslatedOnEveryTerminalType) {
  const HangGuard guard;
  // clang-format off
  const TypedCase cases[] = {
      {"\033[A", keys::kUp, 0},        {"\033OB", keys::kDown, 0},
      {"\033Ow", keys::kHome, 0},      {"\033Ox", keys::kUp, 0},
      {"\033Oy", keys::kPageUp, 0},    {"\033Ot", keys::kLeft, 0},
      {"\033Ou", keys::kClear, 0},     {"\033Ov", keys::kRight, 0},
      {"\033Oq", keys::kEnd, 0},       {"\033Or", keys::kDown, 0},
      {"\033Os", keys::kPageDown, 0},  {"\033OE", keys::kClear, 0},
      {"\033[E", keys::kClear, 0},     {"\033OM", keys::kEnter, U'\r'},
      {"\033[1~", keys::kHome, 0},     {"\033[4~", keys::kEnd, 0},
      {"\033[5~", keys::kPageUp, 0},   {"\033[6~", keys::kPageDown, 0},
      {"\033[3~", keys::kDelete, 0},   {"\r", keys::kEnter, U'\r'},
      {"\177", keys::kBackspace, 8},   {"\t", keys::kTab, 9},
      {" ", keys::kSpace, U' '},       {"ж", 0, U'ж'},
      {"Ё", 0, U'Ё'},                  {"q", 'Q', U'q'},
      {"\005", 'E', 5, true},          {"\021", 'Q', 17, true},
      {"\023", 'S', 19, true},         {"\033d", 'D', U'd', false, true},
      {"\033Oj", 0, U'*'},             {"\033Op", '0', U'0'},
  };
  // clang-format on

  // tmux-256color describes no keypad at all; vt100 and putty call keypad 1 "ka1" and vt100
  // makes keypad keys function keys. The keypad must mean the same everywhere.
  for (const char* term : {"tmux-256color", "xterm-256color", "putty-256color", "vt100"}) {
    SCOPED_TRACE(term);
    Pty pty(110, 50);
    auto frontend = OpenOn(pty.Options(term));
    frontend->Present(SampleGrid());
    ExpectKeys(*frontend, pty, cases);
    pty.Type("ж");
    EXPECT_EQ(frontend->NextKey().cp1251, 0xE6);
  }
}

TEST(TerminalFrontend, FunctionAndModifiedKeysOfXterm) {
  const HangGuard guard;
  const TypedCase cases[] = {
      {"\033OP", keys::kF1, 0},
      {"\033[21~", keys::kF10, 0},
      {"\033[1;5A", keys::kUp, 0, true},
      {"\033[1;3D", keys::kLeft, 0, false, true},
  };
  for (const char* term : {"xterm-256color", "tmux-256color"}) {
    SCOPED_TRACE(term);
    Pty pty(110, 50);
    auto frontend = OpenOn(pty.Options(term));
    ExpectKeys(*frontend, pty, cases);
  }
}

TEST(TerminalFrontend, EscapeAltAndUnknownSequences) {
  const HangGuard guard;
  Pty pty(110, 50);
  auto frontend = OpenOn(pty.Options("xterm-256color"));
  pty.Type("\033");
  const Key escape = frontend->NextKey();
  EXPECT_EQ(escape.code, keys::kEscape);
  EXPECT_EQ(escape.ch, 27u);
  pty.Type("q");
  const Key q = frontend->NextKey();
  EXPECT_EQ(q.code, 'Q');
  EXPECT_FALSE(q.alt);
  // Two escapes in one burst are two Escape keys, not one Alt+Escape.
  pty.Type("\033\033");
  EXPECT_EQ(frontend->NextKey().code, keys::kEscape);
  EXPECT_EQ(frontend->NextKey().code, keys::kEscape);
  // Sequences curses does not know vanish whole instead of typing their letters.
  pty.Type("\033[99;7~\033[I\033OZz");
  const Key z = frontend->NextKey();
  EXPECT_EQ(z.code, 'Z');
  EXPECT_FALSE(z.alt);
  pty.Type("\033[");
  const Key alt_bracket = frontend->NextKey();
  EXPECT_EQ(alt_bracket.ch, U'[');
  EXPECT_TRUE(alt_bracket.alt);
}

TEST(TerminalFrontend, LeftClickGivesTheCell) {
  const HangGuard guard;
  Pty pty(110, 50);
  TerminalOptions options = pty.Options("xterm-256color");
  options.mouse = true;
  auto frontend = OpenOn(options);
  frontend->Present(SampleGrid());
  pty.Type("\033[<0;6;4M\033[<0;6;4m");  // press and release at column 6, row 4
  const Key click = frontend->NextKey();
  EXPECT_EQ(click.kind, KeyKind::kMouseClick);
  EXPECT_EQ(click.x, 5);
  EXPECT_EQ(click.y, 3);
  pty.Type("\033[<0;106;4Mz");  // outside the grid: no click
  EXPECT_EQ(frontend->NextKey().code, 'Z');
}

TEST(TerminalFrontend, EndOfInputEndsTheGame) {
  const HangGuard guard;
  Pty pty(110, 50);
  auto frontend = OpenOn(pty.Options("xterm-256color"));
  frontend->Present(SampleGrid());
  pty.HangUp();
  EXPECT_THROW(frontend->NextKey(), InputEnded);
}

TEST(TerminalFrontend, HangupSignalAsksToCloseThenEndsInput) {
  const HangGuard guard;
  Pty pty(110, 50);
  TerminalOptions options = pty.Options("xterm-256color");
  options.guard_signals = true;
  auto frontend = OpenOn(options);
  raise(SIGHUP);
  EXPECT_EQ(frontend->NextKey().kind, KeyKind::kCloseRequest);
  EXPECT_THROW(frontend->NextKey(), InputEnded);
}

TEST(TerminalFrontend, TerminalModesComeBackWhenClosed) {
  Pty pty(110, 50);
  ASSERT_NE(pty.Modes().c_lflag & ECHO, 0u);
  {
    auto frontend = OpenOn(pty.Options("xterm-256color"));
    frontend->Present(SampleGrid());
    const termios raw = pty.Modes();
    EXPECT_EQ(raw.c_lflag & (ECHO | ICANON | ISIG), 0u);
    EXPECT_EQ(raw.c_iflag & IXON, 0u);  // Ctrl+S and Ctrl+Q must reach the game
  }
  const termios restored = pty.Modes();
  EXPECT_NE(restored.c_lflag & ECHO, 0u);
  EXPECT_NE(restored.c_lflag & ICANON, 0u);
  EXPECT_NE(restored.c_lflag & ISIG, 0u);
}

TEST(TerminalFrontend, RunsOutOfColourPairsAndStartsOver) {
  // xterm-16color has 255 pairs for 256 combinations of its colours.
  Pty pty(110, 50);
  auto frontend = OpenOn(pty.Options("xterm-16color"));
  ASSERT_EQ(frontend->color_mode(), ColorMode::kSixteen);
  auto paint = [](int first, int last) {
    Grid grid(100, 45);
    for (int i = first; i <= last; ++i) {
      grid.Put(i % 100, i / 100, U'#', Xterm256Color(i % 16), Xterm256Color(i / 16));
    }
    return grid;
  };
  auto expect_shown = [](int first, int last) {
    for (int i = first; i <= last; ++i) {
      const ScreenCell cell = CellAt(i % 100, i / 100);
      ASSERT_EQ(cell.fg, i % 16) << i;
      ASSERT_EQ(cell.bg, i / 16) << i;
    }
  };
  frontend->Present(paint(0, 199));
  expect_shown(0, 199);
  frontend->Present(paint(100, 255));  // 56 more combinations than pairs are left
  expect_shown(100, 255);
  EXPECT_EQ(frontend->cells_drawn(), 110 * 50);
  // One frame with more combinations than pairs: drawn anyway, the surplus in default colours.
  frontend->Present(paint(0, 255));
  EXPECT_EQ(CellAt(0, 0).ch, U'#');
  EXPECT_EQ(CellAt(55, 2).ch, U'#');
}

TEST(TerminalFrontend, RefusesWithoutATerminal) {
  const int saved_stdin = dup(STDIN_FILENO);
  const int null_fd = open("/dev/null", O_RDONLY);
  dup2(null_fd, STDIN_FILENO);
  std::string error;
  auto frontend = CreateTerminalFrontend(&error);
  dup2(saved_stdin, STDIN_FILENO);
  close(saved_stdin);
  close(null_fd);
  EXPECT_EQ(frontend, nullptr);
  EXPECT_NE(error.find("терминал"), std::string::npos) << error;
}

TEST(TerminalFrontend, RefusesUnknownTerminalTypeAndASecondTerminal) {
  Pty pty(110, 50);
  std::string error;
  EXPECT_EQ(TerminalFrontend::Open(pty.Options("zaldrun-no-such-terminal"), &error), nullptr);
  EXPECT_NE(error.find("zaldrun-no-such-terminal"), std::string::npos) << error;

  auto first = OpenOn(pty.Options("xterm-256color"));
  error.clear();
  EXPECT_EQ(TerminalFrontend::Open(pty.Options("xterm-256color"), &error), nullptr);
  EXPECT_FALSE(error.empty());
}

TEST(TerminalFrontend, TitleIsOnlyRememberedAndBeepRings) {
  Pty pty(110, 50);
  auto frontend = OpenOn(pty.Options("xterm-256color"));
  frontend->SetTitle("Залдрун");
  EXPECT_EQ(frontend->title(), "Залдрун");
  EXPECT_FALSE(frontend->HasTitleBar());
  pty.TakeOutput();
  frontend->Beep();
  EXPECT_NE(pty.TakeOutput().find('\a'), std::string::npos);
}

}  // namespace
}  // namespace platform
