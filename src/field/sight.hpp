// Sight lines and sweeps: the hero's field of view, whether one cell sees another, straight-line
// and disc sweeps running a cell test, and the flying-object animation.
#pragma once

#include <cstdint>
#include <string_view>

namespace zaldrun {

struct Game;

// The cell tests and actions a sweep can run on each cell.
enum class CellOperation {
  kNone,
  kDarken,   // "Drk": show as remembered
  kFly,      // "Fly": move the flying object there and pause
  kMonster,  // "Monster": list cells with a monster
  kCheck,    // "Check": where a missile lands
  kSpell,    // "Spell": list monsters lacking status bit c
  kHp,       // "HP": list monsters at or below c percent of their hit points
  kPusto,    // "Pusto": list free cells
  kTarget,   // "Target": the last visible monster becomes the target
};

// The operation of a name ("Drk", "Fly", …); unknown names do nothing.
CellOperation OperationNamed(std::string_view name);

// Draws every cell of the line from (x1, y1) towards (x2, y2) up to the first that blocks sight,
// within radius r.
void LOSLine(Game& game, int x1, int y1, int x2, int y2, int r);
// The field of view of radius r around (x, y).
void LOSRound(Game& game, int x, int y, int r);
// The hero's field of view drawn as it stands now: radius 3 on the overworld, his sight radius
// elsewhere. Ends each turn, and starts each animation so that it plays over what the hero sees.
void SweepHeroSight(Game& game);
// Whether the last sweep of the hero's sight reached the cell: it is in view now.
bool CellInView(const Game& game, int x, int y);
// How far the hero sees where he is: 3 on the overworld, his sight radius elsewhere.
int HeroSightRadius(const Game& game);
// Whether (x2, y2) can be seen from (x1, y1) within radius r. Draws nothing.
bool SeePlayer(const Game& game, int x1, int y1, int x2, int y2, int r);
// Runs the operation on every cell of the line, both ends included, in order from the first.
void SelLine(Game& game, int x1, int y1, int x2, int y2, CellOperation operation, int a, int b,
             int c);
// Runs the operation on every cell of the disc of radius r around (x, y), each once.
void SelRound(Game& game, int x, int y, int r, CellOperation operation, int c);
void DoOperation(Game& game, CellOperation operation, int x, int y, int a, int b, int c);

// The single cell tests.
void CheckMonster(Game& game, int x, int y);
void CheckPusto(Game& game, int x, int y);
void CheckMiss(Game& game, int x, int y);
void CheckSpell(Game& game, int x, int y, int c);
void CheckHP(Game& game, int x, int y, int c);

// Calls `visit(x, y)` for each point of the stepped line from (x1, y1) to (x2, y2), in order; the
// visit returns false to stop. Cells outside the map are visited too (callers skip them).
template <typename Visit>
void StepLine(int x1, int y1, int x2, int y2, Visit&& visit);

}  // namespace zaldrun

#include "field/sight_line.inl"
