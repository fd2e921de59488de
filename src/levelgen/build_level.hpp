// Building a level the hero enters for the first time, by its place's routine, and the script that
// runs on every entry into a level.
#pragma once

namespace zaldrun {

struct Game;

// Clears the level and runs the build routine of (place, level): a fixed map with its doors,
// features and inhabitants, a generated dungeon, or an outdoor area. The hero stands where a
// newcomer arrives (the way up of a generated level). False, with the level untouched, when the
// game has no such level or its fixed map is missing from Places.dat.
bool BuildLevel(Game& game, int place, int level);

// Whether (place, level) can be built: the game has it and its fixed map is in Places.dat.
bool LevelCanBeBuilt(const Game& game, int place, int level);

// Runs after every entry into a level, built or read back: the level's monster list starts
// anew, shops are restocked, the level's scheduled checks are set, the quests' states change
// the level's folk and features (the goblin camp, the catacombs, the witch's grotto, Кави's
// corpse place, the thicket's cave), and the overworld opens the thicket when its riddle has been
// read and solves the riddle when the hero brings the artefact out.
void LevelEntryScript(Game& game, int place, int level);

}  // namespace zaldrun
