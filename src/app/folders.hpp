// Where the program's files live, decided once at start. A build folder, or a folder named with
// --dir, keeps everything in one place (the portable layout); an installed game reads its data
// from <prefix>/share/zaldrun and keeps each player's files in his home folder (XDG).
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "app/options.hpp"

namespace zaldrun {

// What the start of the program reads from the system; nothing below app/ asks it again.
struct Surroundings {
  std::filesystem::path executable_folder;
  bool executable_folder_writable = false;
  // HOME, XDG_CONFIG_HOME and XDG_DATA_HOME; empty when unset.
  std::string home;
  std::string config_home;
  std::string data_home;
};

struct Folders {
  std::filesystem::path data;      // the .dat files, read only
  std::filesystem::path settings;  // Zaldrun.ini
  std::filesystem::path user;      // Save/, Messages.log, the character records
  bool installed = false;
};

// Reads the executable's folder and the environment.
Surroundings ReadSurroundings();

// The folders for these options; nothing, with the reason in *error, when an installed game
// finds no home folder. Touches nothing on disk but to look for the data files.
std::optional<Folders> ChooseFolders(const Options& options, const Surroundings& surroundings,
                                     std::string* error);

// Creates the settings and user folders when missing; false with the reason in *error.
bool CreateFolders(const Folders& folders, std::string* error);

// The lines of --help that name the folders in use.
std::string FoldersText(const Folders& folders);

}  // namespace zaldrun
