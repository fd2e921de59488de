// What the entry script changes on a level by the quests' states: the goblin camp by
// the tribe's and the witch's quests, the catacombs once the hunter is content, the witch's grotto
// once she is dead, Кави's corpse place once his fate is told, and the artefact in the thicket's
// cave while the forest riddle is unsolved. Each runs on every entry into its level.
#pragma once

namespace zaldrun {

struct Game;

// The goblin camp (1, 2). With the witch's curse lifted (quest 3 done) the frog is a goblin
// again. A tribe whose chief has been killed stays at war: every goblin turns hostile. Otherwise,
// once the elder is content (quest 1 done) and the curse lifted, a tribe still at peace has gone
// home to its old cave: the goblins, their chief and the frog leave the level.
void GoblinCampByQuests(Game& game);
// The catacombs (2, any tier): once the hunter's quest is done no new creature comes (spawn rate
// 0).
void CatacombsByQuests(Game& game);
// The witch's grotto (3, 3): once the witch is dead (quest 3 at 2 or beyond) no witch stands on
// the level.
void WitchCaveByQuests(Game& game);
// The tomb (4): on its first level Кави's corpse place tells its story only while his quest is
// not done; once the elder has heard it the corpse is just a corpse.
void TombByQuests(Game& game, int level);
// The thicket (7): in the cave at its heart (level 4), while the riddle is unsolved and the hero
// does not carry the artefact, the artefact lies somewhere on the level; if it is gone, it is put
// on a random free cell again.
void ThicketByQuests(Game& game, int level);

}  // namespace zaldrun
