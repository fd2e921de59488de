#include "quests/quest_talk.hpp"

#include <limits>
#include <optional>
#include <string>

#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "items/equipment.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "quests/conversation.hpp"

namespace zaldrun {
namespace {

// The villagers give what a beginner can use: types of the first five levels.
constexpr int kRewardLowestLevel = 1;
constexpr int kRewardHighestLevel = 5;

}  // namespace

int16_t& QuestState(Game& game, int index) {
  return game.world.hero.quests[static_cast<size_t>(index)];
}

int Roll(Game& game, int range) { return static_cast<int>(game.random.Next() * range); }

void TalkOverTopics(Game& game, int slot,
                    const std::function<std::span<const std::string_view>()>& topics,
                    const std::function<bool(std::string_view answer)>& reply) {
  for (int round = 0; round < kMostAnswers && !game.GameOver(); ++round) {
    const std::string answer = AskTopic(game, topics());
    if (answer.empty() || SaysGoodbye(answer)) return;
    if (!reply(answer)) Say(game, slot, kNotUnderstood);
  }
}

void Narrate(Game& game, std::span<const std::string_view> lines) {
  for (std::string_view line : lines) ShowMessage(game, line);
}

void GiveRandomItem(Game& game) {
  ItemRequest request;
  request.type = ChooseItemType(game, kRewardLowestLevel, kRewardHighestLevel, kAnyCategory, 0,
                                std::numeric_limits<int32_t>::max());
  if (request.type == 0) return;
  request.blessing = blessing::kUncursed;
  request.identified = 1;
  const std::optional<ItemRecord> item = MakeItem(game, request);
  if (!item) return;
  if (TakeIntoPack(game, *item)) return;
  ShowMessage(game, kPackFullMessage);
  PlaceItem(game, game.world.hero.x, game.world.hero.y, *item, false);
}

void GiveReward(Game& game, int32_t money, int32_t experience) {
  GiveMoney(game, money);
  GainExperience(game, experience);
}

}  // namespace zaldrun
