#include "ui/main_window.hpp"

#include <string>
#include <vector>

#include "base/cp1251.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "levelgen/place_names.hpp"
#include "model/game.hpp"
#include "ui/about_window.hpp"
#include "ui/commands.hpp"
#include "ui/end_screen.hpp"
#include "ui/hall_of_fame_window.hpp"
#include "ui/help_window.hpp"
#include "ui/layout.hpp"
#include "ui/message_history_window.hpp"
#include "ui/message_view.hpp"
#include "ui/new_game_window.hpp"
#include "ui/settings_window.hpp"
#include "ui/startup.hpp"
#include "ui/widgets.hpp"
#include "world/game_data.hpp"
#include "world/save_game.hpp"

namespace zaldrun {
namespace {

using platform::Color;
namespace keys = platform::keys;

constexpr Color kCaptionColour{160, 160, 160};
constexpr Color kValueColour{255, 255, 255};
constexpr Color kMessageColour{230, 230, 230};
constexpr Color kHintColour{110, 110, 110};
constexpr Color kPlaceColour{200, 190, 140};

}  // namespace

MainWindow::MainWindow(Game& game, Screen& screen)
    : game_(game), screen_(screen), waiting_message_(game, screen), narrator_(game) {
  screen_.SetTopmost(&waiting_message_);
  screen_.SetNarrator(&narrator_);
}

MainWindow::~MainWindow() {
  screen_.SetTopmost(nullptr);
  screen_.SetNarrator(nullptr);
}

std::string MainWindow::SpokenText() const {
  if (menu_.open()) return std::string(menu_.SelectedCaption());
  const AnswerList& chat = game_.view.chat;
  if (!chat.visible || chat.lines.empty()) return std::string();
  return chat.lines[static_cast<size_t>(chat.selected) % chat.lines.size()];
}

void MainWindow::Draw(platform::Grid& grid) const {
  menu_.Draw(grid, !screen_.frontend().HasTitleBar());
  DrawMessageLine(grid);
  if (game_.session.game_in_progress) DrawMap(grid);
  DrawStatusPanel(grid);
  DrawAnswers(grid);
  DrawHints(grid);
}

void MainWindow::DrawMap(platform::Grid& grid) const {
  const FieldModel& field = game_.view.field;
  auto put = [&](int x, int y, uint8_t glyph, int32_t colour) {
    grid.Put(layout::kMapLeft + x, layout::kMapTop + y, Cp1251ToUnicode(glyph),
             platform::FromPackedBgr(static_cast<uint32_t>(colour)), platform::colors::kBlack);
  };
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const DrawnCell& cell = field.At(x, y);
      if (cell.glyph != 0) put(x, y, cell.glyph, cell.colour);
    }
  }
  if (field.hero_visible && Level::Inside(field.hero_x, field.hero_y)) {
    put(field.hero_x, field.hero_y, '@', 0xFFFFFF);
  }
  if (field.selection_visible && Level::Inside(field.selection_x, field.selection_y)) {
    put(field.selection_x, field.selection_y, field.selection_glyph, field.selection_colour);
  }
}

void MainWindow::DrawAnswers(platform::Grid& grid) const {
  const int x = layout::kPanelLeft;
  AnswerList& chat = game_.view.chat;
  if (!chat.visible) return;
  grid.PutText(x, layout::kChatTop, "Что ответить?", platform::colors::kYellow,
               platform::colors::kBlack);
  int y = layout::kChatTop + 1;
  chat.left = x;
  chat.rows.clear();
  for (size_t i = 0; i < chat.lines.size() && y < layout::kHintRow; ++i) {
    chat.rows.push_back(y);
    const bool chosen = static_cast<int>(i) == chat.selected;
    for (const std::string& row : ui::WrapText(chat.lines[i], layout::kPanelWidth - 1)) {
      if (y >= layout::kHintRow) break;
      grid.PutText(x, y++, row, chosen ? ui::palette::kFocusFg : kMessageColour,
                   chosen ? ui::palette::kFocusBg : platform::colors::kBlack);
    }
  }
  chat.rows.push_back(y);
}

void MainWindow::DrawMessageLine(platform::Grid& grid) const {
  // The entry box follows the question it answers ("Сколько? 1_").
  DrawMessage(grid, LayOutMessage(game_.view, layout::kMessageWidth, layout::kMessageRows),
              ui::Rect{0, layout::kMessageRow, layout::kMessageWidth, layout::kMessageRows},
              kMessageColour, platform::colors::kBlack);
}

