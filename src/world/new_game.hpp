// A new game: the weapons each class may start with, the last choices of the settings file made
// sound, and the start itself — the tables loaded, the new hero set up and the overworld entered.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "world/new_hero.hpp"

namespace zaldrun {

struct Game;
struct Settings;

// The melee and ranged weapons a class (1..4) may start with, in list order; the choice stored is
// the position from 1. Warriors and barbarians have no ranged weapon to choose.
std::span<const std::string_view> MeleeWeaponNames(int hero_class);
std::span<const std::string_view> RangedWeaponNames(int hero_class);

// The race, class, weapon and missile of the settings file's [Character] section, each falling
// back to the first entry of its list when out of range; a class with ranged weapons always has
// one chosen, and a class without has missile 0.
HeroChoice StoredChoice(const Settings& settings);

// The overworld cell a new hero starts on.
inline constexpr int kStartX = 4;
inline constexpr int kStartY = 20;

// Starts a new game with a hero of that name (a normal hero name) and choice: the data files are
// loaded, the hero set up, and the overworld entered with the hero at (4, 20). No save file is
// written. False, with the reason in *error and nothing started, when the data files are
// missing or damaged.
bool StartNewGame(Game& game, std::string_view name, const HeroChoice& choice, std::string* error);

// What every started or loaded game does last: the map and the hero are shown, the game counts
// as in progress and not yet saved.
void BeginPlay(Game& game);

}  // namespace zaldrun
