#define NCURSES_NOMACROS
#include "platform/terminal/terminal_frontend.hpp"

#include <curses.h>
#include <langinfo.h>
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/hangup_signals.hpp"
#include "platform/terminal/terminal_keys.hpp"
#include "platform/terminal/terminal_layout.hpp"
#include "platform/terminal/terminal_signals.hpp"
#include "platform/terminal/terminal_type.hpp"

namespace platform {
namespace {

// A blocking read fails only when the terminal is gone; a few failures in a row can be signals.
constexpr int kReadErrorLimit = 64;
// ESC followed by a letter within this time is Alt+letter; a lone Escape is reported after it.
constexpr int kEscapeDelayMs = 25;
// A wait for a key looks for a hang-up this often: a signal that came just before the read began
// does not wake it.
constexpr int kHangupCheckMs = 200;

TerminalFrontend* g_open_frontend = nullptr;

// curses converts the grid's characters to the locale's encoding; plain ASCII would lose all of
// Russian. A bare C locale (containers, cron, ssh without LANG) gets C.UTF-8; KOI8-R and
// CP1251 locales are kept, they have the letters. Only LC_CTYPE: the rest would make printf and
// strtod use a decimal comma under a Russian locale.
void UseUtf8CharacterType() {
  std::setlocale(LC_CTYPE, "");
  if (std::strcmp(nl_langinfo(CODESET), "ANSI_X3.4-1968") == 0) {
    std::setlocale(LC_CTYPE, "C.UTF-8");
  }
}

void BindExtraKeys() {
  for (const KeySequence& sequence : ExtraKeySequences()) {
    if (sequence.overrides || key_defined(sequence.sequence) == 0) {
      define_key(sequence.sequence, sequence.code);
    }
  }
}

uint64_t StyleKey(const Cell& cell) {
  return (static_cast<uint64_t>(ToPackedBgr(cell.fg)) << 32) | ToPackedBgr(cell.bg);
}

int Brightness(Color c) { return 299 * c.r + 587 * c.g + 114 * c.b; }

}  // namespace

struct TerminalFrontend::State {
  struct Style {
    int pair = 0;
    attr_t attr = A_NORMAL;
  };

  SCREEN* screen = nullptr;
  bool guards = false;
  bool mouse = false;
  ColorMode mode = ColorMode::kMonochrome;
  PairCache pairs{0};
  std::unordered_map<uint64_t, Style> styles;  // (fg, bg) of the grid -> curses pair
  std::optional<Grid> last;                    // the game's latest grid
  std::optional<Grid> shown;                   // what stdscr holds now
  bool repaint = true;
  bool clear_terminal = false;
  int cells_drawn = 0;
  int read_errors = 0;
  bool terminal_gone = false;  // reads keep failing: nobody is there to answer
  std::vector<cchar_t> run;

  std::optional<Style> StyleFor(const Cell& cell);
};

std::optional<TerminalFrontend::State::Style> TerminalFrontend::State::StyleFor(const Cell& cell) {
  const uint64_t key = StyleKey(cell);
  if (auto it = styles.find(key); it != styles.end()) return it->second;
  Style style;
  if (mode == ColorMode::kMonochrome) {
    // Without colours a light background (a highlighted line) is shown in reverse video.
    if (Brightness(cell.bg) > Brightness(cell.fg)) style.attr = A_REVERSE;
  } else {
    const TermColor fg = MapForeground(mode, cell.fg);
    const TermColor bg = MapBackground(mode, cell.bg);
    const std::optional<PairCache::Slot> slot = pairs.Find(fg.number, bg.number);
    if (!slot) return std::nullopt;
    if (slot->is_new) init_extended_pair(slot->pair, fg.number, bg.number);
    style.pair = slot->pair;
    if (fg.bold) style.attr = A_BOLD;
  }
  styles.emplace(key, style);
  return style;
}

std::unique_ptr<Frontend> CreateTerminalFrontend(std::string* error) {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    if (error) {
      *error =
          "Для игры в терминале нужен терминал: стандартный ввод и вывод не должны быть "
          "перенаправлены в файл или канал.";
    }
    return nullptr;
  }
  return TerminalFrontend::Open(TerminalOptions{}, error);
}

