// Terminal front end: ncursesw, 24-bit colour where the terminal has it, 256 colours otherwise.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "platform/frontend.hpp"
#include "platform/terminal/terminal_colors.hpp"

namespace platform {

// Takes over the terminal (restored when the front end is destroyed). Returns nothing, with a
// message for the player in *error, when standard input/output is not a terminal.
std::unique_ptr<Frontend> CreateTerminalFrontend(std::string* error);

// Where and how the terminal front end opens curses. The defaults are the program's own terminal.
struct TerminalOptions {
  FILE* output = nullptr;  // standard output when null
  FILE* input = nullptr;   // standard input when null
  std::string term;        // terminal type; $TERM when empty
  // The size to assume when the output is not a terminal (benchmarks); 0 keeps curses' idea.
  int columns = 0;
  int lines = 0;
  // Restore the terminal on fatal signals; SIGHUP, SIGTERM and SIGINT become a hang-up.
  bool guard_signals = true;
  bool mouse = true;
};

class TerminalFrontend : public Frontend {
 public:
  // Only one terminal front end can be open at a time.
  static std::unique_ptr<TerminalFrontend> Open(const TerminalOptions& options, std::string* error);
  ~TerminalFrontend() override;
  TerminalFrontend(const TerminalFrontend&) = delete;
  TerminalFrontend& operator=(const TerminalFrontend&) = delete;

  // Draws the cells that changed since the last frame; everything after a resize.
  void Present(const Grid& grid) override;
  // Blocks for the next key; redraws on resize. After a hang-up signal, or once the terminal is
  // gone (reads keep failing), every call returns a hang-up at once.
  Key NextKey() override;
  // A read without waiting; what it finds is put back for NextKey.
  bool KeyWaiting() override;
  void SleepMs(int ms) override;
  void Beep() override;
  void SetTitle(const std::string& utf8) override { title_ = utf8; }
  bool HasTitleBar() const override { return false; }

  const std::string& title() const { return title_; }
  ColorMode color_mode() const;
  // Cells handed to curses by the last redraw (tests of the change tracking).
  int cells_drawn() const;

 private:
  struct State;
  explicit TerminalFrontend(std::unique_ptr<State> state);

  bool HungUp() const;
  void Draw();
  bool DrawCells(const Grid& wanted, const Grid* shown, bool allow_default_pair);
  // Escape, Alt+key, or nothing for an unknown escape sequence.
  std::optional<Key> EscapeOrAlt();
  std::optional<char32_t> ReadBufferedChar();
  std::optional<Key> ReadClick();

  std::unique_ptr<State> state_;
  std::string title_;
};

}  // namespace platform
