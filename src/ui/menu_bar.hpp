// The main window's menu on the top row: "Начать Игру", "Настройки", "Зал славы", "О программе",
// "Сообщения", "Выход".
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "platform/grid.hpp"
#include "platform/key.hpp"

namespace zaldrun {

enum class MenuItem { kNewGame, kSettings, kHallOfFame, kAbout, kMessages, kExit };
inline constexpr size_t kMenuItemCount = 6;

class MenuBar {
 public:
  // Draws the bar; the caption goes at the right end when the front end has no title bar.
  void Draw(platform::Grid& grid, bool show_caption) const;

  bool open() const { return open_; }
  // Opens the menu on its first item that can be chosen.
  void Open() {
    open_ = true;
    selected_ = 0;
    Step(+1, true);
  }
  void Close() { open_ = false; }
  // The caption of the item the open menu stands on.
  std::string_view SelectedCaption() const;

  // A disabled item is drawn grey and cannot be chosen ("Начать Игру" while a game runs).
  void SetEnabled(MenuItem item, bool enabled) { disabled_[static_cast<size_t>(item)] = !enabled; }
  bool Enabled(MenuItem item) const { return !disabled_[static_cast<size_t>(item)]; }

 private:
  // Moves the selection by `direction` past disabled items (staying when `here_first` and the
  // current item can be chosen).
  void Step(int direction, bool here_first);

 public:

  // Handles a key while the menu is open: arrows move, Enter chooses, Escape closes.
  // Returns the chosen item (the menu closes).
  std::optional<MenuItem> HandleKey(const platform::Key& key);
  // The item under a click on the bar, if any (the menu need not be open).
  std::optional<MenuItem> ItemAt(int x, int y) const;

 private:
  bool open_ = false;
  int selected_ = 0;
  std::array<bool, kMenuItemCount> disabled_{};
};

}  // namespace zaldrun