std::unique_ptr<TerminalFrontend> TerminalFrontend::Open(const TerminalOptions& options,
                                                         std::string* error) {
  auto fail = [error](std::string message) -> std::unique_ptr<TerminalFrontend> {
    if (error) *error = std::move(message);
    return nullptr;
  };
  if (g_open_frontend) return fail("Терминал уже занят игрой.");
  const char* term = options.term.empty() ? std::getenv("TERM") : options.term.c_str();
  if (!term || !*term) return fail("Тип терминала неизвестен: переменная TERM не задана.");

  FILE* const output = options.output ? options.output : stdout;
  FILE* const input = options.input ? options.input : stdin;
  const std::string unknown = std::string("Терминал «") + term +
                              "» не описан в terminfo; задайте другой TERM, например "
                              "xterm-256color.";
  if (!TerminalTypeKnown(term, fileno(output))) return fail(unknown);

  UseUtf8CharacterType();
  auto state = std::make_unique<State>();
  state->screen = newterm(term, output, input);
  if (!state->screen) return fail(unknown);
  set_term(state->screen);
  if (options.columns > 0 && options.lines > 0) resize_term(options.lines, options.columns);

  raw();  // Ctrl+Q, Ctrl+S, Ctrl+C and Ctrl+Z arrive as keys
  noecho();
  nonl();
  meta(stdscr, TRUE);
  keypad(stdscr, TRUE);
  wtimeout(stdscr, kHangupCheckMs);
  set_escdelay(kEscapeDelayMs);
  curs_set(0);
  leaveok(stdscr, TRUE);
  BindExtraKeys();

  if (has_colors()) start_color();
  state->mode = ColorModeFor(has_colors(), COLORS);
  state->pairs = PairCache(state->mode == ColorMode::kMonochrome ? 0 : COLOR_PAIRS - 1);
  if (options.mouse) {
    state->mouse = mousemask(BUTTON1_PRESSED, nullptr) != 0;
    mouseinterval(0);  // report presses at once instead of waiting to see a click
  }
  state->guards = options.guard_signals;
  if (state->guards) InstallTerminalGuards();
  SetCursesActive(true);

  auto frontend = std::unique_ptr<TerminalFrontend>(new TerminalFrontend(std::move(state)));
  g_open_frontend = frontend.get();
  return frontend;
}

TerminalFrontend::TerminalFrontend(std::unique_ptr<State> state) : state_(std::move(state)) {}

TerminalFrontend::~TerminalFrontend() {
  set_term(state_->screen);
  if (state_->mouse) mousemask(0, nullptr);
  curs_set(1);
  endwin();
  SetCursesActive(false);
  delscreen(state_->screen);
  if (state_->guards) RemoveTerminalGuards();
  g_open_frontend = nullptr;
}

ColorMode TerminalFrontend::color_mode() const { return state_->mode; }

int TerminalFrontend::cells_drawn() const { return state_->cells_drawn; }

void TerminalFrontend::Present(const Grid& grid) {
  state_->last = grid;
  Draw();
}

void TerminalFrontend::Draw() {
  if (!state_->last) return;
  State& s = *state_;
  Grid wanted = ComposeScreen(*s.last, getmaxx(stdscr), getmaxy(stdscr));
  // The second pass runs after the colour pairs ran out: it starts over with fresh pairs, and
  // should even one frame need more pairs than the terminal has, the rest get default colours.
  for (int pass = 0; pass < 2; ++pass) {
    const bool full = s.repaint || !s.shown || s.shown->width() != wanted.width() ||
                      s.shown->height() != wanted.height();
    if (full) {
      werase(stdscr);
      if (s.clear_terminal) clearok(curscr, TRUE);
    }
    if (DrawCells(wanted, full ? nullptr : &*s.shown, pass == 1)) break;
    s.pairs.Reset();
    s.styles.clear();
    s.repaint = true;
    s.clear_terminal = true;  // cells on screen still carry the old meaning of the pair numbers
  }
  s.shown = std::move(wanted);
  s.repaint = false;
  s.clear_terminal = false;
  wnoutrefresh(stdscr);
  doupdate();
}

bool TerminalFrontend::DrawCells(const Grid& wanted, const Grid* shown, bool allow_default_pair) {
  State& s = *state_;
  s.cells_drawn = 0;
  for (int y = 0; y < wanted.height(); ++y) {
    int x = 0;
    while (x < wanted.width()) {
      if (shown && shown->At(x, y) == wanted.At(x, y)) {
        ++x;
        continue;
      }
      // A run of changed cells goes to curses in one call.
      const int start = x;
      s.run.clear();
      for (; x < wanted.width() && !(shown && shown->At(x, y) == wanted.At(x, y)); ++x) {
        const Cell& cell = wanted.At(x, y);
        std::optional<State::Style> style = s.StyleFor(cell);
        if (!style) {
          if (!allow_default_pair) return false;
          style = State::Style{};
        }
        const wchar_t text[2] = {static_cast<wchar_t>(cell.ch), L'\0'};
        cchar_t out{};
        setcchar(&out, text, style->attr, 0, &style->pair);
        s.run.push_back(out);
      }
      // add_wchnstr neither moves the cursor nor scrolls, so the bottom right cell is safe.
      mvwadd_wchnstr(stdscr, y, start, s.run.data(), static_cast<int>(s.run.size()));
      s.cells_drawn += static_cast<int>(s.run.size());
    }
  }
  return true;
}

