// Running the main window on a front end: shared by the desktop program and the browser page.
#include "app/program.hpp"

#include <memory>

#include "model/game.hpp"
#include "ui/main_window.hpp"
#include "ui/screen.hpp"

namespace zaldrun {

int RunGame(const Options& options, const Folders& folders, platform::Frontend& frontend,
            const SandboxLevel* sandbox, const HeroChoice* hero, platform::Speaker* speaker) {
  auto game = std::make_unique<Game>();
  game->session.folder = folders.user;
  game->session.settings_folder = folders.settings;
  game->session.data_folder = folders.data;
  Screen screen(frontend);
  game->session.io = &screen;
  game->session.speaker = speaker;
  game->session.speech_from_command_line = options.speech;
  MainWindow window(*game, screen);
  try {
    if (StartsNewGame(options) && hero != nullptr) {
      NewGameStart start;
      start.hero = *hero;
      if (options.start_place != 0) {
        start.place = options.start_place;
        start.level = options.start_level;
      }
      return window.Run(options.seed, nullptr, hero, &start);
    }
    return window.Run(options.seed, sandbox, hero, nullptr, options.load);
  } catch (const platform::InputEnded&) {
    // The scripted keys ran out: end as a close would.
    return 0;
  }
}

}  // namespace zaldrun
