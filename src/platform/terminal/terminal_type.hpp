// Looking a terminal type up in terminfo before curses starts on it.
#pragma once

namespace platform {

// Whether terminfo describes the terminal type. newterm reports an unknown type too, but leaks
// the screen it had begun to set up; this lookup frees everything it loads.
bool TerminalTypeKnown(const char* term, int output_fd);

}  // namespace platform
