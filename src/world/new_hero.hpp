// A new hero: class and race give rolled attributes, learning rates, starting skills, derived
// figures, starting hit and power points, and the four events that keep the world running.
#pragma once

#include <cstdint>
#include <string>

namespace zaldrun {

struct Game;

struct HeroChoice {
  uint8_t race = 1;        // 1..5
  uint8_t hero_class = 1;  // 1..4
  uint8_t weapon = 1;      // the class's weapon list, from 1
  uint8_t missile = 0;     // the class's missile list, from 1 (0: none)
  int16_t wounded_hp = 0;  // a sandbox hero may start wounded (0: full health)
};

// Sets the hero up for a new game from the choice (name, place and equipment are set elsewhere).
void SetUpNewHero(Game& game, const HeroChoice& choice);

// Parses "RACE,CLASS,WEAPON,MISSILE" (missile may be left out); false for anything out of range.
bool ParseHeroChoice(const std::string& text, HeroChoice* choice, std::string* error);

// Starting hit points and power points: a level's gain on top of a share of endurance and magic.
inline constexpr int kStartingLevel = 1;

}  // namespace zaldrun