void MainWindow::DrawStatusPanel(platform::Grid& grid) const {
  const int x = layout::kPanelLeft;
  const StatusLabels& labels = game_.view.labels;
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
    if (game_.session.game_in_progress) {
      grid.PutText(x + width + 1, y, row.value, kValueColour, platform::colors::kBlack,
                   layout::kPanelWidth - width - 1);
    }
    ++y;
  }
  if (!game_.session.game_in_progress) return;
  const std::vector<std::string> place = ui::WrapText(
      PlaceName(game_.world.current_place, game_.world.current_level), layout::kPanelWidth - 1);
  for (int row = 0; row < layout::kPlaceRows && row < static_cast<int>(place.size()); ++row) {
    grid.PutText(x, layout::kPlaceTop + row, place[static_cast<size_t>(row)], kPlaceColour,
                 platform::colors::kBlack);
  }
  // Condition labels keep fixed places so they don't jump as others come and go.
  y = layout::kConditionTop;
  if (labels.hunger_visible) {
    grid.PutText(x, y, labels.hunger_text, platform::FromPackedBgr(labels.hunger_colour),
                 platform::colors::kBlack, layout::kPanelWidth);
  }
  ++y;
  if (labels.burden_visible) {
    grid.PutText(x, y, labels.burden_text, platform::FromPackedBgr(labels.burden_colour),
                 platform::colors::kBlack, layout::kPanelWidth);
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
  // An open menu says so where the eye goes after a key: keys now drive the menu, not the hero.
  if (menu_.open()) {
    grid.PutText(1, layout::kHintRow, std::string(" ") + kMenuOpenHint + " ", ui::palette::kFocusFg,
                 ui::palette::kFocusBg);
    return;
  }
  const int width = grid.PutText(1, layout::kHintRow, "F10 или Esc — меню    Ctrl+Q — выход",
                                 kHintColour, platform::colors::kBlack);
  grid.PutText(width + 5, layout::kHintRow, "F1 — помощь", kHintColour, platform::colors::kBlack);
}

int MainWindow::Run(std::optional<uint64_t> seed, const SandboxLevel* sandbox,
                    const HeroChoice* hero, const NewGameStart* new_game, std::string_view load) {
  screen_.frontend().SetTitle(kCaption);
  LayerScope scope(screen_, *this);
  if (!StartUp(game_, screen_, seed)) return 1;
  screen_.frontend().SetFontFace(static_cast<platform::FontFace>(game_.session.settings.window_font));
  narrator_.Start();
  if (sandbox != nullptr || new_game != nullptr) {
    const std::string error = LoadGameData(game_);
    if (!error.empty()) {
      screen_.MessageBox(error, kCaption);
      return 1;
    }
    if (sandbox != nullptr) {
      StartSandbox(game_, *sandbox, hero);
    } else if (!StartNewGame(game_, *new_game)) {
      // The message line tells why the starting level could not be entered.
      screen_.MessageBox(game_.view.message_line, kCaption);
      return 1;
    }
  }
  if (!load.empty()) {
    std::string error;
    if (!LoadGame(game_, load, &error)) {
      screen_.MessageBox(error, kCaption);
      return 1;
    }
  }
  while (true) {
    menu_.SetEnabled(MenuItem::kNewGame, !game_.session.game_in_progress);
    const platform::Key key = screen_.NextIdleKey();
    if (HandleIdleKey(key)) return exit_code_;
    if (exit_chosen_) {
      exit_chosen_ = false;
      if (Close(true)) return exit_code_;
    }
  }
}

bool MainWindow::HandleIdleKey(const platform::Key& key) {
  if (key.kind == platform::KeyKind::kHangup) return CloseOnHangup();
  if (key.kind == platform::KeyKind::kCloseRequest) return Close(true);
  if (key.kind == platform::KeyKind::kMouseClick) {
    if (const auto item = menu_.ItemAt(key.x, key.y)) {
      Choose(*item);
      return false;
    }
  }
  const bool mouse = key.kind != platform::KeyKind::kKey;
  // After death a key shows how the game ended; the mouse on the map does nothing then.
  if (game_.GameOver()) {
    if (!mouse) EndHero();
    return false;
  }
  if (mouse) return game_.session.game_in_progress && PlayKey(key);
  if (key.ctrl && key.code == 'Q') return Close(true);
  if (key.code == keys::kF10 || key.code == keys::kEscape) {
    RunMenu();
    return false;
  }
  if (key.code == keys::kF1) {
    RunHelpWindow(game_, screen_);
    return false;
  }
  if (game_.session.game_in_progress) return PlayKey(key);
  return false;
}

