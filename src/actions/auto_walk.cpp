#include "actions/auto_walk.hpp"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "actions/movement.hpp"
#include "engine/message_line.hpp"
#include "engine/turn.hpp"
#include "field/path_map.hpp"
#include "field/sight.hpp"
#include "model/game.hpp"
#include "model/io.hpp"
#include "records/terrain.hpp"

namespace zaldrun {
namespace {

// No walk goes on for ever: a level is crossed in far fewer steps, and a rest that lasts this
// long has met something that keeps the hero from healing.
constexpr int kMostSteps = 1000;
constexpr int kMostWaits = 5000;

constexpr const char* kNoWay = "Ты не знаешь дороги туда.";

// What the hero notices between two steps.
struct Watch {
  int16_t hp = 0;
  std::string hunger;  // the hunger label as shown, empty while hidden
  uint64_t messages = 0;
  int place = 0;
  int level = 0;
  std::vector<int> foes;  // hostile creatures in view, by slot
};

std::vector<int> FoesInView(const Game& game) {
  std::vector<int> foes;
  const Level& level = game.world.level;
  for (int slot = 1; slot <= level.monster_count; ++slot) {
    const MonsterRecord& monster = level.Monster(slot);
    if (monster.peaceful == 0 && CellInView(game, monster.x, monster.y)) foes.push_back(slot);
  }
  return foes;
}

Watch LookAround(const Game& game) {
  const StatusLabels& labels = game.view.labels;
  return Watch{game.world.hero.hp,       labels.hunger_visible ? labels.hunger_text : std::string(),
               game.view.history.total,  game.world.current_place,
               game.world.current_level, FoesInView(game)};
}

// Whether what happened since `before` is worth stopping for: the end of the game, another level,
// a wound, hunger, any message (unless the step's own is expected), a new enemy in sight, or a key
// the player pressed.
bool SomethingHappened(Game& game, const Watch& before, bool messages_count = true) {
  if (game.GameOver()) return true;
  const Watch now = LookAround(game);
  if (now.place != before.place || now.level != before.level) return true;
  if (now.hp < before.hp || now.hunger != before.hunger) return true;
  if (messages_count && now.messages != before.messages) return true;
  for (int slot : now.foes) {
    if (std::find(before.foes.begin(), before.foes.end(), slot) == before.foes.end()) return true;
  }
  return game.session.io != nullptr && game.session.io->KeyWaiting();
}

void ShowStep(Game& game) {
  if (game.session.io != nullptr) game.session.io->Present();
}

bool IsClosedDoor(const Game& game, MapPoint cell) {
  return game.world.level.Cell(cell.x, cell.y).feature == feature::kClosedDoor;
}

// One step as the direction key makes it; walking into a closed door opens it. True when the walk
// may go on: the hero moved, or opened the door when `through_doors`, and nothing happened.
bool StepAndWatch(Game& game, MapPoint to, bool through_doors = false) {
  const Watch before = LookAround(game);
  const bool door = IsClosedDoor(game, to);
  ClearMessageLine(game);
  MoveHero(game, to.x, to.y);
  ShowStep(game);
  if (game.world.hero.x == to.x && game.world.hero.y == to.y) {
    return !SomethingHappened(game, before);
  }
  // The door's own "opened" is no news; what showed behind it may be.
  const bool opened = door && !IsClosedDoor(game, to);
  return opened && through_doors && !SomethingHappened(game, before, false);
}

bool CreatureAt(const Game& game, MapPoint cell) {
  const int slot = game.world.level.Cell(cell.x, cell.y).monster;
  return slot >= 1 && slot <= game.world.level.monster_count;
}

bool Walkable(const PassableCells& walkable, MapPoint cell) {
  return Level::Inside(cell.x, cell.y) &&
         walkable[static_cast<size_t>(cell.y * kMapWidth + cell.x)];
}

// What a runner sees on his two sides, across the way he runs: an opening on either side (a
// branch, a room, a doorway) changes it.
std::pair<bool, bool> Sides(const PassableCells& walkable, MapPoint at, int dx, int dy) {
  return {Walkable(walkable, {at.x - dy, at.y + dx}), Walkable(walkable, {at.x + dy, at.y - dx})};
}

bool IsDoor(const Game& game, int x, int y) {
  const MapCell& cell = game.world.level.Cell(x, y);
  return cell.seen != 0 &&
         (cell.feature == feature::kClosedDoor || cell.feature == feature::kOpenDoor);
}

// The doors next to a cell, as cell numbers.
std::vector<int> DoorsAround(const Game& game, MapPoint at) {
  std::vector<int> doors;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int x = at.x + dx;
      const int y = at.y + dy;
      if (Level::Inside(x, y) && IsDoor(game, x, y)) doors.push_back(y * kMapWidth + x);
    }
  }
  return doors;
}

