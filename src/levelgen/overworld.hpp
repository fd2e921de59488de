// The overworld's own rules beyond its build: the search that finds the giant anthill, and the
// thicket that opens once the forest riddle has been read and the riddle solved by its artefact.
#pragma once

#include "records/quest_list.hpp"

namespace zaldrun {

struct Game;

// The search command on the overworld: on the anthill's cell, while it has no feature, the way in
// is found (an entrance on cave terrain); anywhere else nothing. Costs an overworld step either
// way.
void SearchOverworld(Game& game);

// The quest-state entry of the forest riddle (quest 7 of the notebook): 1 when the healer has read
// the tablet, 2 once the thicket has opened on the overworld, 100 when solved.
inline constexpr int kForestRiddleEntry = kQuestStateIndex[6];
// On the overworld: when the riddle has been read, the thicket's cell becomes a star and an
// entrance, and the riddle moves on to its next stage.
void OpenThicketIfRead(Game& game);
// On the overworld: once the thicket is open (the riddle at 2) and the hero comes out of it with
// the forest artefact (carried or worn), the riddle is solved (100).
void SolveRiddleIfFound(Game& game);

}  // namespace zaldrun
