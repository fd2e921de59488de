// The level builder's tools: clearing a level, rooms and their marks, terrain fills, winding
// paths, edge exits, links, doors and the four-digit cell lists.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zaldrun {

struct Game;
struct Level;
struct LevelLink;

// A map cell as the builders pass it around.
struct CellPos {
  int x = 0;
  int y = 0;
  bool operator==(const CellPos&) const = default;
};

// Int(Rnd * n): a whole number 0..n-1 (0 when n is 0 or below).
int RollBelow(Game& game, int n);

// Fills the terrain with the letter and clears everything else of the level: cells, rooms, marks,
// piles 1..261, monsters, links and the generation settings; the map field is cleared too.
void ResetLevel(Game& game, char letter);

// Takes the first free room slot 1..40 for the rectangle and marks the cells of it that lie in
// x 1..78, y 1..38 with the room's number. Returns the number, or 0 when all 40 are taken (the
// rectangle is then left unmarked).
int RegisterRoom(Game& game, int x1, int y1, int x2, int y2, int kind);
// True when the rectangle with a margin of one cell lies within x 0..78, y 0..38 and no cell of
// it belongs to a room.
bool RoomAreaFree(const Level& level, int x1, int x2, int y1, int y2);
// Writes the letter into the rectangle (corners in any order, clipped to x 1..78, y 1..38) and
// registers it with its walls as a room of kind 0.
void CarveRoom(Game& game, int x1, int y1, int x2, int y2, char letter);

// Every cell gets letter b with chance p, else letter a.
void ScatterTerrain(Game& game, char a, char b, double p);
// Writes the letter into every cell that belongs to no room.
void FillUnmarked(Game& game, char letter);
// A winding path of `steps` steps from (x, y), written with the letter, kept off the border; the
// cell where it ended.
CellPos RandomWalk(Game& game, int x, int y, int steps, char letter);
// Every border cell becomes an edge exit leading to (place, level), arriving at (x, y).
void SetEdgeExits(Game& game, int place, int level, int x, int y);
// A random cell of the border, never a corner.
CellPos RandomEdgeCell(Game& game);

// Sets link `number` (1 up, 2 down) of the level being built.
void SetLink(Game& game, int number, int feature, int place, int level, int x = 0, int y = 0);
// Puts a link's feature and destination on a cell.
void PutLink(Game& game, int x, int y, const LevelLink& link);
// Puts a staircase, exit or entrance with its four parameters on a cell.
void PutFeature(Game& game, int x, int y, int feature, int p1, int p2, int p3, int p4);

// A closed door on floor, or a secret one in the wall: P1 is its lock (1 = locked), P2 the kind
// of the trap a kick sets off (0 = none).
void PutDoor(Game& game, int x, int y, bool secret, bool locked, int trap, char floor, char wall);

// The four-digit cell lists: "0723" is (7, 23).
void AppendCell(std::string& list, int x, int y);
std::vector<CellPos> ParseCells(std::string_view list);

// Copies the 40 rows of fixed map n of Places.dat into the terrain; false (terrain untouched)
// when the loaded file holds no such map.
bool LoadPlaceMap(Game& game, int map);

}  // namespace zaldrun
