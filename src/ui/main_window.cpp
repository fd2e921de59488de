#include "ui/main_window.hpp"

#include <string>
#include <vector>

#include "state/game.hpp"
#include "state/utf8.hpp"
#include "ui/about_window.hpp"
#include "ui/layout.hpp"
#include "ui/settings_window.hpp"
#include "ui/startup.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {
namespace {

using platform::Color;
namespace keys = platform::keys;

constexpr Color kCaptionColour{160, 160, 160};
constexpr Color kValueColour{255, 255, 255};
constexpr Color kMessageColour{230, 230, 230};
constexpr Color kHintColour{110, 110, 110};

// The message line in at most three rows of the map's width: broken at blanks, and hard where a
// word would push it past three rows.
std::vector<std::string> MessageRows(const std::string& line) {
  std::vector<std::string> rows = ui::WrapText(line, layout::kMessageWidth);
  if (static_cast<int>(rows.size()) <= layout::kMessageRows) return rows;
  rows.clear();
  const std::u32string text = DecodeUtf8(line);
  for (size_t start = 0; start < text.size(); start += layout::kMessageWidth) {
    rows.push_back(EncodeUtf8(text.substr(start, layout::kMessageWidth)));
  }
  return rows;
}

}  // namespace

MainWindow::MainWindow(Game& game, Screen& screen) : game_(game), screen_(screen) {}

void MainWindow::Draw(platform::Grid& grid) const {
  menu_.Draw(grid, !screen_.frontend().HasTitleBar());
  DrawMessageLine(grid);
  DrawStatusPanel(grid);
  DrawHints(grid);
}

void MainWindow::DrawMessageLine(platform::Grid& grid) const {
  const std::vector<std::string> rows = MessageRows(game_.message_line);
  for (size_t i = 0; i < rows.size() && i < static_cast<size_t>(layout::kMessageRows); ++i) {
    grid.PutText(0, layout::kMessageRow + static_cast<int>(i), rows[i], kMessageColour,
                 platform::colors::kBlack, layout::kMessageWidth);
  }
}

void MainWindow::DrawStatusPanel(platform::Grid& grid) const {
  const int x = layout::kPanelLeft;
  const StatusLabels& labels = game_.labels;
  struct Row {
    const char* caption;
    const std::string& value;
  };
  const Row rows[] = {{"HP:", labels.hp},
                      {"PP:", labels.pp},
                      {"Exp:", labels.exp},
                      {"УРОВЕНЬ", labels.level},
                      {"Деньги:", labels.money}};
  int y = layout::kStatusTop;
  for (const Row& row : rows) {
    const int width = grid.PutText(x, y, row.caption, kCaptionColour, platform::colors::kBlack);
    if (game_.game_in_progress) {
      grid.PutText(x + width + 1, y, row.value, kValueColour, platform::colors::kBlack,
                   layout::kPanelWidth - width - 1);
    }
    ++y;
  }
  if (!game_.game_in_progress) return;
  // Condition labels keep fixed places so they don't jump as others come and go.
  y = layout::kConditionTop;
  if (labels.hunger_visible) {
    grid.PutText(x, y, labels.hunger_text, platform::FromPackedBgr(labels.hunger_colour),
                 platform::colors::kBlack, layout::kPanelWidth);
  }
  ++y;
  if (labels.overburdened) {
    grid.PutText(x, y, kOverburdenText, platform::colors::kRed, platform::colors::kBlack);
  }
  ++y;
  for (int c = 0; c < kConditionCount; ++c, ++y) {
    if (labels.conditions[static_cast<size_t>(c)]) {
      grid.PutText(x, y, kConditionTexts[static_cast<size_t>(c)], platform::colors::kYellow,
                   platform::colors::kBlack);
    }
  }
}

void MainWindow::DrawHints(platform::Grid& grid) const {
  grid.PutText(1, layout::kHintRow, "F10 или Esc — меню    Ctrl+Q — выход", kHintColour,
               platform::colors::kBlack);
}

int MainWindow::Run(std::optional<uint64_t> seed) {
  screen_.frontend().SetTitle(kCaption);
  LayerScope scope(screen_, *this);
  if (!StartUp(game_, screen_, seed)) return 1;
  while (true) {
    const platform::Key key = screen_.NextIdleKey();
    if (HandleIdleKey(key)) return 0;
  }
}

bool MainWindow::HandleIdleKey(const platform::Key& key) {
  if (key.kind == platform::KeyKind::kCloseRequest) return Close();
  if (key.kind == platform::KeyKind::kMouseClick) {
    if (const auto item = menu_.ItemAt(key.x, key.y)) Choose(*item);
    return false;
  }
  if (key.ctrl && key.code == 'Q') return Close();
  if (key.code == keys::kF10 || key.code == keys::kEscape) {
    RunMenu();
    return false;
  }
  return false;
}

void MainWindow::RunMenu() {
  menu_.Open();
  while (menu_.open()) {
    const platform::Key key = screen_.NextWindowKey();
    if (key.kind == platform::KeyKind::kCloseRequest) {
      menu_.Close();
      return;
    }
    if (key.kind == platform::KeyKind::kMouseClick) {
      const auto item = menu_.ItemAt(key.x, key.y);
      menu_.Close();
      if (item) Choose(*item);
      return;
    }
    if (const auto item = menu_.HandleKey(key)) {
      Choose(*item);
      return;
    }
  }
}

void MainWindow::Choose(MenuItem item) {
  switch (item) {
    case MenuItem::kNewGame:
      screen_.MessageBox("Создание героя пока не готово.", kCaption);
      break;
    case MenuItem::kSettings:
      RunSettingsWindow(game_, screen_);
      break;
    case MenuItem::kAbout:
      RunAboutWindow(screen_);
      break;
  }
}

bool MainWindow::Close() {
  // With no game in progress there is nothing to save: no character record is due.
  if (!game_.game_in_progress) game_.saved = true;
  UnloadFiles(game_);
  return true;
}

}  // namespace zaldrun
