#include "events/heartbeat.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"

namespace zaldrun {
namespace {

constexpr int kConsumptionInterval = 50;
constexpr int kFoodPerConsumption = 20;

EventSlot* OwnSlot(Game& game) {
  if (game.control.current_slot < 1 || game.control.current_slot > game.world.event_count) return nullptr;
  return &game.world.events[static_cast<size_t>(game.control.current_slot)];
}

}  // namespace

void Consumption(Game& game) {
  ChangeSatiation(game,
                  static_cast<int>(RoundHalfEven(game.world.hero.hunger_rate * -kFoodPerConsumption)));
  if (EventSlot* slot = OwnSlot(game)) slot->countdown = kConsumptionInterval;
}

void Regen(Game& game) {
  Hero& hero = game.world.hero;
  EventSlot* slot = OwnSlot(game);
  const int regained = slot != nullptr ? slot->parameter : 1;
  if (hero.poison < 1) {
    ChangeHP(game, regained);
  } else {
    const int dose = std::max(4, static_cast<int>(RoundHalfEven(hero.poison / 8.0)));
    hero.poison = Clamp16(hero.poison - dose);
    // A resistance above 20 blunts the poison; it never heals.
    const int damage =
        std::max(0, static_cast<int>(std::floor(dose * 0.05 * (20 - hero.poison_resistance))));
    if (hero.poison < 1) {
      hero.poison = 0;
      game.view.labels.Set(Condition::kPoisoned, false);
    }
    game.control.end_reason = end_reason::kPoison;
    ShowMessage(game, "Ты чувствуешь как яд растекается по твоим венам!",
                msg::kFreshLine | msg::kAcknowledge);
    ChangeHP(game, -damage);
  }
  // The handler may have ended the game; the slot is re-armed all the same.
  slot = OwnSlot(game);
  if (slot == nullptr) return;
  const int rate = hero.regen_rate;
  if (rate > 0) {
    slot->parameter = 1;
    slot->countdown = static_cast<int16_t>(rate);
  } else {
    slot->parameter = Clamp16(static_cast<long long>(RoundHalfEven((std::abs(rate) + 10) / 10.0)));
    slot->countdown = 1;
  }
}

}  // namespace zaldrun
