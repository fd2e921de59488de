// The whole hero as text: attributes, figures, skills, events. For tests and their failures.
#pragma once

#include <string>

namespace zaldrun {
struct Game;
}

namespace zaldrun::testing {

std::string DescribeHero(const Game& game);

}  // namespace zaldrun::testing
