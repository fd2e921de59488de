// The modal message box: a title, a text and an OK button, drawn over everything else.
#pragma once

#include <string_view>

namespace zaldrun {

class Layer;
class Screen;
namespace ui {
struct Rect;
}

// Shows the box until Enter, Space, Escape or a click on OK.
void RunMessageBox(Screen& screen, std::string_view text, std::string_view title);

// Shows a layer with one OK button (drawn at `ok`) until Enter, Space, Escape or a click on it.
// A window that the close button may end (`closes_on_request`) also ends on a close request.
void RunOkDialog(Screen& screen, const Layer& layer, const ui::Rect& ok, bool closes_on_request);

}  // namespace zaldrun
