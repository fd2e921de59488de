#include "state/game.hpp"

namespace zaldrun {

Game::Game() : piles(kPileCount) {}

}  // namespace zaldrun
