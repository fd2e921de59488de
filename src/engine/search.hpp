// Noticing hidden things around the hero: secret doors, caches in the wall, traps.
#pragma once

namespace zaldrun {

struct Game;

// Each hidden feature on the hero's cell and the eight around it gets one draw against
// Int(search skill) * per_point + (perception \ 2 + base). Finds are announced and train the
// search skill.
void SearchAround(Game& game, int per_point, int base);

// The passive search after every step, and the search command's stronger one.
inline constexpr int kPassivePerPoint = 30;
inline constexpr int kPassiveBase = 15;
inline constexpr int kActivePerPoint = 32;
inline constexpr int kActiveBase = 60;

}  // namespace zaldrun
