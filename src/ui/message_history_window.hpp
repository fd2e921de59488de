// The window of past messages: this session's messages, newest at the bottom, in their colours.
#pragma once

#include <vector>

#include "ui/text_pager.hpp"

namespace zaldrun {

struct Game;
class Screen;

// The history as the window's lines: each message wrapped to the window, oldest first.
std::vector<PagerLine> MessageHistoryLines(const Game& game);
void RunMessageHistoryWindow(const Game& game, Screen& screen);

}  // namespace zaldrun
