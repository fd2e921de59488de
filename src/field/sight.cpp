#include "field/sight.hpp"

#include <cmath>
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "model/io.hpp"
#include "field/field.hpp"
#include "field/free_cells.hpp"
#include "model/chance.hpp"
#include "model/game.hpp"
#include "records/terrain.hpp"
#include "model/world_ops.hpp"

namespace zaldrun {
namespace {

bool BlocksSight(const Game& game, int x, int y) {
  return LetterBlocksSight(game.world.level.Terrain(x, y)) ||
         FeatureBlocks(game.world.level.Cell(x, y).feature);
}

// The radius rule: a cell farther than r + 0.25 from the start ends the line. Compared in whole
// numbers: d² > (r + 1/4)² exactly when 16·d² > (4r + 1)².
bool BeyondRadius(int dx, int dy, int r) {
  const long long limit = 4LL * r + 1;
  return 16LL * (dx * dx + dy * dy) > limit * limit;
}

void AppendCell(Game& game, int x, int y) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d%02d", x, y);
  game.view.field.cell_list += text;
}

}  // namespace

CellOperation OperationNamed(std::string_view name) {
  if (name == "Drk") return CellOperation::kDarken;
  if (name == "Fly") return CellOperation::kFly;
  if (name == "Monster") return CellOperation::kMonster;
  if (name == "Check") return CellOperation::kCheck;
  if (name == "Spell") return CellOperation::kSpell;
  if (name == "HP") return CellOperation::kHp;
  if (name == "Pusto") return CellOperation::kPusto;
  if (name == "Target") return CellOperation::kTarget;
  return CellOperation::kNone;
}

void LOSLine(Game& game, int x1, int y1, int x2, int y2, int r) {
  const bool vertical = x1 == x2;
  StepLine(x1, y1, x2, y2, [&](int x, int y) {
    if (!Level::Inside(x, y)) return true;
    if (!vertical && BeyondRadius(x - x1, y - y1, r)) return false;
    Renew(game, x, y);
    return !BlocksSight(game, x, y);
  });
}

namespace {

constexpr int kLargestPlannedRadius = 60;
constexpr size_t kMostPlans = 16384;

// One cell of a sight plan and where the plan goes on when that cell stops sight.
struct PlanCell {
  uint16_t cell;  // x | y << 8
  uint16_t past;  // the index after every cell seen only through this one
};

// The field of view of radius r around (x, y) as a tree: the lines of the sweep, each cut where it
// leaves the radius, share their first cells, so every shared start is stored once and the lines
// go on from it as branches. Laid out depth first, a blocking cell skips its branches with one
// jump. A plan depends on nothing but geometry and is kept for the next sweep from the same cell.
std::vector<PlanCell> MakeSightPlan(int x, int y, int r) {
  // The tree while it grows: each node's branches as a chain of siblings, all in one vector.
  struct Node {
    uint16_t cell;
    int first_branch;
    int next_sibling;
  };
  std::vector<Node> nodes{{0, -1, -1}};  // node 0 is the root, before the first cell
  auto line = [&](int x2, int y2) {
    const bool vertical = x == x2;
    int at = 0;
    StepLine(x, y, x2, y2, [&](int cx, int cy) {
      if (!Level::Inside(cx, cy)) return true;
      if (!vertical && BeyondRadius(cx - x, cy - y, r)) return false;
      const auto cell = static_cast<uint16_t>(cx | (cy << 8));
      int next = nodes[static_cast<size_t>(at)].first_branch;
      while (next >= 0 && nodes[static_cast<size_t>(next)].cell != cell) {
        next = nodes[static_cast<size_t>(next)].next_sibling;
      }
      if (next < 0) {
        next = static_cast<int>(nodes.size());
        nodes.push_back({cell, -1, nodes[static_cast<size_t>(at)].first_branch});
        nodes[static_cast<size_t>(at)].first_branch = next;
      }
      at = next;
      return true;
    });
  };
  for (int i = 0; i <= r; ++i) {
    line(x + i, y - r);
    line(x + i, y + r);
    line(x - i, y - r);
    line(x - i, y + r);
    line(x + r, y - i);
    line(x - r, y - i);
    line(x + r, y + i);
    line(x - r, y + i);
  }
  std::vector<PlanCell> plan;
  plan.reserve(nodes.size() - 1);
  auto lay_out = [&](auto& self, int node) -> void {
    for (int branch = nodes[static_cast<size_t>(node)].first_branch; branch >= 0;
         branch = nodes[static_cast<size_t>(branch)].next_sibling) {
      const size_t here = plan.size();
      plan.push_back({nodes[static_cast<size_t>(branch)].cell, 0});
      self(self, branch);
      plan[here].past = static_cast<uint16_t>(plan.size());
    }
  };
  lay_out(lay_out, 0);
  return plan;
}

const std::vector<PlanCell>& SightPlan(int x, int y, int r) {
  static std::unordered_map<uint32_t, std::vector<PlanCell>> plans;
  const uint32_t key = (static_cast<uint32_t>(r) << 16) | static_cast<uint32_t>(y * kMapWidth + x);
  const auto found = plans.find(key);
  if (found != plans.end()) return found->second;
  if (plans.size() >= kMostPlans) plans.clear();
  return plans.emplace(key, MakeSightPlan(x, y, r)).first->second;
}

}  // namespace

