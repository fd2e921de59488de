// The places of the world and their levels: which (place, level) pairs exist and what the
// overworld's entrances are.
#pragma once

#include <array>
#include <cstdint>

namespace zaldrun {

// Places, and the levels of place 1 (the village's place, which also holds the overworld).
namespace place {
inline constexpr int kWorld = 1;
inline constexpr int kCatacombs = 2;
inline constexpr int kDarkCave = 3;
inline constexpr int kTomb = 4;
inline constexpr int kEndless = 5;
inline constexpr int kSwamp = 6;
inline constexpr int kThicket = 7;

inline constexpr int kVillage = 1;
inline constexpr int kGoblinCamp = 2;
inline constexpr int kTown = 5;
inline constexpr int kCellars = 59;
inline constexpr int kFloodedGrotto = 60;
inline constexpr int kOverworld = 100;

// The tomb's levels: its burial hall, its lowest level, and the giant anthill below it.
inline constexpr int kTombBreach = 3;
inline constexpr int kTombBurialHall = 5;
inline constexpr int kTombBottom = 10;
inline constexpr int kAnthillTop = 11;
inline constexpr int kAnthillBottom = 13;
// The swamp's last level is the demon-summoner's hall.
inline constexpr int kSwampHall = 5;
// The endless dungeon ends where level numbers would overflow.
inline constexpr int kEndlessDeepest = 32000;
// The highest place number and the deepest level number the world builds.
inline constexpr int kMostPlace = kThicket;
inline constexpr int kMostLevel = kEndlessDeepest;
}  // namespace place

// Whether the game has a build routine for the level.
bool LevelExists(int place, int level);

// An entrance of the overworld: its cell, where it leads (place * 100 + level), the text of its
// name and where the hero arrives ((0, 0): on the link that leads back). Hidden entrances stay
// without their feature until found (the anthill) or opened (the thicket).
struct OverworldEntrance {
  int x;
  int y;
  int destination;
  int name_text;
  int arrival_x;
  int arrival_y;
  bool hidden;
};
inline constexpr int kSwampEntranceX = 7;
inline constexpr int kSwampEntranceY = 29;
inline constexpr int kAnthillX = 37;
inline constexpr int kAnthillY = 33;
inline constexpr int kThicketX = 21;
inline constexpr int kThicketY = 30;
// The swamp's arrival is drawn when the overworld is built; the table holds (0, 1) for it.
inline constexpr std::array<OverworldEntrance, 8> kOverworldEntrances = {{
    {11, 21, 101, 999, 7, 38, false},
    {8, 14, 301, 998, 0, 0, false},
    {21, 16, 501, 998, 0, 0, false},
    {33, 24, 105, 1000, 3, 6, false},
    {35, 33, 401, 997, 78, 26, false},
    {kSwampEntranceX, kSwampEntranceY, 601, 469, 0, 1, false},
    {kAnthillX, kAnthillY, 411, 996, 0, 0, true},
    {kThicketX, kThicketY, 701, 470, 0, 0, true},
}};

// Where a new game starts on the overworld.
inline constexpr int kNewGameX = 4;
inline constexpr int kNewGameY = 20;

}  // namespace zaldrun
