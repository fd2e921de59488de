// What the places are called where the hero stands: "Пещера, уровень 3", the village's name.
#pragma once

#include <string>

namespace zaldrun {

// The name of the place with the level's number where the place has several levels.
std::string PlaceName(int place, int level);

}  // namespace zaldrun
