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

void GiveRandomItem(Game& game) {
  ItemRequest request;
  request.type = ChooseItemType(game, kRewardLowestLevel, kRewardHighestLevel, kAnyCategory, 0,
                                std::numeric_limits<int32_t>::max());
  if (request.type == 0) return;
  request.blessing = blessing::kUncursed;
  request.identified = 1;
  if (const std::optional<ItemRecord> item = MakeItem(game, request)) GiveItem(game, *item);
}

void GiveReward(Game& game, int32_t money, int32_t experience) {
  GiveMoney(game, money);
  GainExperience(game, experience);
}

}  // namespace zaldrun
