// What the quest givers share: the quest states and the rewards of a finished quest.
#pragma once

#include <cstdint>

namespace zaldrun {

struct Game;

// Entry `index` (0..99) of the quest states.
int16_t& QuestState(Game& game, int index);

// The reward items: a random type of the low levels, a whole stack, identified and uncursed, into
// the pack or at the hero's feet when the pack is full.
void GiveRandomItem(Game& game);

// Money and experience of a finished quest.
void GiveReward(Game& game, int32_t money, int32_t experience);

}  // namespace zaldrun
