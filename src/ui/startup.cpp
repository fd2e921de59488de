#include "ui/startup.hpp"

#include <filesystem>
#include <string>
#include <system_error>

#include "engine/io.hpp"
#include "state/file_io.hpp"
#include "state/game.hpp"

namespace zaldrun {
namespace {

constexpr std::string_view kFolderTitle = "Залдрун";

std::string FolderAdvice(const Game& game, const std::string& reason) {
  return "Игре нужна папка, в которую можно писать: " + game.folder.string() + ". " + reason +
         " Укажите другую папку: zaldrun --dir ПАПКА";
}

}  // namespace

bool StartUp(Game& game, Io& io, std::optional<uint64_t> seed) {
  // 1. Level files of an earlier run.
  DeleteFilesWithExtension(game.SaveFolder(), ".lev");
  // 2. Chance.
  game.random.Seed(seed ? *seed : Random::ClockSeed());
  // 3. Default settings when there are none; the folder must take files.
  std::string error;
  if (!FolderIsWritable(game.folder, &error)) {
    io.MessageBox(FolderAdvice(game, error), kFolderTitle);
    return false;
  }
  std::error_code ec;
  if (!std::filesystem::exists(game.SettingsPath(), ec)) {
    error = WriteAllSettings(game.SettingsPath(), DefaultSettings());
    if (!error.empty()) {
      io.MessageBox(FolderAdvice(game, error), kFolderTitle);
      return false;
    }
  }
  // 4. The Save folder.
  if (!std::filesystem::is_directory(game.SaveFolder(), ec)) {
    std::filesystem::create_directory(game.SaveFolder(), ec);
    if (ec) {
      io.MessageBox(FolderAdvice(game, "Не удалось создать папку Save: " + ec.message() + "."),
                    kFolderTitle);
      return false;
    }
  }
  // 5. The message log holds the messages of one run.
  std::filesystem::remove(game.LogPath(), ec);
  // 6. The settings.
  if (!ReadSettings(game.SettingsPath(), &game.settings)) {
    io.MessageBox(kSettingsErrorText, kSettingsTitle);
    game.settings = DefaultSettings();
    error = WriteAllSettings(game.SettingsPath(), game.settings);
    if (!error.empty()) io.MessageBox(error, kSettingsTitle);
  }
  return true;
}

void UnloadFiles(Game& game) { DeleteFilesWithExtension(game.SaveFolder(), ".lev"); }

}  // namespace zaldrun
