// The main window "Залдрун": menu, message line, map, status labels; the program's idle loop.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/menu_bar.hpp"
#include "ui/message_view.hpp"
#include "ui/screen.hpp"
#include "ui/speech.hpp"
#include "world/new_game.hpp"
#include "world/sandbox.hpp"

namespace zaldrun {

struct Game;

class MainWindow : public Layer {
 public:
  MainWindow(Game& game, Screen& screen);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Start-up, then keys until the program closes. Returns the process exit code (1 when the game
  // could not be saved on a hang-up). With a sandbox level, play starts on it at once; with a
  // new-game start, a new game begins at once; with the name of a saved hero, his game is loaded
  // at once.
  int Run(std::optional<uint64_t> seed, const SandboxLevel* sandbox = nullptr,
          const HeroChoice* hero = nullptr, const NewGameStart* new_game = nullptr,
          std::string_view load = {});

  void Draw(platform::Grid& grid) const override;
  // The open menu's entry, or the answer chosen in a conversation.
  std::string SpokenText() const override;

  static constexpr const char* kCaption = "Залдрун";
  static constexpr const char* kMenuOpenHint =
      "Меню открыто: стрелки — выбор, Enter — выбрать, Esc — закрыть меню";

 private:
  // Returns true when the program should end.
  bool HandleIdleKey(const platform::Key& key);
  // A command key of the game in progress, then the checkpoint when it took the hero to another
  // level, or the end when it ended the game or met a hang-up.
  bool PlayKey(const platform::Key& key);
  void Choose(MenuItem item);
  void RunMenu();
  // The close query (from the window's close button) and the unload steps; returns true when the
  // window closes.
  bool Close(bool from_window);
  // After a hang-up nobody answers: a game that saves is saved as S saves it, and the window
  // closes.
  bool CloseOnHangup();
  // The player's own end of the hero (death, Q, S): the unload step, the end screen over the
  // map, then the main menu ready for a new game. The program goes on.
  void EndHero();
  void WriteCheckpoint();

  void DrawMessageLine(platform::Grid& grid) const;
  void DrawStatusPanel(platform::Grid& grid) const;
  void DrawHints(platform::Grid& grid) const;
  void DrawMap(platform::Grid& grid) const;
  void DrawAnswers(platform::Grid& grid) const;

  Game& game_;
  Screen& screen_;
  MenuBar menu_;
  WaitingMessage waiting_message_;
  Narrator narrator_;
  int exit_code_ = 0;
  bool exit_chosen_ = false;  // "Выход" in the menu: the window closes as its close button does
};

}  // namespace zaldrun
