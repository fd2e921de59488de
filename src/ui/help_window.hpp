// The help window: every command with the key it is bound to now, the keys of the prompts, the
// mouse, and what the map's symbols mean in their colours.
#pragma once

#include <vector>

#include "ui/text_pager.hpp"

namespace zaldrun {

struct Game;
class Screen;

std::vector<PagerLine> HelpLines(const Game& game);
void RunHelpWindow(const Game& game, Screen& screen);

}  // namespace zaldrun
