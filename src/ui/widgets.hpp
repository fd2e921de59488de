// Small drawing pieces shared by the windows: frames with titles, buttons, wrapped text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/grid.hpp"

namespace zaldrun::ui {

namespace palette {
inline constexpr platform::Color kWindowBg{24, 28, 48};
inline constexpr platform::Color kWindowFg{200, 200, 200};
inline constexpr platform::Color kFrame{150, 150, 170};
inline constexpr platform::Color kTitle{255, 255, 120};
inline constexpr platform::Color kButtonBg{70, 70, 80};
inline constexpr platform::Color kFocusBg{0, 90, 160};
inline constexpr platform::Color kFocusFg{255, 255, 255};
inline constexpr platform::Color kLabel{160, 160, 160};
inline constexpr platform::Color kValue{230, 230, 230};
inline constexpr platform::Color kMenuBg{40, 40, 60};
}  // namespace palette

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;

  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

// A window of the given size centred on the grid.
Rect CentredRect(const platform::Grid& grid, int w, int h);
// A framed window with its title in the top border.
void DrawWindow(platform::Grid& grid, const Rect& rect, std::string_view title);
// A button "[ caption ]"; returns the cells it covers.
Rect DrawButton(platform::Grid& grid, int x, int y, std::string_view caption, bool focused);
int ButtonWidth(std::string_view caption);
// Text broken into lines of at most `width` characters, at blanks where possible.
std::vector<std::string> WrapText(std::string_view utf8, int width);
// Centres text of the given character count in a span; returns the first column.
int CentreColumn(int left, int span, size_t length);

}  // namespace zaldrun::ui
