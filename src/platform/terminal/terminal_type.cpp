// term.h defines lower-case macros (lines, columns, ...), so it stays in this file alone.
#define NCURSES_NOMACROS
#include "platform/terminal/terminal_type.hpp"

#include <curses.h>
#include <term.h>

namespace platform {

bool TerminalTypeKnown(const char* term, int output_fd) {
  int status = 0;
  // setupterm fills in cur_term; keep what was there (nothing, unless curses is running).
  TERMINAL* const previous = cur_term;
  if (setupterm(term, output_fd, &status) != OK) return false;
  del_curterm(cur_term);
  set_curterm(previous);
  return status == 1;
}

}  // namespace platform
