#include "world/game_data.hpp"

#include <system_error>

#include "engine/dispatch.hpp"
#include "model/monster_types.hpp"
#include "items/item_types.hpp"
#include "model/game.hpp"
#include "world/place_maps.hpp"

namespace zaldrun {

std::string LoadGameData(Game& game) {
  std::string error;
  if (!InitMonsterTable(game, &error)) return error;
  ResolveBehaviours(game);
  if (!game.data.items.Loaded()) {
    error = LoadItemFiles(game);
    if (!error.empty()) return error;
  }
  InitItemTable(game);
  if (game.data.places.map_count() == 0) {
    error = LoadPlaceMapsFile(game);
    if (!error.empty()) return error;
  }
  return std::string();
}

bool HasDataFiles(const std::filesystem::path& folder) {
  std::error_code ec;
  return std::filesystem::is_regular_file(folder / "Monsters.dat", ec);
}

}  // namespace zaldrun
