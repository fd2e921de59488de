#include "app/program.hpp"

#include <algorithm>
#include <exception>
#include <memory>
#include <ostream>

#include "platform/sdl/sdl_frontend.hpp"
#include "platform/speech/speech_dispatcher.hpp"
#include "platform/terminal/terminal_frontend.hpp"
#include "world/save_game.hpp"

namespace zaldrun {
namespace {

constexpr const char* kNoDisplay =
    "Нет экрана для окна: переменные DISPLAY и WAYLAND_DISPLAY не заданы.\n"
    "Запустите игру в терминале: zaldrun --terminal";

std::unique_ptr<platform::Frontend> OpenFrontend(FrontendChoice choice, std::ostream& err) {
  std::string error;
  if (choice == FrontendChoice::kWindow ||
      (choice == FrontendChoice::kAuto && platform::DisplayAvailable())) {
    if (!platform::DisplayAvailable()) {
      err << kNoDisplay << "\n";
      return nullptr;
    }
    auto window = platform::CreateSdlFrontend(platform::SdlOptions{}, &error);
    if (window || choice == FrontendChoice::kWindow) {
      if (!window) err << error << "\n";
      return window;
    }
    // No window after all: the terminal will do when there is one.
  }
  auto terminal = platform::CreateTerminalFrontend(&error);
  if (!terminal) err << error << "\n";
  return terminal;
}

}  // namespace

int RunProgram(const Options& options, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<Folders> folders = ChooseFolders(options, ReadSurroundings(), &error);
  if (options.help) {
    out << UsageText() << "\n" << (folders ? FoldersText(*folders) : error + "\n");
    return 0;
  }
  if (options.version) {
    out << "Залдрун " << ZALDRUN_VERSION << "\n";
    return 0;
  }
  if (!folders || !CreateFolders(*folders, &error)) {
    err << error << "\n";
    return 1;
  }
  // A sandbox level is read before any screen opens, so a fault in it is told plainly.
  std::unique_ptr<SandboxLevel> sandbox;
  HeroChoice hero;
  if (!ParseHeroChoice(options.hero, &hero, &error)) {
    err << error << "\n";
    return 2;
  }
  hero.wounded_hp = static_cast<int16_t>(std::min(options.hero_hp, 30000));
  if (!options.map_file.empty()) {
    auto loaded = LoadSandbox(options.map_file, &error);
    if (!loaded) {
      err << error << "\n";
      return 2;
    }
    sandbox = std::make_unique<SandboxLevel>(std::move(*loaded));
  }
  // A hero to resume is checked before any screen opens, so a missing or damaged save is told
  // plainly.
  Options run = options;
  if (!options.load.empty()) {
    const std::filesystem::path save_folder = folders->user / "Save";
    const auto name = FindSavedHero(save_folder, options.load);
    if (!name) {
      err << "zaldrun: нет сохранённого героя \"" << options.load << "\" в папке "
          << save_folder.string() << "\n";
      return 2;
    }
    if (!ReadSaveFile(save_folder, *name, &error)) {
      err << "zaldrun: " << error << "\n";
      return 2;
    }
    run.load = *name;
  }
  std::unique_ptr<platform::Frontend> frontend = OpenFrontend(options.frontend, err);
  if (!frontend) return 2;
  const std::unique_ptr<platform::Speaker> speaker = platform::CreateSpeechDispatcherSpeaker();
  return RunGame(run, *folders, *frontend, sandbox.get(), &hero, speaker.get());
}

}  // namespace zaldrun
