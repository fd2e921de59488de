// The game's four data files, loaded and checked before any game starts.
#pragma once

#include <filesystem>
#include <string>

namespace zaldrun {

struct Game;

// Loads Monsters.dat, Items.dat, Affixes.dat and Places.dat from the game's data folder and sets up
// the monster and item tables (a new dealing of appearances). Returns what is wrong, naming the
// file, or an empty text.
std::string LoadGameData(Game& game);

// Whether a folder holds the data files (the first of them is enough to decide where to look).
bool HasDataFiles(const std::filesystem::path& folder);

}  // namespace zaldrun
