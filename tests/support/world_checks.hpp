// Checks of a built or visited level that every test of the world shares: stairs and exits the
// hero can reach, nobody and nothing inside a wall, links that lead somewhere.
#pragma once

#include <string>

namespace zaldrun {
struct Game;
}

namespace zaldrun::testing {

// What is wrong with the current level seen from the hero's cell, one fault a line; empty when
// sound. Reaching counts closed, locked and secret doors as passable (they can be opened, kicked
// or found) and an edge exit as reached when the hero can step onto it from a reached cell.
std::string LevelFaults(const Game& game);

}  // namespace zaldrun::testing
