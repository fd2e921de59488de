#include "levelgen/corridor.hpp"

#include <algorithm>

#include "levelgen/level_tools.hpp"
#include "model/game.hpp"

namespace zaldrun {
namespace {

constexpr int16_t kUnreached = 30000;
// Cells the flood never enters (rooms and the area's edge); the walk back sees them as unreached.
constexpr int16_t kClosed = 30001;
constexpr int kLastFloodStep = 2999;
constexpr int kReachedLimit = 3000;
constexpr int kMostWalkSteps = 1000;
constexpr int kKeepDirection = 222;
constexpr int kTurn = 40;

// Neighbours in the order the corridor looks at them: west, north, south, east.
constexpr int kDx[4] = {-1, 0, 0, 1};
constexpr int kDy[4] = {0, -1, 1, 0};
constexpr int kStep[4] = {-1, -kMapWidth, kMapWidth, 1};

bool InCorridorArea(int x, int y) { return x >= 1 && x <= 78 && y >= 1 && y <= 38; }
int Index(int x, int y) { return y * kMapWidth + x; }

}  // namespace

CorridorDigger::CorridorDigger(const Level& level) {
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const bool open = InCorridorArea(x, y) && level.Cell(x, y).room == 0;
      distance_[static_cast<size_t>(Index(x, y))] = open ? kUnreached : kClosed;
    }
  }
}

int CorridorDigger::Distance(int x, int y) const {
  return std::min(distance_[static_cast<size_t>(Index(x, y))], kUnreached);
}

// The flood keeps a queue of the cells reached, so each cell is looked at once; it ends as soon as
// the target door is reached or nothing is left to spread to. The start door may sit on the
// area's edge, so its neighbours are checked against the area; every later cell lies inside it,
// with all four neighbours on the map. The target door is opened to the flood while it runs.
void CorridorDigger::Flood(int start, int target) {
  reached_count_ = 0;
  auto reach = [this](int cell, int step) {
    distance_[static_cast<size_t>(cell)] = static_cast<int16_t>(step);
    reached_[static_cast<size_t>(reached_count_++)] = static_cast<int16_t>(cell);
  };
  reach(start, 0);
  if (start == target) return;
  if (InCorridorArea(target % kMapWidth, target / kMapWidth)) {
    distance_[static_cast<size_t>(target)] = kUnreached;
  }
  const int sx = start % kMapWidth;
  const int sy = start / kMapWidth;
  for (int d = 0; d < 4; ++d) {
    if (!InCorridorArea(sx + kDx[d], sy + kDy[d])) continue;
    const int next = start + kStep[d];
    if (distance_[static_cast<size_t>(next)] != kUnreached) continue;
    reach(next, 1);
    if (next == target) return;
  }
  for (int head = 1; head < reached_count_; ++head) {
    const int cell = reached_[static_cast<size_t>(head)];
    const int step = distance_[static_cast<size_t>(cell)] + 1;
    if (step > kLastFloodStep) return;
    for (int d = 0; d < 4; ++d) {
      const int next = cell + kStep[d];
      if (distance_[static_cast<size_t>(next)] != kUnreached) continue;
      reach(next, step);
      if (next == target) return;
    }
  }
}

void CorridorDigger::WalkBack(Game& game, int x1, int y1, int x2, int y2) {
  Level& level = game.world.level;
  int x = x2;
  int y = y2;
  int last = -1;
  for (int walked = 0; walked < kMostWalkSteps && !(x == x1 && y == y1); ++walked) {
    const int here = Distance(x, y);
    int weights[4] = {};
    int total = 0;
    for (int pass = 0; pass < 2 && total == 0; ++pass) {
      for (int d = 0; d < 4; ++d) {
        weights[d] = 0;
        const int nx = x + kDx[d];
        const int ny = y + kDy[d];
        if (!InCorridorArea(nx, ny)) continue;
        const int there = Distance(nx, ny);
        if (there < here) {
          weights[d] = d == last ? kKeepDirection : kTurn;
        } else if (there < kReachedLimit) {
          weights[d] = pass == 0 ? 1 : 4;
        } else if (pass == 1) {
          weights[d] = 1;  // lost: wander through anything rather than stop short
        }
        total += weights[d];
      }
    }
    if (total == 0) return;
    int t = RollBelow(game, total) + 1;
    int move = 0;
    for (; move < 3; ++move) {
      t -= weights[move];
      if (t <= 0) break;
    }
    x += kDx[move];
    y += kDy[move];
    last = move;
    if (level.Cell(x, y).feature != feature::kSecretDoor) level.SetTerrain(x, y, 'C');
  }
}

void CorridorDigger::Dig(Game& game, int x1, int y1, int x2, int y2) {
  if (!Level::Inside(x1, y1) || !Level::Inside(x2, y2)) return;
  const int start = Index(x1, y1);
  const int target = Index(x2, y2);
  const int16_t start_before = distance_[static_cast<size_t>(start)];
  const int16_t target_before = distance_[static_cast<size_t>(target)];
  Flood(start, target);
  WalkBack(game, x1, y1, x2, y2);
  for (int i = 0; i < reached_count_; ++i) {
    distance_[static_cast<size_t>(reached_[static_cast<size_t>(i)])] = kUnreached;
  }
  distance_[static_cast<size_t>(target)] = target_before;
  distance_[static_cast<size_t>(start)] = start_before;
}

void DigCorridor(Game& game, int x1, int y1, int x2, int y2) {
  CorridorDigger(game.world.level).Dig(game, x1, y1, x2, y2);
}

}  // namespace zaldrun
