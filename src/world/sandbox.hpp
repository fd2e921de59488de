// Sandbox levels: a level drawn as 40 lines of 80 characters, for trying things out and for tests.
//   "A".."[" terrain letters; "@" the hero's start on stone floor; "+" a closed door on stone
//   floor; "*" a secret door in a stone wall. After the map, placement lines (blank lines and
//   lines starting with "#" are skipped):
//     item X Y TYPE [COUNT]   an item of type 1..207 (COUNT of them, 1 when left out)
//     gold X Y N              N gold coins
//     monster X Y TYPE [awake] a monster of type 1..85, asleep unless "awake" follows
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/world.hpp"
#include "world/new_hero.hpp"

namespace zaldrun {

struct Game;

// One placement line after the map.
struct SandboxPlacement {
  enum class Kind { kItem, kGold, kMonster } kind = Kind::kItem;
  int x = 0;
  int y = 0;
  int type = 0;   // item or monster type; 117 (money) for gold
  int count = 1;  // items or coins
  bool awake = false;
  int line = 0;   // where it was written, for messages
};

struct SandboxLevel {
  Level level;
  int hero_x = 0;
  int hero_y = 0;
  std::vector<SandboxPlacement> placements;
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
