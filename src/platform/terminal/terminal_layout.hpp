// What the terminal shows: the game's grid cut to the terminal's size, with a notice when it is
// too small.
#pragma once

#include <string>

#include "platform/grid.hpp"

namespace platform {

// "Окно терминала мало: нужно 100 x 45, сейчас 80 x 24".
std::string SmallTerminalNotice(int grid_width, int grid_height, int columns, int lines);

// The terminal's screen (columns x lines): the grid from the top left corner, blanks around it,
// and the notice on the last row when the grid does not fit.
Grid ComposeScreen(const Grid& grid, int columns, int lines);

// The character a terminal cell can show: code points that would take two columns, none, or
// move the cursor become '?' (blank for U+0000), so the columns after them stay in place.
char32_t PrintableChar(char32_t ch);

}  // namespace platform
