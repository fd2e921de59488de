// The build routines of the places, one per place or group of levels, and the small helpers the
// fixed maps share: doors, inhabitants, rooms of a kind.
#pragma once

#include <initializer_list>
#include <string_view>

namespace zaldrun {

struct Game;

// Where a newcomer to the level stands; set before the level is peopled, so that no creature is
// put on that cell.
void StandAt(Game& game, int x, int y);
// A closed door on a fixed map, the terrain kept (locked: it must be kicked or unlocked).
void FixedDoor(Game& game, int x, int y, bool locked = false);
// A secret door in the wall of a fixed map.
void FixedSecretDoor(Game& game, int x, int y);
// A creature of `type` on (x, y), peaceful or hostile. Returns its slot (0 when the cell is taken).
int Inhabitant(Game& game, int x, int y, int type, bool peaceful);
// `count` creatures of `type` on random free cells.
void Inhabitants(Game& game, int count, int type, bool peaceful);
// Presets the level's list of random monster types: three-digit codes and their weights.
void MonsterList(Game& game, std::string_view codes, std::initializer_list<int> weights);

// The overworld (1, 100).
bool BuildOverworld(Game& game);
// The village (1, 1), the goblins' camp (1, 2), the town (1, 5), and the two closed maps of
// place 1 (levels 59, 60).
bool BuildVillage(Game& game);
bool BuildGoblinCamp(Game& game);
bool BuildTown(Game& game);
bool BuildClosedMap(Game& game, int level);
// The catacombs (2), the dark cave (3) and the endless dungeon (5).
bool BuildCatacombs(Game& game, int level);
bool BuildDarkCave(Game& game, int level);
bool BuildEndless(Game& game, int level);
// The tomb and the giant anthill (4).
bool BuildTomb(Game& game, int level);
// The swamp (6) and the thicket (7).
bool BuildSwamp(Game& game, int level);
bool BuildThicket(Game& game, int level);
// The monster list of the tomb's levels and of the thicket's forest, preset by the builders and
// again on every entry.
void PresetMonsterList(Game& game, int place, int level);

}  // namespace zaldrun
