// The modal message box: a title, a text and an OK button, drawn over everything else.
#pragma once

#include <string_view>

namespace zaldrun {

class Screen;

// Shows the box until Enter, Space, Escape or a click on OK.
void RunMessageBox(Screen& screen, std::string_view text, std::string_view title);

}  // namespace zaldrun
