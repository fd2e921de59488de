// fuzz_seeds DATA_FOLDER LEVEL_CORPUS SAVE_CORPUS: plays the start of a game (the overworld, the
// village and back) and puts its level files and its save into the two corpora as seeds.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "model/game.hpp"
#include "world/game_data.hpp"
#include "world/level_change.hpp"
#include "world/new_hero.hpp"
#include "world/save_game.hpp"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc != 4) {
    std::cerr << "usage: fuzz_seeds DATA_FOLDER LEVEL_CORPUS SAVE_CORPUS\n";
    return 2;
  }
  const fs::path work = fs::temp_directory_path() / ("zaldrun-seeds-" + std::to_string(::getpid()));
  fs::create_directories(work / "Save");
  auto game = std::make_unique<zaldrun::Game>();
  game->session.folder = work;
  game->session.data_folder = argv[1];
  game->random.Seed(1);
  std::string error = zaldrun::LoadGameData(*game);
  if (!error.empty()) {
    std::cerr << error << "\n";
    return 1;
  }
  game->world.hero.name = "Вася";
  zaldrun::SetUpNewHero(*game, zaldrun::HeroChoice{1, 2, 1, 1});
  const bool entered = zaldrun::ChangeLevel(*game, 1, 100, 4, 20) &&
                       zaldrun::ChangeLevel(*game, 1, 1, 7, 38) &&
                       zaldrun::ChangeLevel(*game, 1, 100, 11, 21);
  if (!entered || !zaldrun::SaveCurrentGame(*game, &error)) {
    std::cerr << "no game to take seeds from: " << error << "\n";
    return 1;
  }
  fs::create_directories(argv[2]);
  fs::create_directories(argv[3]);
  for (const auto& entry : fs::directory_iterator(work / "Save")) {
    const fs::path& file = entry.path();
    const fs::path corpus = file.extension() == ".sav" ? argv[3] : argv[2];
    if (file.extension() == ".sav" || file.extension() == ".lev") {
      fs::copy_file(file, corpus / ("seed-" + file.filename().string()),
                    fs::copy_options::overwrite_existing);
    }
  }
  fs::remove_all(work);
  return 0;
}