// Stairs, an entrance or a portal under the hero: a place to stop and choose.
bool AtCrossing(const Game& game) {
  const MapCell& cell = game.world.level.Cell(game.world.hero.x, game.world.hero.y);
  return cell.feature == feature::kStairsDown || cell.feature == feature::kStairsUp ||
         cell.feature == feature::kEntrance || cell.feature == feature::kPortal;
}

// The seen cells whose feature passes the test.
template <typename Test>
std::vector<MapPoint> SeenCellsWith(const Game& game, Test&& test) {
  std::vector<MapPoint> cells;
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const MapCell& cell = game.world.level.Cell(x, y);
      if (cell.seen != 0 && test(cell.feature)) cells.push_back({x, y});
    }
  }
  return cells;
}

MapPoint HeroCell(const Game& game) { return {game.world.hero.x, game.world.hero.y}; }

bool RestedEnough(const Hero& hero) { return hero.hp >= hero.max_hp && hero.pp >= hero.max_pp; }

// Walks toward the goals of the map filled by `fill` (called again before every step, since doors
// open and creatures move); false when the first step found no way.
template <typename FillMap>
bool WalkToward(Game& game, FillMap&& fill, bool stop_at_doors) {
  if (!FoesInView(game).empty()) {
    ShowMessage(game, "Рядом враг!", msg::kNoLog);
    return true;
  }
  PathMap map;
  for (int step = 0; step < kMostSteps; ++step) {
    const PassableCells walkable = KnownWalkable(game);
    fill(walkable, map);
    const MapPoint here = HeroCell(game);
    if (map.Distance(here.x, here.y) == 0) return true;
    const std::optional<MapPoint> next = map.StepFrom(here.x, here.y);
    if (!next) return step > 0;
    // A walk never strikes: a creature in the way ends it.
    if (CreatureAt(game, *next)) return true;
    if (step > 0 && stop_at_doors && IsClosedDoor(game, *next)) return true;
    if (!StepAndWatch(game, *next, !stop_at_doors)) return true;
  }
  return true;
}

}  // namespace

void RunHero(Game& game, int dx, int dy) {
  const MapPoint start = HeroCell(game);
  const std::pair<bool, bool> sides = Sides(KnownWalkable(game), start, dx, dy);
  // The first step is the key's own, but for ground the hero knows to shun.
  const MapPoint first{start.x + dx, start.y + dy};
  if (!Level::Inside(first.x, first.y)) return;
  const MapCell& ahead = game.world.level.Cell(first.x, first.y);
  const bool open_ground = !TerrainOf(game.world.level.Terrain(first.x, first.y)).blocks_move &&
                           ahead.feature != feature::kClosedDoor;
  if (ahead.seen != 0 && open_ground && !Walkable(KnownWalkable(game), first)) return;
  std::vector<int> doors = DoorsAround(game, start);
  if (!StepAndWatch(game, first)) return;
  for (int step = 1; step < kMostSteps; ++step) {
    const MapPoint here = HeroCell(game);
    const PassableCells walkable = KnownWalkable(game);
    const std::vector<int> doors_here = DoorsAround(game, here);
    const bool new_door = std::any_of(doors_here.begin(), doors_here.end(), [&](int door) {
      return std::find(doors.begin(), doors.end(), door) == doors.end();
    });
    if (new_door || AtCrossing(game) || Sides(walkable, here, dx, dy) != sides) return;
    doors = doors_here;
    const MapPoint next{here.x + dx, here.y + dy};
    if (!Walkable(walkable, next) || CreatureAt(game, next) || IsClosedDoor(game, next)) return;
    if (!StepAndWatch(game, next)) return;
  }
}

