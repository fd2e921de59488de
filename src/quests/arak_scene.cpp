// The scene in Аракус's hall under the swamp: the stairs vanish behind the hero, the demon-summoner
// questions him, then turns on him. The event slot that ran the scene goes on as "CheckAra", which
// waits for Аракус to die.
#include <span>
#include <string>
#include <string_view>

#include "base/byte_record.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"
#include "quests/conversation.hpp"
#include "quests/quest_talk.hpp"
#include "quests/talk_handlers.hpp"
#include "records/monster_type_ids.hpp"

namespace zaldrun {
namespace {

constexpr std::string_view kSceneEvent = "ArakTalk";
constexpr std::string_view kWatchEvent = "CheckAra";
// He gave the hero ten seconds: ten answers at most.
constexpr int kMostRounds = 10;

constexpr std::string_view kArrival[] = {
    "Как только ты спустился по лестнице, она исчезла!",
    "Ты попал в круглый зал. На полу начерчена огромная пентаграмма.",
    "Маг заметил твоё присутсвие и обернулся.",
};
constexpr std::string_view kChallenge[] = {
    "Как ты здесь оказался?",
    "Я даю тебе десять секунд, червяк, для того чтобы назвать хотя бы одну причину, почему я не "
    "должен убить тебя сразу!",
};
// "Кшадаарг" is offered once the hero has answered anything at all.
constexpr std::string_view kAnswers[] = {"Кто ты?", "Что ты тут делаешь?", "Умри!", "Кшадаарг"};
constexpr size_t kFirstAnswers = 3;

constexpr std::string_view kPlans[] = {
    "Я всего лишь организую вторжение демонов в соседнюю деревню.",
    "Когда портал откроется, сюда хлынут полчища слуг Кшадаарга.",
    "Они сотрут эту жалкую деревушку с лица земли, а ты ничего не сможешь с этим поделать.",
    "Впрочем, ты перестанешь существовать уже сейчас! *смеётся*",
};
constexpr std::string_view kMaster[] = {
    "Ты незнаешь, кто это такой? Откуда ты, дикарь?",
    "Любой пьяница в городе знает легенду о том, что ещё до появления человека три могущественных "
    "демона положили глаз на этот мир!",
    "Кшадаарг - один их них!",
};

// The slot that is running: the turn cycle's current one, unless it has been called otherwise.
int OwnSlot(const Game& game) {
  const int slot = game.control.current_slot;
  if (slot >= 1 && slot <= game.world.event_count &&
      TrimRight(game.world.events[static_cast<size_t>(slot)].name) == kSceneEvent) {
    return slot;
  }
  return FindEvent(game, kSceneEvent);
}

// The questioning, until the hero says "Умри!" (or nothing), or his ten seconds are up.
void Questioning(Game& game, int mage) {
  bool answered = false;
  for (int round = 0; round < kMostRounds && !game.GameOver(); ++round) {
    const auto offered = std::span<const std::string_view>(kAnswers).first(
        answered ? std::size(kAnswers) : kFirstAnswers);
    const std::string answer = AskTopic(game, offered);
    if (answer.empty() || Like(answer, "*умри*")) return;
    answered = true;
    if (Like(answer, "*кто*")) {
      Say(game, mage,
          Roll(game, 2) == 0
              ? "Я - Аракус, слуга великого Кшадаарга!"
              : "А зачем тебе это знать, червь? Может, лучше ты скажешь, кто ты такой?");
    } else if (Like(answer, "*делаешь*")) {
      SayAll(game, mage, kPlans);
    } else if (Like(answer, "*кшадаарг*")) {
      SayAll(game, mage, kMaster);
    } else {
      Say(game, mage, kNotUnderstood);
    }
  }
}

}  // namespace

void ArakTalk(Game& game) {
  const int mage = FindMonsterOfType(game, monster_type::kArakus);
  if (mage != 0) {
    Narrate(game, kArrival);
    SayAll(game, mage, kChallenge);
    Questioning(game, mage);
    game.world.level.Monster(mage).peaceful = 0;
    Say(game, mage, "Ты, грязный червяк, не сможешь остановить меня!");
  }
  // The countdown stays: the watch begins with the next pass of the turn cycle. Without Аракус on
  // the level there is no scene, but the watch still ends the quest should he die.
  if (const int own = OwnSlot(game); own != 0) {
    game.world.events[static_cast<size_t>(own)].name = std::string(kWatchEvent);
  }
}

}  // namespace zaldrun
