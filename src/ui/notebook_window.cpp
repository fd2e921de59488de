#include "ui/notebook_window.hpp"

#include "model/game.hpp"
#include "records/quest_list.hpp"
#include "records/text_table.hpp"

namespace zaldrun {
namespace {

namespace keys = platform::keys;
using platform::Color;

constexpr int kWindowWidth = 76;
constexpr int kWindowHeight = 24;
constexpr int kListRows = 8;
constexpr const char* kClose = "Закрыть";

// Tab captions: 32768 for the others, 65280 for the current page.
constexpr Color kTabFg = platform::FromPackedBgr(32768);
constexpr Color kCurrentTabFg = platform::FromPackedBgr(65280);
constexpr Color kChosenBg{0, 0, 90};

}  // namespace

NotebookWindow::NotebookWindow(Game& game) : game_(game) { SelectTab(game.view.notebook_tab); }

void NotebookWindow::SelectTab(int tab) {
  if (tab < 0 || tab >= kTabs) tab = 0;
  game_.view.notebook_tab = static_cast<uint8_t>(tab);
  quests_.clear();
  lines_.clear();
  line_ = -1;
  description_.clear();
  if (tab == 2) return;  // no recipes are written down
  for (int q = 1; q <= kNotebookQuests; ++q) {
    const int state = game_.world.hero.quests[static_cast<size_t>(kQuestStateIndex[q - 1])];
    const bool listed = tab == 0 ? state > 0 && state < kQuestDone : state >= kQuestDone;
    if (!listed) continue;
    quests_.push_back(q);
    lines_.push_back(std::to_string(q) + ". " + FetchText(QuestTitleText(q)));
  }
}

void NotebookWindow::ChooseLine(int line) {
  if (line < 0 || line >= static_cast<int>(lines_.size())) return;
  line_ = line;
  description_ = FetchText(QuestDescriptionText(quests_[static_cast<size_t>(line)]));
}

void NotebookWindow::Draw(platform::Grid& grid) const {
  const ui::Rect rect = ui::CentredRect(grid, kWindowWidth, kWindowHeight);
  ui::DrawWindow(grid, rect, kTitle);
  const Color bg = ui::palette::kWindowBg;
  int x = rect.x + 2;
  for (int tab = 0; tab < kTabs; ++tab) {
    const bool current = tab == game_.view.notebook_tab;
    const int w = grid.PutText(x, rect.y + 2, kTabCaptions[static_cast<size_t>(tab)],
                               current ? kCurrentTabFg : kTabFg, bg);
    tab_rects_[static_cast<size_t>(tab)] = ui::Rect{x, rect.y + 2, w, 1};
    x += w + 3;
  }
  line_rects_.clear();
  const int list_top = rect.y + 4;
  grid.Fill(rect.x + 2, list_top, rect.w - 4, kListRows, U' ', ui::palette::kValue,
            ui::palette::kButtonBg);
  for (size_t i = 0; i < lines_.size() && i < static_cast<size_t>(kListRows); ++i) {
    const int y = list_top + static_cast<int>(i);
    const bool chosen = static_cast<int>(i) == line_;
    grid.PutText(rect.x + 3, y, lines_[i], ui::palette::kValue,
                 chosen ? kChosenBg : ui::palette::kButtonBg, rect.w - 6);
    line_rects_.push_back(ui::Rect{rect.x + 2, y, rect.w - 4, 1});
  }
  int y = list_top + kListRows + 1;
  for (const std::string& row : ui::WrapText(description_, rect.w - 4)) {
    if (y >= rect.y + rect.h - 3) break;
    grid.PutText(rect.x + 2, y++, row, ui::palette::kWindowFg, bg);
  }
  close_ = ui::DrawButton(grid, rect.x + rect.w - 3 - ui::ButtonWidth(kClose), rect.y + rect.h - 2,
                          kClose, false);
}

bool NotebookWindow::HandleKey(const platform::Key& key) {
  if (key.kind == platform::KeyKind::kCloseRequest) return true;
  if (key.kind == platform::KeyKind::kMouseClick) {
    if (close_.Contains(key.x, key.y)) return true;
    for (int tab = 0; tab < kTabs; ++tab) {
      if (tab_rects_[static_cast<size_t>(tab)].Contains(key.x, key.y)) SelectTab(tab);
    }
    for (size_t i = 0; i < line_rects_.size(); ++i) {
      if (line_rects_[i].Contains(key.x, key.y)) ChooseLine(static_cast<int>(i));
    }
    return false;
  }
  switch (key.code) {
    case keys::kEscape:
      return true;
    case keys::kLeft:
      SelectTab((game_.view.notebook_tab + kTabs - 1) % kTabs);
      break;
    case keys::kRight:
    case keys::kTab:
      SelectTab((game_.view.notebook_tab + 1) % kTabs);
      break;
    case keys::kUp:
      ChooseLine(line_ <= 0 ? 0 : line_ - 1);
      break;
    case keys::kDown:
    case keys::kEnter:
      ChooseLine(line_ < 0 ? 0 : (key.code == keys::kEnter ? line_ : line_ + 1));
      break;
    default:
      break;
  }
  return false;
}

void RunNotebookWindow(Game& game, Screen& screen) {
  NotebookWindow window(game);
  LayerScope scope(screen, window);
  while (!window.HandleKey(screen.NextWindowKey())) {
  }
}

}  // namespace zaldrun