bool TerminalFrontend::HungUp() const {
  return state_->terminal_gone || (state_->guards && HangupSignalled());
}

Key TerminalFrontend::NextKey() {
  State& s = *state_;
  set_term(s.screen);
  for (;;) {
    if (HungUp()) return Key::Of(KeyKind::kHangup);
    wint_t value = 0;
    const auto start = std::chrono::steady_clock::now();
    const int status = wget_wch(stdscr, &value);
    if (status == ERR) {
      // A read that waited out its time is no fault; a failing one comes back at once.
      const auto waited = std::chrono::steady_clock::now() - start;
      if (waited >= std::chrono::milliseconds(kHangupCheckMs / 2)) {
        s.read_errors = 0;
      } else if (++s.read_errors >= kReadErrorLimit) {
        s.terminal_gone = true;
      }
      continue;
    }
    s.read_errors = 0;
    if (status == KEY_CODE_YES) {
      const int code = static_cast<int>(value);
      if (code == KEY_RESIZE) {
        // curses has taken the new size; the terminal's old contents are not to be trusted.
        s.repaint = true;
        s.clear_terminal = true;
        Draw();
        continue;
      }
      if (code == KEY_MOUSE) {
        if (std::optional<Key> click = ReadClick()) return *click;
        continue;
      }
      const char* name = keyname(code);
      if (std::optional<Key> key = TranslateKeyCode(code, name ? name : "")) return *key;
      continue;
    }
    const auto ch = static_cast<char32_t>(value);
    std::optional<Key> key = ch == 27 ? EscapeOrAlt() : TranslateTypedChar(ch);
    if (key) return *key;
  }
}

bool TerminalFrontend::KeyWaiting() {
  set_term(state_->screen);
  if (HungUp()) return true;
  nodelay(stdscr, TRUE);
  wint_t value = 0;
  const int status = wget_wch(stdscr, &value);
  wtimeout(stdscr, kHangupCheckMs);
  if (status == KEY_CODE_YES) {
    ungetch(static_cast<int>(value));
  } else if (status == OK) {
    unget_wch(static_cast<wchar_t>(value));
  }
  return status != ERR;
}

// A character curses already holds, without waiting. A function key is left where it was.
std::optional<char32_t> TerminalFrontend::ReadBufferedChar() {
  nodelay(stdscr, TRUE);
  wint_t value = 0;
  const int status = wget_wch(stdscr, &value);
  wtimeout(stdscr, kHangupCheckMs);
  if (status == KEY_CODE_YES) ungetch(static_cast<int>(value));
  if (status != OK) return std::nullopt;
  return static_cast<char32_t>(value);
}

// In raw mode Alt+x arrives as ESC x. curses has already waited the escape delay for a known
// sequence, so whatever came with the ESC is in its buffer now.
std::optional<Key> TerminalFrontend::EscapeOrAlt() {
  const Key escape = *TranslateTypedChar(27);
  const std::optional<char32_t> next = ReadBufferedChar();
  if (!next) return escape;
  if (*next == U'[' || *next == U'O') {
    // A sequence curses does not know (Ctrl+Shift+arrows of some terminals, focus reports):
    // swallowed whole, so that its letters do not run as commands.
    std::optional<char32_t> more = ReadBufferedChar();
    if (more) {
      while (*next == U'[' && more && *more >= 0x20 && *more <= 0x3F) more = ReadBufferedChar();
      return std::nullopt;
    }
  }
  if (*next != 27) {
    if (std::optional<Key> key = TranslateTypedChar(*next)) {
      key->alt = true;
      return key;
    }
  }
  unget_wch(static_cast<wchar_t>(*next));
  return escape;
}

std::optional<Key> TerminalFrontend::ReadClick() {
  MEVENT event{};
  if (getmouse(&event) != OK) return std::nullopt;
  if ((event.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED)) == 0) return std::nullopt;
  if (!state_->last || !state_->last->Contains(event.x, event.y)) return std::nullopt;
  Key key;
  key.kind = KeyKind::kMouseClick;
  key.x = event.x;
  key.y = event.y;
  return key;
}

void TerminalFrontend::SleepMs(int ms) {
  // Nobody watches an animation after a hang-up.
  if (ms > 0 && !HungUp()) napms(ms);
}

void TerminalFrontend::Beep() { beep(); }

}  // namespace platform
