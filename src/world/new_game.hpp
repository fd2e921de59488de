// Starting a new game: the weapons each class may start with, the last choices of the settings file
// made sound, and the start itself — the hero of the player's choices named by the settings file,
// the new-game state, and the first level (the overworld, or any level of the world to try a
// place).
#pragma once

#include <span>
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

// Where a new game begins: the overworld at (4, 20) unless another level is asked for.
struct NewGameStart {
  HeroChoice hero;
  int place = 1;
  int level = 100;
};

inline constexpr std::string_view kNameTaken = "Персонаж с таким именем уже существует!";

// Sets up the new hero (name from the settings file, made a sound name), clears what an earlier
// game left in the world (the level, the piles, the kills, the events, the prompts and labels) and
// enters the starting level: the overworld with the hero at (4, 20), or level `level` of place
// `place` with the hero where a newcomer arrives. Needs the game data loaded. No save file is
// written. False, with a message, when that level cannot be entered or a saved hero has that name.
bool StartNewGame(Game& game, const NewGameStart& start);

// What every started or loaded game does last: the map and the hero are shown, the game counts
// as in progress and not yet saved.
void BeginPlay(Game& game);

}  // namespace zaldrun
