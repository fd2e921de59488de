#include "events/timed_effects.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/numbers.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "items/hand_figures.hpp"
#include "items/hero_attributes.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"
#include "records/text_table.hpp"

namespace zaldrun {
namespace {

// The parameter of the slot that fired; 0 when the slot is gone.
int Parameter(const Game& game) {
  const int slot = game.control.current_slot;
  if (slot < 1 || slot > game.world.event_count) return 0;
  return game.world.events[static_cast<size_t>(slot)].parameter;
}

// One-shot: the slot goes, and the turn cycle's next step lands on the slot that moved up.
void RemoveOwnSlot(Game& game) {
  const int slot = game.control.current_slot;
  if (slot < 1 || slot > game.world.event_count) return;
  RemoveEvent(game, slot);
  game.control.current_slot = static_cast<int16_t>(slot - 1);
}

void Add16(int16_t& value, int delta) { value = Clamp16(static_cast<long long>(value) + delta); }

struct AttributeAmount {
  int attribute;
  int amount;
};
// Attribute effects carry attribute + 10 × amount; a negative parameter names no attribute.
std::optional<AttributeAmount> AttributeOf(int parameter) {
  if (parameter < 0 || parameter % 10 >= kAttributeCount) return std::nullopt;
  return AttributeAmount{parameter % 10, parameter / 10};
}

constexpr int kSkinKinds[] = {1, 2, 3, 5, 6, 7, 8};  // magic (4) and kinds 9, 10 stay

}  // namespace

void RaiseAtr(Game& game) {
  if (const auto change = AttributeOf(Parameter(game))) {
    ShowMessage(game, FetchText(text_ids::kAttributeGainBase + change->attribute),
                msg::kAcknowledge);
    Add16(game.world.hero.attributes.natural[static_cast<size_t>(change->attribute)],
          change->amount);
    ReapplyAttribute(game, change->attribute);
  }
  RemoveOwnSlot(game);
}

void DrainAtr(Game& game) {
  if (const auto change = AttributeOf(Parameter(game))) {
    ShowMessage(game, FetchText(text_ids::kAttributeLossBase + change->attribute),
                msg::kAcknowledge);
    DrainAttribute(game, change->attribute, change->amount);
  }
  RemoveOwnSlot(game);
}

void DamageAtr(Game& game) {
  if (const auto change = AttributeOf(Parameter(game))) {
    ShowMessage(game, FetchText(text_ids::kAttributeGainBase + change->attribute),
                msg::kAcknowledge);
    DrainAttribute(game, change->attribute, change->amount);
  }
  RemoveOwnSlot(game);
}

void Rvota(Game& game) {
  const int food = Parameter(game);
  RemoveOwnSlot(game);
  ShowMessage(game, "Тебя внезапно вырвало.", msg::kAcknowledge);
  ChangeSatiation(game, -food);
  Hero& hero = game.world.hero;
  if (hero.poison > 0) {
    const int lost = static_cast<int>(game.random.Next() * 20) + 11;
    hero.poison = Clamp16(std::max(0, hero.poison - lost));
    if (hero.poison == 0) game.view.labels.Set(Condition::kPoisoned, false);
  }
}

void RemConfuse(Game& game) {
  RemoveOwnSlot(game);
  if (!game.view.labels.Has(Condition::kConfused)) return;
  ShowMessage(game, "Ты снова можешь ясно мыслить.", msg::kAcknowledge);
  game.view.labels.Set(Condition::kConfused, false);
}

void RemWeak(Game& game) {
  const int amount = Parameter(game);
  RemoveOwnSlot(game);
  // The weakness gives back what it took, never more: a recovery may have given it back already.
  int16_t& weakness = game.world.hero.attributes.temporary_b[attribute::kStrength];
  weakness = Clamp16(std::min(0LL, static_cast<long long>(weakness) + std::max(0, amount)));
  ReapplyAttribute(game, attribute::kStrength);
  ShowMessage(game, "Твоя сила возвращается к тебе.");
  game.view.labels.Set(Condition::kWeak, false);
}

void RemSpeed(Game& game) {
  const int amount = Parameter(game);
  RemoveOwnSlot(game);
  Add16(game.world.hero.speed_bonus, -amount);
  ShowMessage(game, "Твоя скорость становится нормальной.", msg::kAcknowledge);
}

void RemParIm(Game& game) {
  const int amount = Parameter(game);
  RemoveOwnSlot(game);
  uint8_t& resistance = game.world.hero.paralysis_resistance;
  resistance = static_cast<uint8_t>(std::clamp(resistance - amount, 0, 255));
  ShowMessage(game, "Ты почувствовал усталость.", msg::kAcknowledge);
}

void RemFireRes(Game& game) {
  const int amount = Parameter(game);
  RemoveOwnSlot(game);
  Add16(game.world.hero.resistance_bonus[damage_kind::kFire], -amount);
  ShowMessage(game, "Ты на мгновение почувствовал жар.", msg::kAcknowledge);
}

void RemColdRes(Game& game) {
  const int amount = Parameter(game);
  RemoveOwnSlot(game);
  Add16(game.world.hero.resistance_bonus[damage_kind::kCold], -amount);
  ShowMessage(game, "Тебя внезапно охватил озноб.", msg::kAcknowledge);
}

void SoftSkin(Game& game) {
  const int amount = Parameter(game);
  RemoveOwnSlot(game);
  for (int kind : kSkinKinds) {
    Add16(game.world.hero.resistance_bonus[static_cast<size_t>(kind)], -amount);
  }
  ShowMessage(game, "Твоя кожа вернулась к нормальному состоянию.", msg::kAcknowledge);
}

void UnBless(Game& game) {
  const int amount = Parameter(game);
  RemoveOwnSlot(game);
  Hero& hero = game.world.hero;
  RebuildHands(game);  // without the slot, the hands' to-hit is back to what the gear gives
  Add16(hero.defence_bonus, -amount);
  ShowMessage(game, "Свечение вокруг тебя исчезло.", msg::kAcknowledge);
  game.view.labels.Set(Condition::kBlessed, false);
}

}  // namespace zaldrun
