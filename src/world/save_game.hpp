// Saving and loading a game: the kept levels (in memory, and any other level files of the Save
// folder) gathered into the hero's save file, written so that a crash or a full disk never costs
// the old save; a save read back, checked whole before anything changes, its levels kept and the
// hero put back where he was;
// the list of saved heroes; and the removal of a lost hero's save.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "world/save_file.hpp"

namespace zaldrun {

struct Game;

// "Lev7_12.lev" is place 7, level 12. Nothing for any other name: another prefix or extension,
// signs, leading zeros, or numbers beyond the places and levels the world builds (letter case of
// "Lev" and ".lev" aside).
std::optional<std::pair<int, int>> ParseLevelFileName(std::string_view file_name);

// The level files of the Save folder as a save keeps them, in order of place and level. Files
// with other names, or of a length no level file has, are left out. False, with the reason in
// *error, when a level file cannot be read.
bool GatherLevelFiles(const std::filesystem::path& save_folder, std::vector<SavedLevel>* levels,
                      std::string* error);

// The heroes with a save file (Save/<name>.sav whose name is a hero's name), sorted.
std::vector<std::string> SavedHeroes(const std::filesystem::path& save_folder);
// The saved hero whose name is `name` but for letter case.
std::optional<std::string> FindSavedHero(const std::filesystem::path& save_folder,
                                         std::string_view name);

// Writes the hero's save file from the game and its kept levels (the current level must have been
// written to its file first). The previous save is kept as <name>.bak.
// False, with the reason in *error, when the file could not be written; the old save is then
// untouched.
bool SaveGame(const Game& game, std::string* error);

// Saving as the player asks for it: the save file of the kept levels and the current level as it
// stands now (its kept copy may be older). False, with the reason in *error,
// when it could not be written (the old save is then untouched).
bool SaveCurrentGame(Game& game, std::string* error);
// The same save, marked as a checkpoint (written when the hero has entered another level).
bool SaveCheckpoint(Game& game, std::string* error);
// Whether the game in progress is one that saves: a hero with a name, alive, not in a sandbox.
bool GameCanBeSaved(const Game& game);
// Whether the hero's save on disk is a checkpoint rather than a save the player made.
bool SaveIsCheckpoint(const std::filesystem::path& save_folder, std::string_view name);

// What the message line says when a loaded save is a checkpoint.
inline constexpr std::string_view kRestoredFromCheckpoint =
    "Игра восстановлена с момента входа на этот уровень.";

// Reads and checks the hero's save file without changing anything.
std::optional<SaveImage> ReadSaveFile(const std::filesystem::path& save_folder,
                                      std::string_view name, std::string* error);

// Loads the saved hero `name`: the file is read and checked first; then the old level files are
// removed and the saved levels kept in memory, the data files loaded, the hero, his pack, knowledge,
// events and kills restored, and the saved level entered with the hero on his cell; a checkpoint
// says so on the message line. False, with the reason in *error, when the file is missing or
// damaged (it stays on disk and the game is as it was), or the data files or the saved level
// cannot be read.
bool LoadGame(Game& game, std::string_view name, std::string* error);

// Removes a lost hero's save file, its backup and its checkpoint mark.
void DeleteSave(const std::filesystem::path& save_folder, std::string_view name);

// The unload step of ending a game: a game that ends unsaved leaves its character record (under
// a name no earlier record holds, which goes to *record_file), enters the hall of fame and loses
// its save; then every level file goes. Returns what kept the record or the hall of fame from
// being written (empty when nothing did); the rest of the step runs regardless.
std::string UnloadGame(Game& game, std::string* record_file = nullptr);

}  // namespace zaldrun