void RestHero(Game& game) {
  Hero& hero = game.world.hero;
  if (!FoesInView(game).empty()) {
    ShowMessage(game, "Рядом враг, тут не отдохнёшь.", msg::kNoLog);
    return;
  }
  if (hero.satiation <= 0) {
    ShowMessage(game, "Ты слишком голоден, чтобы отдыхать.", msg::kNoLog);
    return;
  }
  if (RestedEnough(hero)) {
    ShowMessage(game, "Ты полон сил, отдыхать незачем.", msg::kNoLog);
    return;
  }
  for (int wait = 0; wait < kMostWaits; ++wait) {
    const Watch before = LookAround(game);
    ClearMessageLine(game);
    AdvanceTime(game, hero.action_cost);  // the wait key's own wait
    ShowStep(game);
    if (RestedEnough(hero) && !game.GameOver()) {
      ShowMessage(game, "Ты отдохнул.");
      return;
    }
    if (SomethingHappened(game, before)) return;
  }
}

bool TravelTo(Game& game, int x, int y) {
  if (!Level::Inside(x, y) || game.world.level.Cell(x, y).seen == 0) {
    ShowMessage(game, kNoWay, msg::kNoLog);
    return false;
  }
  const MapPoint goal{x, y};
  auto fill = [&](const PassableCells& walkable, PathMap& map) { map.Fill(walkable, {&goal, 1}); };
  if (WalkToward(game, fill, false)) return true;
  ShowMessage(game, kNoWay, msg::kNoLog);
  return false;
}

bool OfferTravelToStairs(Game& game) {
  const std::vector<MapPoint> ways = SeenCellsWith(game, [](int16_t id) {
    return id == feature::kStairsDown || id == feature::kStairsUp || id == feature::kEntrance;
  });
  if (ways.empty()) return false;
  PathMap map;
  map.Fill(KnownWalkable(game), ways);
  if (!map.StepFrom(game.world.hero.x, game.world.hero.y)) return false;
  ShowMessage(game, "Пойти к ближайшей лестнице или входу?", msg::kQuestion | msg::kNoLog);
  if (!TakeYes(game)) return true;
  auto fill = [&](const PassableCells& walkable, PathMap& m) { m.Fill(walkable, ways); };
  WalkToward(game, fill, false);
  return true;
}

void ExploreLevel(Game& game) {
  bool explored = false;
  auto fill = [&](const PassableCells& walkable, PathMap& map) {
    const std::vector<MapPoint> goals = ExploreGoals(game, walkable);
    explored = goals.empty();
    map.Fill(walkable, goals);
  };
  if (WalkToward(game, fill, true) && !explored) return;
  if (game.GameOver()) return;
  ShowMessage(game, "Здесь больше нечего исследовать.", msg::kNoLog);
  const std::vector<MapPoint> down =
      SeenCellsWith(game, [](int16_t id) { return id == feature::kStairsDown; });
  if (down.empty() || std::find(down.begin(), down.end(), HeroCell(game)) != down.end()) return;
  ShowMessage(game, "Идти к лестнице вниз?", msg::kQuestion | msg::kNoLog);
  if (!TakeYes(game)) return;
  auto to_stairs = [&](const PassableCells& walkable, PathMap& map) { map.Fill(walkable, down); };
  WalkToward(game, to_stairs, false);
}

}  // namespace zaldrun
