#include "world/level_change.hpp"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <string>

#include "combat/rooms.hpp"
#include "engine/message_line.hpp"
#include "field/field.hpp"
#include "field/sight.hpp"
#include "levelgen/build_level.hpp"
#include "model/game.hpp"
#include "records/terrain.hpp"
#include "world/level_file.hpp"

namespace zaldrun {
namespace {

// On the overworld the hero sees only the land next to him.
constexpr int kOverworldSight = 3;

bool LinksTo(const MapCell& cell, int place, int level) {
  return cell.params[0] == place && cell.params[1] == level;
}

// Where a hero stands on a level read back without a link to the level he left: its stairs up,
// else its way down, else its middle.
ArrivalCell OwnArrival(const Game& game) {
  for (int16_t wanted : {feature::kStairsUp, feature::kStairsDown}) {
    for (int y = 0; y < kMapHeight; ++y) {
      for (int x = 0; x < kMapWidth; ++x) {
        if (game.world.level.Cell(x, y).feature == wanted) return {true, x, y};
      }
    }
  }
  return {true, kMapWidth / 2, kMapHeight / 2};
}

}  // namespace

ArrivalCell FindLinkBack(const Game& game, int from_place, int from_level) {
  const Level& level = game.world.level;
  ArrivalCell arrival;
  auto hit = [&](int x, int y) { arrival = {true, x, y}; };
  // Stairs inside the map: the first in a row, the last row with one wins.
  for (int y = 1; y <= kMapHeight - 2; ++y) {
    for (int x = 1; x <= kMapWidth - 2; ++x) {
      const MapCell& cell = level.Cell(x, y);
      if ((cell.feature == feature::kStairsDown || cell.feature == feature::kStairsUp) &&
          LinksTo(cell, from_place, from_level)) {
        hit(x, y);
        break;
      }
    }
  }
  // Edge exits on the four borders put the hero on the cell inside, beside the exit.
  auto exit_at = [&](int x, int y) {
    const MapCell& cell = level.Cell(x, y);
    return cell.feature == feature::kEdgeExit && LinksTo(cell, from_place, from_level);
  };
  for (int x = 1; x <= kMapWidth - 2; ++x) {
    if (exit_at(x, kMapHeight - 1)) hit(x, kMapHeight - 2);
  }
  for (int y = 1; y <= kMapHeight - 2; ++y) {
    if (exit_at(kMapWidth - 1, y)) hit(kMapWidth - 2, y);
  }
  for (int x = 1; x <= kMapWidth - 2; ++x) {
    if (exit_at(x, 0)) hit(x, 1);
  }
  for (int y = 1; y <= kMapHeight - 2; ++y) {
    if (exit_at(0, y)) hit(1, y);
  }
  return arrival;
}

bool CanStandOn(const Game& game, int x, int y) {
  if (!Level::Inside(x, y)) return false;
  const MapCell& cell = game.world.level.Cell(x, y);
  return !TerrainOf(game.world.level.Terrain(x, y)).blocks_move && !FeatureBlocks(cell.feature) &&
         cell.monster == 0;
}

ArrivalCell NearestStandingCell(const Game& game, int x, int y) {
  ArrivalCell best;
  long best_distance = LONG_MAX;
  bool best_is_exit = true;
  for (int cy = 0; cy < kMapHeight; ++cy) {
    for (int cx = 0; cx < kMapWidth; ++cx) {
      if (!CanStandOn(game, cx, cy)) continue;
      const bool is_exit = game.world.level.Cell(cx, cy).feature == feature::kEdgeExit;
      const long distance =
          static_cast<long>(cx - x) * (cx - x) + static_cast<long>(cy - y) * (cy - y);
      if ((best_is_exit && !is_exit) || (is_exit == best_is_exit && distance < best_distance)) {
        best = {true, cx, cy};
        best_distance = distance;
        best_is_exit = is_exit;
      }
    }
  }
  return best;
}

bool ChangeLevel(Game& game, int place, int level, int x, int y) {
  World& world = game.world;
  const bool has_file = LevelIsKept(game, place, level);
  // Only a level the game can build is entered, so that a damaged file can always be replaced.
  if (!LevelCanBeBuilt(game, place, level)) {
    ShowMessage(game,
                "Туда не пройти: такого места нет (" + std::to_string(place) + ", " +
                    std::to_string(level) + ").",
                msg::kAcknowledge);
    return false;
  }
  const int from_place = world.current_place;
  const int from_level = world.current_level;
  if (from_place > 0 && from_level > 0) {
    // Goods not paid for leave with the hero; the keeper's anger stays with the level he leaves.
    CarryOffUnpaidGoods(game);
    std::string error;
    if (!WriteLevel(game, from_place, from_level, &error)) {
      ShowMessage(game, error + " Ты остаёшься здесь.", msg::kAcknowledge);
      return false;
    }
  }
  Clear(game);
  bool built = false;
  if (has_file) {
    std::string error;
    if (!ReadLevel(game, place, level, &error)) {
      ShowMessage(game, error + " Уровень построен заново.", msg::kAcknowledge);
      built = BuildLevel(game, place, level);
    }
  } else {
    built = BuildLevel(game, place, level);
  }
  LevelEntryScript(game, place, level);

  ArrivalCell arrival{true, x, y};
  if (x == 0 && y == 0) {
    arrival = FindLinkBack(game, from_place, from_level);
    if (!arrival.found) {
      // A newly built level puts the newcomer on its way up; one read back, on its stairs.
      arrival = built ? ArrivalCell{true, world.hero.x, world.hero.y} : OwnArrival(game);
    }
  }
  if (!CanStandOn(game, arrival.x, arrival.y)) {
    const ArrivalCell nearest = NearestStandingCell(game, arrival.x, arrival.y);
    if (nearest.found) arrival = nearest;
  }
  arrival.x = std::clamp(arrival.x, 0, kMapWidth - 1);
  arrival.y = std::clamp(arrival.y, 0, kMapHeight - 1);
  world.current_place = static_cast<int16_t>(place);
  world.current_level = static_cast<int16_t>(level);
  game.control.target_monster = 0;
  PlPl(game, arrival.x, arrival.y);
  LOSRound(game, arrival.x, arrival.y,
           world.OnOverworld() ? kOverworldSight : world.hero.sight_radius);
  return true;
}

}  // namespace zaldrun