void LOSRound(Game& game, int x, int y, int r) {
  if (Level::Inside(x, y) && r >= 0 && r <= kLargestPlannedRadius) {
    FieldModel& field = game.view.field;
    // The stamp of a cell is the sweep number and, in its lowest bit, whether the cell stops sight:
    // a cell reached along several branches is drawn and looked at once.
    const uint32_t sweep = ++field.sweep << 1;
    const std::vector<PlanCell>& plan = SightPlan(x, y, r);
    const Level& level = game.world.level;
    size_t i = 0;
    while (i < plan.size()) {
      const int cx = plan[i].cell & 0xFF;
      const int cy = plan[i].cell >> 8;
      uint32_t& stamp = field.swept[static_cast<size_t>(cy * kMapWidth + cx)];
      if ((stamp & ~1u) != sweep) {
        Renew(game, cx, cy);
        const bool blocks =
            LetterBlocksSight(level.Terrain(cx, cy)) || FeatureBlocks(level.Cell(cx, cy).feature);
        stamp = sweep | (blocks ? 1u : 0u);
      }
      i = (stamp & 1u) != 0 ? plan[i].past : i + 1;
    }
    return;
  }
  for (int i = 0; i <= r; ++i) {
    LOSLine(game, x, y, x + i, y - r, r);
    LOSLine(game, x, y, x + i, y + r, r);
    LOSLine(game, x, y, x - i, y - r, r);
    LOSLine(game, x, y, x - i, y + r, r);
    LOSLine(game, x, y, x + r, y - i, r);
    LOSLine(game, x, y, x - r, y - i, r);
    LOSLine(game, x, y, x + r, y + i, r);
    LOSLine(game, x, y, x - r, y + i, r);
  }
}

int HeroSightRadius(const Game& game) {
  constexpr int kOverworldSight = 3;
  return game.world.OnOverworld() ? kOverworldSight : game.world.hero.sight_radius;
}

void SweepHeroSight(Game& game) {
  const Hero& hero = game.world.hero;
  LOSRound(game, hero.x, hero.y, HeroSightRadius(game));
}

bool CellInView(const Game& game, int x, int y) {
  if (!Level::Inside(x, y)) return false;
  const FieldModel& field = game.view.field;
  return field.sweep != 0 &&
         (field.swept[static_cast<size_t>(y * kMapWidth + x)] & ~1u) == (field.sweep << 1);
}

bool SeePlayer(const Game& game, int x1, int y1, int x2, int y2, int r) {
  const bool vertical = x1 == x2;
  if (vertical && std::abs(y1 - y2) > r) return false;
  bool seen = true;
  StepLine(x1, y1, x2, y2, [&](int x, int y) {
    if (!Level::Inside(x, y)) return true;
    if (!vertical && BeyondRadius(x - x1, y - y1, r)) {
      seen = false;
      return false;
    }
    if (BlocksSight(game, x, y)) {
      seen = false;
      return false;
    }
    return true;
  });
  return seen;
}

