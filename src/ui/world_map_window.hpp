// The map of the world: the overworld as the hero has seen it, with the names of the entrances he
// has found, whether he stands on it or in a place it leads to.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/level.hpp"

namespace zaldrun {

struct Game;
class Screen;

struct EntranceLabel {
  int x;
  int y;
  std::string name;
};

// The entrances of an overworld level that the hero has seen, with their names.
std::vector<EntranceLabel> FoundEntrances(const Level& overworld);
// The overworld as the hero remembers it: the level itself while he is on it, else its level
// file; nothing when he has never been there.
std::unique_ptr<Level> RememberedOverworld(const Game& game);
void RunWorldMapWindow(Game& game, Screen& screen);

}  // namespace zaldrun
