// The command line: which front end, which program folder, which seed, and how to start playing
// at once (a sandbox level, or a new game on the overworld or on any level of the world).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zaldrun {

enum class FrontendChoice { kAuto, kWindow, kTerminal };

struct Options {
  FrontendChoice frontend = FrontendChoice::kAuto;
  std::string folder;  // --dir: one folder for all the player's files; empty: chosen at start
  std::optional<uint64_t> seed;
  std::string map_file;          // a sandbox level to play in
  std::string hero = "1,1,1,0";  // the hero: race, class, weapon, missile
  bool hero_given = false;       // --hero without --map starts a new game
  // --place P,L: a new game starts on level L of place P (0, 0: on the overworld).
  int start_place = 0;
  int start_level = 0;
  int hero_hp = 0;   // the sandbox hero's starting hit points (0: full)
  std::string load;  // a saved hero to resume at once
  bool speech = false;  // --speech: messages are spoken whatever the settings say
  bool help = false;
  bool version = false;
};

// Parses argv[1..]. Returns nothing, with the reason in *error, for an unknown option or a bad
// value.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string* error);

std::string UsageText();

// Whether the options ask for a new game at once (--hero or --place without --map).
bool StartsNewGame(const Options& options);

}  // namespace zaldrun