void SelLine(Game& game, int x1, int y1, int x2, int y2, CellOperation operation, int a, int b,
             int c) {
  StepLine(x1, y1, x2, y2, [&](int x, int y) {
    if (Level::Inside(x, y)) DoOperation(game, operation, x, y, a, b, c);
    return true;
  });
}

void SelRound(Game& game, int x, int y, int r, CellOperation operation, int c) {
  if (r <= 0) {
    if (Level::Inside(x, y)) DoOperation(game, operation, x, y, x, y, c);
    return;
  }
  for (int i = 1; i <= r - 1; ++i) {
    const int w = static_cast<int>(RoundHalfEven(std::sqrt(static_cast<double>(r * r - i * i))));
    SelLine(game, x - w, y - i, x + w, y - i, operation, x, y, c);
    SelLine(game, x - w, y + i, x + w, y + i, operation, x, y, c);
  }
  const int w = static_cast<int>(RoundHalfEven(std::sqrt(0.5 * r - 0.125)));
  SelLine(game, x - w, y - r, x + w, y - r, operation, x, y, c);
  SelLine(game, x - w, y + r, x + w, y + r, operation, x, y, c);
  SelLine(game, x - r, y, x + r, y, operation, x, y, c);
}

void DoOperation(Game& game, CellOperation operation, int x, int y, int /*a*/, int /*b*/, int c) {
  switch (operation) {
    case CellOperation::kDarken:
      PlaceShadow(game, x, y);
      break;
    case CellOperation::kFly:
      SelMove(game, x, y, game.view.field.selection_glyph, game.view.field.selection_colour);
      if (game.session.io != nullptr) {
        game.session.io->Present();
        game.session.io->SleepMs(game.session.settings.fly_delay);
      }
      break;
    case CellOperation::kMonster:
      CheckMonster(game, x, y);
      break;
    case CellOperation::kCheck:
      CheckMiss(game, x, y);
      break;
    case CellOperation::kSpell:
      CheckSpell(game, x, y, c);
      break;
    case CellOperation::kHp:
      CheckHP(game, x, y, c);
      break;
    case CellOperation::kPusto:
      CheckPusto(game, x, y);
      break;
    case CellOperation::kTarget: {
      const int slot = game.world.level.Cell(x, y).monster;
      if (slot != 0 && SeePlayer(game, game.world.hero.x, game.world.hero.y, x, y, 167)) {
        game.control.target_monster = static_cast<int16_t>(slot);
      }
      break;
    }
    case CellOperation::kNone:
      break;
  }
}

void CheckMonster(Game& game, int x, int y) {
  if (game.world.level.Cell(x, y).monster != 0) AppendCell(game, x, y);
}

void CheckPusto(Game& game, int x, int y) {
  if (CellIsFree(game, x, y, false)) AppendCell(game, x, y);
}

void CheckMiss(Game& game, int x, int y) {
  FieldModel& field = game.view.field;
  if (field.landing_pending == 1) {
    field.landing_x = static_cast<int16_t>(x);
    field.landing_y = static_cast<int16_t>(y);
    field.landing_pending = 0;
  }
  const MapCell& cell = game.world.level.Cell(x, y);
  if (cell.monster != 0) {
    if (static_cast<int>(game.random.Next() * 30) > 13) {
      field.landing_x = static_cast<int16_t>(x);
      field.landing_y = static_cast<int16_t>(y);
    }
  } else if (TerrainOf(game.world.level.Terrain(x, y)).blocks_move || FeatureOf(cell.feature).blocks) {
    field.landing_pending = 1;
  }
}

void CheckSpell(Game& game, int x, int y, int c) {
  const int slot = game.world.level.Cell(x, y).monster;
  if (slot >= 1 && slot <= game.world.level.monster_count &&
      !HasFlag(game.world.level.Monster(slot).status, c)) {
    AppendCell(game, x, y);
  }
}

void CheckHP(Game& game, int x, int y, int c) {
  const int slot = game.world.level.Cell(x, y).monster;
  if (slot < 1 || slot > game.world.level.monster_count) return;
  const MonsterRecord& monster = game.world.level.Monster(slot);
  if (static_cast<int>(std::floor(c / 100.0 * monster.max_hp)) >= monster.hp)
    AppendCell(game, x, y);
}

}  // namespace zaldrun
