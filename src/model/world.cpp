#include "model/world.hpp"

namespace zaldrun {

World::World() : piles(kPileCount) {}

}  // namespace zaldrun