bool MainWindow::PlayKey(const platform::Key& key) {
  const int place = game_.world.current_place;
  const int level = game_.world.current_level;
  HandleGameKey(game_, screen_, key);
  // The player's own end (S, Q, death) stands even when a hang-up followed it; with nobody there
  // to see the end screen, the program ends.
  if (game_.session.unload_requested || game_.GameOver()) {
    if (screen_.hung_up()) return Close(false);
    EndHero();
    return false;
  }
  // A hang-up during the command let it run to its end, every question refused.
  if (screen_.hung_up()) return CloseOnHangup();
  // At the end of the command the world is whole: nothing is half done.
  if (game_.world.current_place != place || game_.world.current_level != level) WriteCheckpoint();
  return false;
}

void MainWindow::WriteCheckpoint() {
  if (!GameCanBeSaved(game_)) return;
  std::string error;
  if (!SaveCheckpoint(game_, &error)) {
    ShowMessage(game_, "Не удалось сохранить игру при входе на уровень: " + error);
  }
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
      // A game in progress must end before another begins.
      if (!game_.session.game_in_progress) RunNewGameWindow(game_, screen_);
      break;
    case MenuItem::kSettings:
      RunSettingsWindow(game_, screen_);
      break;
    case MenuItem::kHallOfFame:
      RunHallOfFameWindow(game_, screen_);
      break;
    case MenuItem::kAbout:
      RunAboutWindow(screen_);
      break;
    case MenuItem::kExit:
      exit_chosen_ = true;
      break;
    case MenuItem::kMessages:
      RunMessageHistoryWindow(game_, screen_);
      break;
  }
}

void MainWindow::EndHero() {
  if (game_.GameOver()) game_.session.saved = false;  // the record tells how he died
  ClearMessageLine(game_);  // the question that ended the game is answered
  std::string record;
  const std::string report = UnloadGame(game_, &record);
  RunEndScreen(screen_, game_.session.saved ? kSavedTitle : kEndTitle,
               EndScreenLines(game_, record, report));
  // The world of the ended game goes; the program stands as it did at start-up.
  game_.world = World{};
  game_.control = Control{};
  // The messages of the session outlive the hero: the history still shows how he ended.
  MessageHistory history = std::move(game_.view.history);
  game_.view = View{};
  game_.view.history = std::move(history);
  game_.session.game_in_progress = false;
  game_.session.unload_requested = false;
  game_.session.saved = true;
  menu_.SetEnabled(MenuItem::kNewGame, true);
  RunMenu();
}

bool MainWindow::Close(bool from_window) {
  if (!game_.session.game_in_progress) {
    // With no game in progress there is nothing to save: no character record is due.
    game_.session.saved = true;
  } else if (game_.GameOver()) {
    // The hero is dead: nothing to ask, and the record tells how he died.
    game_.session.saved = false;
  } else if (from_window) {
    ShowMessage(game_, "Сохранить игру?", msg::kQuestion);
    // A hang-up refused the question: the player never saw it.
    if (screen_.hung_up()) return CloseOnHangup();
    if (TakeYes(game_)) {
      std::string error;
      if (!SaveCurrentGame(game_, &error)) {
        // The game goes on, with the old save as it was.
        screen_.MessageBox("Игра не сохранена: " + error, kCaption);
        return false;
      }
      game_.session.saved = true;
    } else {
      game_.control.end_reason = end_reason::kQuit;
      game_.session.saved = false;
    }
  }
  const std::string error = UnloadGame(game_);
  if (!error.empty()) screen_.MessageBox(error, kCaption);
  return true;
}

bool MainWindow::CloseOnHangup() {
  if (GameCanBeSaved(game_)) {
    std::string error;
    if (!SaveCurrentGame(game_, &error)) {
      // The save on disk, if any, stays as it was (the last checkpoint, maybe); the log tells.
      ShowMessage(game_, "Игра не сохранена: " + error);
      exit_code_ = 1;
    }
    // Either way no record is due: the hero is not lost.
    game_.session.saved = true;
  } else {
    // No game, a sandbox, or a dead hero: the game ends as it would by a key.
    game_.session.saved = !game_.session.game_in_progress || !game_.GameOver();
  }
  const std::string error = UnloadGame(game_);
  if (!error.empty()) ShowMessage(game_, error);
  return true;
}

}  // namespace zaldrun
