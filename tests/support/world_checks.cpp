#include "support/world_checks.hpp"

#include <map>
#include <utility>
#include <vector>

#include "levelgen/build_level.hpp"
#include "model/game.hpp"
#include "records/terrain.hpp"

namespace zaldrun::testing {
namespace {

std::string At(int x, int y) { return " (" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

bool Passable(const Level& level, int x, int y) {
  const int feature = level.Cell(x, y).feature;
  if (feature == feature::kClosedDoor || feature == feature::kSecretDoor) return true;
  return !TerrainOf(level.Terrain(x, y)).blocks_move && feature != feature::kCache &&
         feature != feature::kHiddenCache;
}

}  // namespace

std::string LevelFaults(const Game& game) {
  const Level& level = game.world.level;
  std::string faults;
  const int hx = game.world.hero.x;
  const int hy = game.world.hero.y;
  if (!Level::Inside(hx, hy)) return "the hero is off the map";
  if (TerrainOf(level.Terrain(hx, hy)).blocks_move) faults += "the hero stands in a wall\n";
  if (level.Cell(hx, hy).monster != 0) faults += "the hero stands on a monster\n";

  std::vector<uint8_t> reached(kMapWidth * kMapHeight, 0);
  std::vector<int> queue = {hy * kMapWidth + hx};
  reached[static_cast<size_t>(queue[0])] = 1;
  for (size_t head = 0; head < queue.size(); ++head) {
    const int cx = queue[head] % kMapWidth;
    const int cy = queue[head] / kMapWidth;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int nx = cx + dx;
        const int ny = cy + dy;
        if (!Level::Inside(nx, ny) || reached[static_cast<size_t>(ny * kMapWidth + nx)] != 0)
          continue;
        const bool exit = level.Cell(nx, ny).feature == feature::kEdgeExit;
        if (!exit && !Passable(level, nx, ny)) continue;
        reached[static_cast<size_t>(ny * kMapWidth + nx)] = 1;
        // An exit is stepped onto, never walked through.
        if (!exit || Passable(level, nx, ny)) queue.push_back(ny * kMapWidth + nx);
        // An entrance to this same level carries the hero to its arrival (the village's signs).
        const MapCell& cell = level.Cell(nx, ny);
        const int here = game.world.current_place * 100 + game.world.current_level;
        if (cell.feature == feature::kEntrance && cell.params[0] == here &&
            Level::Inside(cell.params[2], cell.params[3])) {
          const size_t to = static_cast<size_t>(cell.params[3] * kMapWidth + cell.params[2]);
          if (reached[to] == 0) {
            reached[to] = 1;
            queue.push_back(static_cast<int>(to));
          }
        }
      }
    }
  }

  std::map<std::pair<int, int>, bool> exits;  // destination -> one of its exits reached
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const MapCell& cell = level.Cell(x, y);
      const bool got = reached[static_cast<size_t>(y * kMapWidth + x)] != 0;
      const auto p = cell.params;
      switch (cell.feature) {
        case feature::kStairsDown:
        case feature::kStairsUp:
          if (!got) faults += "stairs not reachable" + At(x, y) + "\n";
          if (!LevelCanBeBuilt(game, p[0], p[1])) faults += "stairs lead nowhere" + At(x, y) + "\n";
          break;
        case feature::kEdgeExit:
          exits[{p[0], p[1]}] |= got;
          if (!LevelCanBeBuilt(game, p[0], p[1])) faults += "exit leads nowhere" + At(x, y) + "\n";
          break;
        case feature::kEntrance:
          if (!got) faults += "entrance not reachable" + At(x, y) + "\n";
          if (!LevelCanBeBuilt(game, p[0] / 100, p[0] % 100)) {
            faults += "entrance leads nowhere" + At(x, y) + "\n";
          }
          break;
        default:
          break;
      }
      if (cell.monster != 0 && TerrainOf(level.Terrain(x, y)).blocks_move) {
        faults += "monster in a wall" + At(x, y) + "\n";
      }
      if (cell.item != 0 && TerrainOf(level.Terrain(x, y)).blocks_move) {
        faults += "item in a wall" + At(x, y) + "\n";
      }
    }
  }
  for (const auto& [destination, got] : exits) {
    if (!got) {
      faults += "no exit to (" + std::to_string(destination.first) + ", " +
                std::to_string(destination.second) + ") is reachable\n";
    }
  }
  return faults;
}

}  // namespace zaldrun::testing
