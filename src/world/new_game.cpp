#include "world/new_game.hpp"

#include <string>

#include "base/byte_record.hpp"
#include "levelgen/places.hpp"
#include "model/game.hpp"
#include "world/level_change.hpp"

namespace zaldrun {

bool StartNewGame(Game& game, const NewGameStart& start) {
  World& world = game.world;
  // Nothing of an earlier game carries over: no level to write, nothing lying or killed.
  world.current_place = 0;
  world.current_level = 0;
  world.level = Level{};
  for (PileRecord& pile : world.piles) pile = PileRecord{};
  world.kill_counts = {};
  world.hero.name = std::string(TrimRight(game.session.settings.name));
  SetUpNewHero(game, start.hero);
  game.session.game_in_progress = true;
  game.session.saved = false;
  game.view.field.hero_visible = true;
  const bool overworld = start.place == place::kWorld && start.level == place::kOverworld;
  return ChangeLevel(game, start.place, start.level, overworld ? kNewGameX : 0,
                     overworld ? kNewGameY : 0);
}

}  // namespace zaldrun
