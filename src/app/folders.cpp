#include "app/folders.hpp"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "world/game_data.hpp"

#ifndef ZALDRUN_DATA_FROM_BIN
#define ZALDRUN_DATA_FROM_BIN "../share/zaldrun"
#endif

namespace zaldrun {
namespace {

namespace fs = std::filesystem;

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// The data an install put under its prefix, seen from the executable in <prefix>/bin.
std::optional<fs::path> InstalledData(const Surroundings& surroundings) {
  if (surroundings.executable_folder.empty()) return std::nullopt;
  const fs::path shared =
      (surroundings.executable_folder / ZALDRUN_DATA_FROM_BIN).lexically_normal();
  if (!HasDataFiles(shared)) return std::nullopt;
  return shared;
}

// A base folder of the XDG rules: the variable when it holds an absolute path (a relative one is
// to be ignored), else the default under the home folder.
fs::path XdgFolder(const std::string& variable, const std::string& home, const char* fallback) {
  if (!variable.empty() && fs::path(variable).is_absolute()) return fs::path(variable) / "zaldrun";
  return fs::path(home) / fallback / "zaldrun";
}

bool NeedsHome(const std::string& variable) {
  return variable.empty() || !fs::path(variable).is_absolute();
}

bool CreateFolder(const fs::path& folder, std::string* error) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder, ec)) {
    if (error) {
      *error = "Не удалось открыть папку " + folder.string() + ": " +
               (ec ? ec.message() : std::string("это не папка"));
    }
    return false;
  }
  return true;
}

}  // namespace

Surroundings ReadSurroundings() {
  Surroundings surroundings;
  std::error_code ec;
  const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    surroundings.executable_folder = executable.parent_path();
    surroundings.executable_folder_writable =
        ::access(surroundings.executable_folder.c_str(), W_OK) == 0;
  }
  surroundings.home = Variable("HOME");
  if (surroundings.home.empty()) {
    // Started without a login's environment: the account still knows its home.
    if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir) {
      surroundings.home = account->pw_dir;
    }
  }
  surroundings.config_home = Variable("XDG_CONFIG_HOME");
  surroundings.data_home = Variable("XDG_DATA_HOME");
  return surroundings;
}

std::optional<Folders> ChooseFolders(const Options& options, const Surroundings& surroundings,
                                     std::string* error) {
  const std::optional<fs::path> installed_data = InstalledData(surroundings);
  Folders folders;
  if (!options.folder.empty()) {
    std::error_code ec;
    const fs::path folder = fs::absolute(options.folder, ec);
    if (ec) {
      if (error) *error = "Не удалось открыть папку " + options.folder + ": " + ec.message();
      return std::nullopt;
    }
    folders.settings = folders.user = folder;
    // The data files come with the program; a folder given with --dir need not hold copies.
    folders.data =
        HasDataFiles(folder) ? folder : installed_data.value_or(surroundings.executable_folder);
    return folders;
  }
  if (!installed_data && surroundings.executable_folder_writable) {
    folders.data = folders.settings = folders.user = surroundings.executable_folder;
    return folders;
  }
  if (surroundings.home.empty() &&
      (NeedsHome(surroundings.config_home) || NeedsHome(surroundings.data_home))) {
    if (error) {
      *error =
          "Не найдена домашняя папка (переменная HOME не задана). "
          "Укажите папку для файлов игры: zaldrun --dir ПАПКА";
    }
    return std::nullopt;
  }
  folders.installed = true;
  folders.data = installed_data.value_or(surroundings.executable_folder);
  folders.settings = XdgFolder(surroundings.config_home, surroundings.home, ".config");
  folders.user = XdgFolder(surroundings.data_home, surroundings.home, ".local/share");
  return folders;
}

bool CreateFolders(const Folders& folders, std::string* error) {
  return CreateFolder(folders.settings, error) && CreateFolder(folders.user, error);
}

std::string FoldersText(const Folders& folders) {
  return std::string(folders.installed ? "Папки установленной игры:\n"
                                       : "Папки (всё в одной папке):\n") +
         "  данные игры:   " + folders.data.string() + "\n" +
         "  настройки:     " + folders.settings.string() + " (Zaldrun.ini)\n" +
         "  файлы игрока:  " + folders.user.string() +
         " (Save/, Messages.log, записи героев <имя>.txt)\n";
}

}  // namespace zaldrun
