// What the quest givers share: the loop over an answer list, narration between the spoken lines,
// and the rewards of a finished quest.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace zaldrun {

struct Game;

// Entry `index` (0..99) of the quest states.
int16_t& QuestState(Game& game, int index);
// Int(Rnd × range): a whole number 0..range - 1.
int Roll(Game& game, int range);

// A talk ends on its own after this many answers, so that a player (or a script) who only presses
// Enter cannot keep it going for ever.
inline constexpr int kMostAnswers = 20;

// Asks the topics again and again until "пока", an empty answer or kMostAnswers rounds. `reply`
// gets every other answer and returns false when it matched nothing, which is answered with
// "Ээээ... Чего?" by the speaker in `slot`. `topics` is called before each round, since a talk may
// open new topics on the way.
void TalkOverTopics(Game& game, int slot,
                    const std::function<std::span<const std::string_view>()>& topics,
                    const std::function<bool(std::string_view answer)>& reply);

// Lines that tell what happens rather than what is said: shown as they are, without a speaker.
void Narrate(Game& game, std::span<const std::string_view> lines);

// The reward items: a random type of the low levels, a whole stack, identified and uncursed, into
// the pack or at the hero's feet when the pack is full.
void GiveRandomItem(Game& game);

// Money and experience of a finished quest.
void GiveReward(Game& game, int32_t money, int32_t experience);

}  // namespace zaldrun
