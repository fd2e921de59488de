// The end screen: how the hero's game ended (dead, quit or saved), who he was, where he stood and
// what he did, shown in the main window before the main menu comes back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zaldrun {

struct Game;
class Screen;

inline constexpr const char* kEndTitle = "Конец игры";
inline constexpr const char* kSavedTitle = "Игра сохранена";

// The screen's lines for the game as it ended: `record_file` is the character record written
// (empty when none), `report` what went wrong on the way (empty when nothing did).
std::vector<std::string> EndScreenLines(const Game& game, std::string_view record_file,
                                        std::string_view report);

// Shows the lines until Enter, Space, Escape, a click on OK or a close request.
void RunEndScreen(Screen& screen, std::string_view title, const std::vector<std::string>& lines);

}  // namespace zaldrun
