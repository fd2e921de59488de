// The work whose instructions scripts/count-instructions.sh counts under callgrind: building levels
// and crowded turns, each call of a counted function one unit of work. Callgrind collects only
// inside the functions named Counted* and writes a dump after each call, so the script reads one
// figure per level or per turn however busy the machine is.
//
//   zaldrun_count_work levels PLACE FIRST LAST REPEAT   builds every level of PLACE numbered
//                                                       FIRST..LAST that exists, REPEAT times each,
//                                                       and prints "place level" per level built
//   zaldrun_count_work turns COUNT                      COUNT turns of 300 awake monsters
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "levelgen/build_level.hpp"
#include "levelgen/places.hpp"
#include "levelgen/places.hpp"
#include "support/bench_games.hpp"

namespace zaldrun::bench {
namespace {

[[gnu::noinline]] bool CountedLevel(Game& game, int place, int level) {
  return BuildLevel(game, place, level);
}

[[gnu::noinline]] void CountedTurn(Game& game) { CrowdedTurn(game); }

int BuildLevels(int place, int first, int last, int repeat) {
  const auto folder = std::filesystem::temp_directory_path() / "zaldrun-count-work";
  auto game = GameWithData(folder, 42);
  if (game == nullptr) {
    std::fprintf(stderr, "the data files are missing in %s\n", ZALDRUN_BINARY_DIR);
    return 1;
  }
  for (int round = 0; round < repeat; ++round) {
    for (int level = first; level <= last; ++level) {
      if (!LevelExists(place, level)) continue;
      std::printf("%d %d\n", place, level);
      if (!CountedLevel(*game, place, level)) {
        std::fprintf(stderr, "level %d of place %d cannot be built\n", level, place);
        return 1;
      }
    }
  }
  std::filesystem::remove_all(folder);
  return 0;
}

int RunTurns(int count) {
  auto game = CrowdedLevel(true);
  if (game == nullptr) {
    std::fprintf(stderr, "the data files are missing in %s\n", ZALDRUN_BINARY_DIR);
    return 1;
  }
  const Level start = game->world.level;
  for (int turn = 0; turn < count; ++turn) {
    game->world.level = start;
    std::printf("turn %d\n", turn + 1);
    CountedTurn(*game);
  }
  return 0;
}

}  // namespace
}  // namespace zaldrun::bench

int main(int argc, char** argv) {
  const std::string what = argc > 1 ? argv[1] : "";
  if (what == "levels" && argc == 6) {
    return zaldrun::bench::BuildLevels(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                                       std::atoi(argv[5]));
  }
  if (what == "turns" && argc == 3) return zaldrun::bench::RunTurns(std::atoi(argv[2]));
  std::fprintf(stderr,
               "usage: %s levels PLACE FIRST LAST REPEAT\n       %s turns COUNT\n", argv[0],
               argv[0]);
  return 2;
}
