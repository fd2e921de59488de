// Where the main window's parts sit on the cell grid.
#pragma once

namespace zaldrun::layout {

inline constexpr int kGridWidth = 100;
inline constexpr int kGridHeight = 45;

inline constexpr int kMenuRow = 0;  // the menu bar (and the caption where there is no title bar)

inline constexpr int kMessageRow = 1;  // the message line: 3 rows of the map's width
inline constexpr int kMessageRows = 3;
inline constexpr int kMessageWidth = 80;

inline constexpr int kMapLeft = 0;
inline constexpr int kMapTop = 4;
inline constexpr int kMapWidth = 80;
inline constexpr int kMapHeight = 40;

inline constexpr int kPanelLeft = 81;  // the status labels to the right of the map
inline constexpr int kPanelWidth = kGridWidth - kPanelLeft;
inline constexpr int kStatusTop = 5;
inline constexpr int kPlaceTop = 10;  // where the hero is: two rows under the status labels
inline constexpr int kPlaceRows = 2;
inline constexpr int kConditionTop = 12;
inline constexpr int kChatTop = 22;

inline constexpr int kHintRow = 44;  // one line of key hints under the map

}  // namespace zaldrun::layout
