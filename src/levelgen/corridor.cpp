#include "levelgen/corridor.hpp"

#include <array>

#include "levelgen/level_tools.hpp"
#include "model/game.hpp"

namespace zaldrun {
namespace {

constexpr int16_t kUnreached = 30000;
constexpr int kLastFloodStep = 2999;
constexpr int kReachedLimit = 3000;
constexpr int kMostWalkSteps = 1000;
constexpr int kKeepDirection = 222;
constexpr int kTurn = 40;

// Neighbours in the order the corridor looks at them: west, north, south, east.
constexpr int kDx[4] = {-1, 0, 0, 1};
constexpr int kDy[4] = {0, -1, 1, 0};

bool InCorridorArea(int x, int y) { return x >= 1 && x <= 78 && y >= 1 && y <= 38; }
int Index(int x, int y) { return y * kMapWidth + x; }

}  // namespace

void DigCorridor(Game& game, int x1, int y1, int x2, int y2) {
  if (!Level::Inside(x1, y1) || !Level::Inside(x2, y2)) return;
  Level& level = game.world.level;
  std::array<int16_t, kMapWidth * kMapHeight> distance;
  distance.fill(kUnreached);
  std::array<int16_t, kMapWidth * kMapHeight> frontier;
  const int start = Index(x1, y1);
  const int target = Index(x2, y2);
  distance[static_cast<size_t>(start)] = 0;
  frontier[0] = static_cast<int16_t>(start);
  size_t head = 0;
  size_t tail = 1;
  // The flood keeps a queue of the cells reached, so each cell is looked at once; it ends as soon
  // as the target door is reached or nothing is left to spread to.
  bool reached = start == target;
  while (head < tail && !reached) {
    const int cell = frontier[head++];
    const int step = distance[static_cast<size_t>(cell)] + 1;
    if (step > kLastFloodStep) break;
    const int cx = cell % kMapWidth;
    const int cy = cell / kMapWidth;
    for (int d = 0; d < 4; ++d) {
      const int nx = cx + kDx[d];
      const int ny = cy + kDy[d];
      if (!InCorridorArea(nx, ny)) continue;
      const int next = Index(nx, ny);
      if (next == target) {
        distance[static_cast<size_t>(next)] = static_cast<int16_t>(step);
        reached = true;
        break;
      }
      if (level.Cell(nx, ny).room != 0 || distance[static_cast<size_t>(next)] != kUnreached) {
        continue;
      }
      distance[static_cast<size_t>(next)] = static_cast<int16_t>(step);
      frontier[tail++] = static_cast<int16_t>(next);
    }
  }

  int x = x2;
  int y = y2;
  int last = -1;
  for (int walked = 0; walked < kMostWalkSteps && !(x == x1 && y == y1); ++walked) {
    const int here = distance[static_cast<size_t>(Index(x, y))];
    int weights[4] = {};
    int total = 0;
    for (int pass = 0; pass < 2 && total == 0; ++pass) {
      for (int d = 0; d < 4; ++d) {
        weights[d] = 0;
        const int nx = x + kDx[d];
        const int ny = y + kDy[d];
        if (!InCorridorArea(nx, ny)) continue;
        const int there = distance[static_cast<size_t>(Index(nx, ny))];
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

}  // namespace zaldrun
