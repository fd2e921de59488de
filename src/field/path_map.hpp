// Distances over the map for walks that plan their way (the hero's travel and exploring; any
// creature that wants a shortest way): a breadth-first fill from one or many goal cells, eight
// ways, every step costing one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/level.hpp"

namespace zaldrun {

struct Game;

struct MapPoint {
  int x = 0;
  int y = 0;
  bool operator==(const MapPoint&) const = default;
};

// Which cells a walk may cross, x + 80 * y.
using PassableCells = std::array<bool, kMapWidth * kMapHeight>;

class PathMap {
 public:
  static constexpr int16_t kUnreached = INT16_MAX;

  // Every cell reachable from the goals over passable cells gets its distance to the nearest
  // goal; a goal need not be passable itself (a way out at the edge, a door).
  void Fill(const PassableCells& passable, std::span<const MapPoint> goals);
  int Distance(int x, int y) const { return distance_[Index(x, y)]; }
  // The neighbour of (x, y) one step nearer a goal (straight steps first on a tie); nothing
  // when (x, y) is a goal or no neighbour leads to one.
  std::optional<MapPoint> StepFrom(int x, int y) const;

 private:
  static size_t Index(int x, int y) { return static_cast<size_t>(y * kMapWidth + x); }

  std::array<int16_t, kMapWidth * kMapHeight> distance_{};
  std::array<uint16_t, kMapWidth * kMapHeight> queue_{};
};

// The cells the hero knows he may walk on: seen, open ground (a closed door too, unless it is
// locked), no trap he knows of, no water, no way out of the level, no peaceful creature in view.
PassableCells KnownWalkable(const Game& game);
// The known walkable cells next to a cell never seen: where exploring goes next. The hero's own
// cell is left out, he has looked around from it already.
std::vector<MapPoint> ExploreGoals(const Game& game, const PassableCells& walkable);

}  // namespace zaldrun
