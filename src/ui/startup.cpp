#include "ui/startup.hpp"

#include <filesystem>
#include <string>
#include <system_error>

#include "base/file_io.hpp"
#include "model/game.hpp"
#include "model/io.hpp"

namespace zaldrun {
namespace {

constexpr std::string_view kFolderTitle = "Залдрун";

std::string FolderAdvice(const std::filesystem::path& folder, const std::string& reason) {
  return "Игре нужна папка, в которую можно писать: " + folder.string() + ". " + reason +
         " Укажите другую папку: zaldrun --dir ПАПКА";
}

// The player's folder and the settings folder (one and the same but in an installed game) must
// take files; false, with the message shown, when one cannot.
bool FoldersAreWritable(const Game& game, Io& io) {
  for (const std::filesystem::path* folder :
       {&game.session.folder, &game.session.SettingsFolder()}) {
    std::string error;
    if (!FolderIsWritable(*folder, &error)) {
      io.MessageBox(FolderAdvice(*folder, error), kFolderTitle);
      return false;
    }
  }
  return true;
}

}  // namespace

bool StartUp(Game& game, Io& io, std::optional<uint64_t> seed) {
  // 1. Level files of an earlier run.
  DeleteFilesWithExtension(game.session.SaveFolder(), ".lev");
  // 2. Chance.
  game.random.Seed(seed ? *seed : Random::ClockSeed());
  // 3. Default settings when there are none; the folder must take files.
  if (!FoldersAreWritable(game, io)) return false;
  std::string error;
  std::error_code ec;
  if (!std::filesystem::exists(game.session.SettingsPath(), ec)) {
    error = WriteAllSettings(game.session.SettingsPath(), DefaultSettings());
    if (!error.empty()) {
      io.MessageBox(FolderAdvice(game.session.SettingsFolder(), error), kFolderTitle);
      return false;
    }
  }
  // 4. The Save folder.
  if (!std::filesystem::is_directory(game.session.SaveFolder(), ec)) {
    std::filesystem::create_directory(game.session.SaveFolder(), ec);
    if (ec) {
      io.MessageBox(
          FolderAdvice(game.session.folder, "Не удалось создать папку Save: " + ec.message() + "."),
          kFolderTitle);
      return false;
    }
  }
  // 5. The message log holds the messages of one run.
  std::filesystem::remove(game.session.LogPath(), ec);
  // 6. The settings.
  if (!ReadSettings(game.session.SettingsPath(), &game.session.settings)) {
    io.MessageBox(kSettingsErrorText, kSettingsTitle);
    game.session.settings = DefaultSettings();
    error = WriteAllSettings(game.session.SettingsPath(), game.session.settings);
    if (!error.empty()) io.MessageBox(error, kSettingsTitle);
  }
  return true;
}

}  // namespace zaldrun
