#include "field/path_map.hpp"

#include <vector>

#include "field/sight.hpp"
#include "model/game.hpp"
#include "records/terrain.hpp"

namespace zaldrun {
namespace {

// Straight steps first, so that a path prefers them where a diagonal is no shorter.
constexpr std::array<MapPoint, 8> kSteps = {
    {{0, -1}, {1, 0}, {0, 1}, {-1, 0}, {1, -1}, {1, 1}, {-1, 1}, {-1, -1}}};

constexpr char kWater = 'H';
constexpr int16_t kLocked = 1;  // a closed door's first parameter

bool KnownGround(const Game& game, int x, int y) {
  const Level& level = game.world.level;
  const MapCell& cell = level.Cell(x, y);
  if (cell.seen == 0 || level.Terrain(x, y) == kWater) return false;
  if (TerrainOf(level.Terrain(x, y)).blocks_move) return false;
  switch (cell.feature) {
    case feature::kClosedDoor:
      return cell.params[0] != kLocked;
    case feature::kEdgeExit:
    case feature::kPortal:
      return false;
    default:
      break;
  }
  if (cell.feature >= feature::kFirstTrap && cell.feature <= feature::kLastTrap) return false;
  if (FeatureBlocks(cell.feature)) return false;
  const int slot = cell.monster;
  return !(slot >= 1 && slot <= level.monster_count && level.Monster(slot).peaceful != 0 &&
           CellInView(game, x, y));
}

}  // namespace

void PathMap::Fill(const PassableCells& passable, std::span<const MapPoint> goals) {
  distance_.fill(kUnreached);
  size_t head = 0;
  size_t tail = 0;
  for (const MapPoint& goal : goals) {
    if (!Level::Inside(goal.x, goal.y) || distance_[Index(goal.x, goal.y)] == 0) continue;
    distance_[Index(goal.x, goal.y)] = 0;
    queue_[tail++] = static_cast<uint16_t>(Index(goal.x, goal.y));
  }
  while (head < tail) {
    const int at = queue_[head++];
    const int x = at % kMapWidth;
    const int y = at / kMapWidth;
    const int16_t next = static_cast<int16_t>(distance_[static_cast<size_t>(at)] + 1);
    for (const MapPoint& step : kSteps) {
      const int nx = x + step.x;
      const int ny = y + step.y;
      if (!Level::Inside(nx, ny)) continue;
      const size_t n = Index(nx, ny);
      if (!passable[n] || distance_[n] != kUnreached) continue;
      distance_[n] = next;
      queue_[tail++] = static_cast<uint16_t>(n);
    }
  }
}

std::optional<MapPoint> PathMap::StepFrom(int x, int y) const {
  if (!Level::Inside(x, y) || Distance(x, y) == 0) return std::nullopt;
  std::optional<MapPoint> best;
  int best_distance = kUnreached;
  for (const MapPoint& step : kSteps) {
    const MapPoint to{x + step.x, y + step.y};
    if (!Level::Inside(to.x, to.y)) continue;
    const int d = Distance(to.x, to.y);
    if (d < best_distance) {
      best_distance = d;
      best = to;
    }
  }
  return best;
}

PassableCells KnownWalkable(const Game& game) {
  PassableCells walkable{};
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      walkable[static_cast<size_t>(y * kMapWidth + x)] = KnownGround(game, x, y);
    }
  }
  return walkable;
}

std::vector<MapPoint> ExploreGoals(const Game& game, const PassableCells& walkable) {
  std::vector<MapPoint> goals;
  const Level& level = game.world.level;
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      if (!walkable[static_cast<size_t>(y * kMapWidth + x)]) continue;
      if (x == game.world.hero.x && y == game.world.hero.y) continue;
      bool unseen_next = false;
      for (const MapPoint& step : kSteps) {
        const int nx = x + step.x;
        const int ny = y + step.y;
        if (Level::Inside(nx, ny) && level.Cell(nx, ny).seen == 0) unseen_next = true;
      }
      if (unseen_next) goals.push_back({x, y});
    }
  }
  return goals;
}

}  // namespace zaldrun
