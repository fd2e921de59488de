// Sandbox levels: a level drawn as 40 lines of 80 characters, for trying things out and for tests.
//   "A".."[" terrain letters; "@" the hero's start on stone floor; "+" a closed door on stone
//   floor; "*" a secret door in a stone wall.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/world.hpp"
#include "world/new_hero.hpp"

namespace zaldrun {

struct Game;

struct SandboxLevel {
  Level level;
  int hero_x = 0;
  int hero_y = 0;
};

// The place and level number of a sandbox: no special meaning anywhere.
inline constexpr int16_t kSandboxPlace = 99;
inline constexpr int16_t kSandboxLevel = 1;

// Parses a sandbox picture. On a fault returns nothing, with a message naming `name`, the line and
// the column in *error.
std::optional<SandboxLevel> ParseSandbox(std::string_view text, const std::string& name,
                                         std::string* error);
std::optional<SandboxLevel> LoadSandbox(const std::filesystem::path& path, std::string* error);

// Starts play on the sandbox level: the level replaces the current one, the hero stands on his
// start, sees around him, and the map is shown. With a choice the hero is a new hero of that race
// and class; without one a plain hero (speed 100, sight 8, costs 1000, 10 hit points) with no
// events, which keeps tests of the engine simple.
void StartSandbox(Game& game, const SandboxLevel& sandbox, const HeroChoice* choice = nullptr);

}  // namespace zaldrun
