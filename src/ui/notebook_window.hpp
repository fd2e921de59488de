// The notebook "Записная Книжка": the quests received and completed, with their descriptions,
// and the (empty) page of alchemical recipes.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/key.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {

struct Game;

// Opens the notebook over the main window on the page it showed last; returns when it is closed.
void RunNotebookWindow(Game& game, Screen& screen);

class NotebookWindow : public Layer {
 public:
  explicit NotebookWindow(Game& game);

  void Draw(platform::Grid& grid) const override;
  // Returns true when the window has closed.
  bool HandleKey(const platform::Key& key);

  // The list as shown ("1. Племя гоблинов"), and the description of the chosen line.
  const std::vector<std::string>& lines() const { return lines_; }
  const std::string& description() const { return description_; }

  static constexpr const char* kTitle = "Записная Книжка";
  static constexpr int kTabs = 3;
  static constexpr std::array<const char*, kTabs> kTabCaptions = {
      "Полученные Задания", "Выполненные Задания", "Алхимические Рецепты"};

 private:
  void SelectTab(int tab);
  void ChooseLine(int line);

  Game& game_;
  std::vector<int> quests_;  // the quest number of each line
  std::vector<std::string> lines_;
  int line_ = -1;
  std::string description_;
  mutable std::array<ui::Rect, kTabs> tab_rects_{};
  mutable std::vector<ui::Rect> line_rects_;
  mutable ui::Rect close_{};
};

}  // namespace zaldrun
