#include "ui/menu_bar.hpp"

#include <array>
#include <string>

#include "base/utf8.hpp"
#include "ui/layout.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {
namespace {

struct Entry {
  MenuItem item;
  const char* caption;
};
constexpr std::array<Entry, kMenuItemCount> kEntries = {{{MenuItem::kNewGame, "Начать Игру"},
                                                         {MenuItem::kSettings, "Настройки"},
                                                         {MenuItem::kHallOfFame, "Зал славы"},
                                                         {MenuItem::kAbout, "О программе"},
                                                         {MenuItem::kMessages, "Сообщения"},
                                                         {MenuItem::kExit, "Выход"}}};
constexpr const char* kCaption = "Залдрун";
constexpr int kFirstColumn = 1;
constexpr platform::Color kDisabledFg{110, 110, 110};

// Column of each entry: entries are separated by one blank and padded by one on each side.
int EntryColumn(size_t index) {
  int column = kFirstColumn;
  for (size_t i = 0; i < index; ++i)
    column += static_cast<int>(Utf8Length(kEntries[i].caption)) + 3;
  return column;
}

}  // namespace

std::string_view MenuBar::SelectedCaption() const {
  return kEntries[static_cast<size_t>(selected_) % kEntries.size()].caption;
}

void MenuBar::Draw(platform::Grid& grid, bool show_caption) const {
  using ui::palette::kMenuBg;
  grid.Fill(0, layout::kMenuRow, grid.width(), 1, U' ', ui::palette::kWindowFg, kMenuBg);
  for (size_t i = 0; i < kEntries.size(); ++i) {
    const bool highlighted = open_ && static_cast<int>(i) == selected_;
    const platform::Color normal_fg = disabled_[i] ? kDisabledFg : ui::palette::kWindowFg;
    const platform::Color fg = highlighted ? ui::palette::kFocusFg : normal_fg;
    const platform::Color bg = highlighted ? ui::palette::kFocusBg : kMenuBg;
    grid.PutText(EntryColumn(i), layout::kMenuRow, std::string(" ") + kEntries[i].caption + " ", fg,
                 bg);
  }
  if (show_caption) {
    const int length = static_cast<int>(Utf8Length(kCaption));
    grid.PutText(grid.width() - length - 2, layout::kMenuRow, kCaption, ui::palette::kTitle,
                 kMenuBg);
  }
}

void MenuBar::Step(int direction, bool here_first) {
  const int count = static_cast<int>(kEntries.size());
  for (int tries = here_first ? 0 : 1; tries <= count; ++tries) {
    const int at = ((selected_ + direction * tries) % count + count) % count;
    if (!disabled_[static_cast<size_t>(at)]) {
      selected_ = at;
      return;
    }
  }
}

std::optional<MenuItem> MenuBar::HandleKey(const platform::Key& key) {
  switch (key.code) {
    case platform::keys::kLeft:
    case platform::keys::kUp:
      Step(-1, false);
      return std::nullopt;
    case platform::keys::kRight:
    case platform::keys::kDown:
    case platform::keys::kTab:
      Step(+1, false);
      return std::nullopt;
    case platform::keys::kEnter:
    case platform::keys::kSpace:
      if (disabled_[static_cast<size_t>(selected_)]) return std::nullopt;
      open_ = false;
      return kEntries[static_cast<size_t>(selected_)].item;
    case platform::keys::kEscape:
    case platform::keys::kF10:
      open_ = false;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

std::optional<MenuItem> MenuBar::ItemAt(int x, int y) const {
  if (y != layout::kMenuRow) return std::nullopt;
  for (size_t i = 0; i < kEntries.size(); ++i) {
    const int left = EntryColumn(i);
    const int width = static_cast<int>(Utf8Length(kEntries[i].caption)) + 2;
    if (x >= left && x < left + width && !disabled_[i]) return kEntries[i].item;
  }
  return std::nullopt;
}

}  // namespace zaldrun
