// The scheduled checks of the quests: a catacomb tier cleared, the goblin camp turning hostile
// together, the witch dead, Аракус dead, and the tomb's trap hall opening its golem rooms. Each is
// a timed handler called by name; it finds its own slot through the current slot.
#pragma once

#include "records/quest_list.hpp"

namespace zaldrun {

struct Game;

// Re-arming while in the catacombs (place 2), every 30: when the tier's cleared flag (entry
// parameter - 1) is still 0 and no monster is left on the level, the flag becomes 1 and the hero
// is told once. In any other place the slot goes.
void CountMons(Game& game);
// The goblin camp (place 1, level 2): the first hostile monster turns every monster hostile and
// the check ends; while all are peaceful it looks again in 10. Elsewhere the slot goes.
void CheckGobs(Game& game);
// The witch's grotto (place 3, level 3): once no witch (type 62) is on the level and the witch's
// quest is at most 1, the quest moves to 2 and the check ends; otherwise again in 10. Elsewhere
// the slot goes.
void CheckWitch(Game& game);
// Аракус's hall: waits (10 at a time) until Аракус (type 81) has been killed; then his last
// words, the swamp quest at 2, the portal at (39, 16) gone and stairs up to (6, 4) at (39, 23).
void CheckAra(Game& game);
// The tomb's trap hall (place 4, level 1): the walls of the hidden golem rooms sink to open
// ground and the hero is told; the slot goes in every place.
void TombTrap(Game& game);

}  // namespace zaldrun
