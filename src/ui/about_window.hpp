// The about window: the program's name in large letters and the credits.
#pragma once

namespace zaldrun {

class Screen;

// Shows the window until OK, Enter, Space, Escape or a close request.
void RunAboutWindow(Screen& screen);

}  // namespace zaldrun
