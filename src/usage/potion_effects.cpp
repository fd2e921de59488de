// The potions' effect handlers.
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "base/byte_record.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "engine/turn.hpp"
#include "events/timed_effects.hpp"
#include "items/hero_attributes.hpp"
#include "model/world_ops.hpp"
#include "records/text_table.hpp"
#include "usage/effect_handlers.hpp"
#include "usage/effect_support.hpp"

namespace zaldrun {
namespace {

constexpr int kPotionTime = 700;
constexpr int kDispelTime = 400;
constexpr int kSlowestForSlowing = 50;  // a hero this slow is not slowed further
constexpr int kRegenHalving = 60;       // a regeneration interval below this changes by half

void PotionTime(Game& game, int time = kPotionTime) {
  if (!game.GameOver()) AdvanceTime(game, time);
}

int Floor(double value) { return static_cast<int>(std::floor(value)); }

// A resistance potion: kind `kind` + S for D × 10 ticks, or only D × 10 more while it lasts.
void ResistancePotion(Game& game, std::string_view event, int kind, std::string_view message) {
  const int ticks = ByGrade(game, 30, 40, 60) * 10;
  const int amount = ByGrade(game, 7, 14, 20);
  if (!ProlongOrSchedule(game, event, ticks, amount)) {
    Add16(game.world.hero.resistance_bonus[static_cast<size_t>(kind)], amount);
  }
  ShowMessage(game, message);
  LearnCurrentType(game);
  PotionTime(game);
}

// The timed effects a dispel may end, each by its own handler.
struct Dispellable {
  std::string_view name;
  void (*end)(Game& game);
};
constexpr std::array<Dispellable, 6> kDispellable = {{{"RemFireRes", RemFireRes},
                                                      {"RemColdRes", RemColdRes},
                                                      {"UnBless", UnBless},
                                                      {"SoftSkin", SoftSkin},
                                                      {"RemWeak", RemWeak},
                                                      {"RemSpeed", RemSpeed}}};

// Each pending slot of the timed effect ends now with `chance`, by its own handler, undoing what
// it holds.
void EndPending(Game& game, std::string_view name, void (*end)(Game&), double chance) {
  const int16_t running_slot = game.control.current_slot;
  for (int slot = 1; slot <= game.world.event_count; ++slot) {
    if (TrimRight(game.world.events[static_cast<size_t>(slot)].name) != name || Rnd(game) >= chance)
      continue;
    game.control.current_slot = static_cast<int16_t>(slot);
    end(game);
    slot = game.control.current_slot;
  }
  game.control.current_slot = running_slot;
}

}  // namespace

bool RestoreAttribute(Game& game) {
  Attributes& at = game.world.hero.attributes;
  auto weakened = [&at](int a) { return at.temporary_b[static_cast<size_t>(a)] < 0; };
  std::array<int, kAttributeCount> lowered{};
  int count = 0;
  for (int a = 0; a < kAttributeCount; ++a) {
    if (DrainedFrom(game, a) > 0 || weakened(a)) lowered[static_cast<size_t>(count++)] = a;
  }
  if (count == 0) return false;
  const int a = lowered[static_cast<size_t>(RndInt(game, count))];
  const bool drained = DrainedFrom(game, a) > 0;
  if (drained) at.temporary_a[static_cast<size_t>(a)] = 0;
  // A weakness ends as its own expiry ends it, so that nothing is given back twice.
  if (a == attribute::kStrength) EndPending(game, "RemWeak", RemWeak, 1.0);
  const bool still_weak = weakened(a);
  at.temporary_b[static_cast<size_t>(a)] =
      std::max<int16_t>(0, at.temporary_b[static_cast<size_t>(a)]);
  if (a == attribute::kStrength) game.view.labels.Set(Condition::kWeak, false);
  ReapplyAttribute(game, a);
  if (drained || still_weak) {
    ShowMessage(game, FetchText(text_ids::kAttributeGainBase + a), msg::kAcknowledge);
  }
  return true;
}

void pHeal(Game& game, const EffectAim&) {
  const double most = game.world.hero.max_hp;
  const int healed =
      ByGrade(game, Floor(Rnd(game) * 7 + 6 + 0.05 * most), Floor(Rnd(game) * 11 + 30 + 0.1 * most),
              Floor(Rnd(game) * 21 + 50 + 0.2 * most));
  ChangeHP(game, healed);
  ShowMessage(game, "Твои раны залечиваются.");
  LearnCurrentType(game);
  TakeActionTime(game);
}

void pHealEx(Game& game, const EffectAim&) {
  Hero& hero = game.world.hero;
  const double most = hero.max_hp;
  const int healed = ByGrade(game, Floor(Rnd(game) * 11 + 7 + 0.1 * most),
                             Floor(Rnd(game) * 27 + 45 + 0.15 * most), Floor(Rnd(game) * 46 + 80));
  Add16(hero.max_hp, ByGrade(game, 1, 2, 4));
  ChangeHP(game, healed);
  ShowMessage(game, "Твоё здоровье улучшается!");
  LearnCurrentType(game);
  PotionTime(game);
}

void pCurePoison(Game& game, const EffectAim&) {
  const int strength = ByGrade(game, 45, 90, 200);
  const int poison = game.world.hero.poison;
  if (poison <= 0) {
    ShowMessage(game, kNothingHappens);
  } else {
    LowerPoison(game, std::min(poison, strength));
    ShowMessage(game,
                poison > strength ? "Действие яда ослабевает." : "Действие яда прекратилось!");
    LearnCurrentType(game);
  }
  PotionTime(game);
}

void qVodka(Game& game, const EffectAim&) {
  ShowMessage(game, "Эта водка отравлена!");
  LearnCurrentType(game);
  ChangeHP(game, -(RndInt(game, 30) + 15));
  PotionTime(game);
}

void qWater(Game& game, const EffectAim&) {
  int16_t& fortune = game.world.hero.fortune;
  switch (CurrentGrade(game)) {
    case Grade::kCursed:
      ShowMessage(game, "Гнилая вода обжигает тебе горло.");
      if (fortune >= 0) {
        Add16(fortune, -(RndInt(game, 3) + 1));
        ShowMessage(game, "Ты чувствуешь, что что-то с тобой не так.");
      }
      break;
    case Grade::kUncursed:
      ShowMessage(game, "Обычная вода");
      break;
    case Grade::kBlessed:
      ShowMessage(game, "Невероятно чистая и прохладная вода освежает тебя.");
      if (fortune < 0) {
        Add16(fortune, RndInt(game, 3) + 1);
        ShowMessage(game, "Ты чувствуешь себя избавившемся от чего-то плохого.");
      }
      break;
  }
  PotionTime(game);
}

void BoostSpeed(Game& game, const EffectAim&) {
  Hero& hero = game.world.hero;
  const double anti_slowing = hero.anti_slowing;
  int change = 0;
  int ticks = 0;
  switch (CurrentGrade(game)) {
    case Grade::kCursed:
      if (RndInt(game, 100) + 1 > 10 * anti_slowing &&
          hero.speed_base + hero.speed_bonus > kSlowestForSlowing) {
        change = -30;
        ticks = RndInt(game, 24) * 10 + 270;
      }
      break;
    case Grade::kUncursed:
      change = 25;
      ticks = Floor((RndInt(game, 18) * 10 + 200) * (1 + 0.2 * anti_slowing));
      break;
    case Grade::kBlessed:
      change = 50;
      ticks = Floor((RndInt(game, 19) * 10 + 160) * (1 + 0.2 * anti_slowing));
      break;
  }
  if (change == 0) {
    ShowMessage(game, kNothingHappens);
  } else {
    Add16(hero.speed_bonus, change);
    AddEvent(game, "RemSpeed", ticks, change);
    ShowMessage(game, change < 0    ? "Твоя скорость уменьшается!"
                      : change < 50 ? "Твоя скорость увеличивается!"
                                    : "Твоя скорость значительно увеличивается!");
    LearnCurrentType(game);
  }
  PotionTime(game);
}

void ParalyzWard(Game& game, const EffectAim&) {
  const int amount = ByGrade(game, 10, 15, 20);
  uint8_t& resistance = game.world.hero.paralysis_resistance;
  resistance = static_cast<uint8_t>(std::min(255, resistance + amount));
  AddEvent(game, "RemParIm", ByGrade(game, 30, 40, 60) * 10, amount);
  ShowMessage(game, "Ты чувствуешь себя очень гибким и бодрым!");
  LearnCurrentType(game);
  PotionTime(game);
}

void IncrFireRes(Game& game, const EffectAim&) {
  ResistancePotion(game, "RemFireRes", damage_kind::kFire, "Ты чувствуешь себя огнеупорным!");
}

void IncrColdRes(Game& game, const EffectAim&) {
  ResistancePotion(game, "RemColdRes", damage_kind::kCold,
                   "Ты чувствуешь себя нечувствительным к холоду!");
}

void Paralyze(Game& game, const EffectAim&) {
  Hero& hero = game.world.hero;
  const double base = 10 * (RndInt(game, 20) + 1) + 200;
  const int ticks = Floor(base * ByGrade(game, 0.7, 1.0, 1.4)) - hero.paralysis_resistance;
  if (ticks <= 0) {
    ShowMessage(game, kNothingHappens);
  } else {
    hero.paralysis_time = static_cast<int16_t>(std::min(ticks, 32767));
    game.view.labels.Set(Condition::kParalyzed, true);
    ShowMessage(game, "Ты внезапно потерял возможность двигаться!");
    LearnCurrentType(game);
  }
  PotionTime(game);
}

void CureConfuz(Game& game, const EffectAim&) {
  const bool works = CurrentGrade(game) != Grade::kCursed || Rnd(game) < 0.5;
  if (game.view.labels.Has(Condition::kConfused) && works) {
    game.view.labels.Set(Condition::kConfused, false);
    while (const int slot = FindEvent(game, "RemConfuse")) RemoveEvent(game, slot);
    ShowMessage(game, "Ты снова можешь ясно мыслить.");
    LearnCurrentType(game);
  } else {
    ShowMessage(game, kNothingHappens);
  }
  PotionTime(game);
}

void Recovery(Game& game, const EffectAim&) {
  if (RestoreAttribute(game)) {
    LearnCurrentType(game);
  } else {
    ShowMessage(game, kNothingHappens);
  }
  PotionTime(game);
}

void pRawMana(Game& game, const EffectAim&) {
  ShowMessage(game, "Пить это зелье бесполезно, т.к. магию я ещё не добавил.");
  LearnCurrentType(game);
  PotionTime(game);
}

void pDispel(Game& game, const EffectAim&) {
  ShowMessage(game, "Вокруг тебя появляются серые искры.");
  const double chance = ByGrade(game, 0.3, 0.5, 0.8);
  for (const Dispellable& effect : kDispellable) EndPending(game, effect.name, effect.end, chance);
  LearnCurrentType(game);
  PotionTime(game, kDispelTime);
}

void IncrRegen(Game& game, const EffectAim&) {
  int16_t& interval = game.world.hero.regen_rate;
  int figure = ByGrade(game, 12, 12, 25);
  if (interval < kRegenHalving) figure /= 2;
  // A cursed potion slows the blood; the others make it faster (a shorter interval).
  const int change = CurrentGrade(game) == Grade::kCursed ? figure : -figure;
  Add16(interval, change);
  ShowMessage(game, change > 0 ? "Твоя кровь начинает течь медленнее."
                               : "Твоя кровь начинает течь быстрее.");
  LearnCurrentType(game);
  PotionTime(game);
}

void pGAtr(Game& game, const EffectAim&) {
  const int a = RndInt(game, kAttributeCount);
  const int amount = ByGrade(game, 1, 1, 2);
  Add16(game.world.hero.attributes.natural[static_cast<size_t>(a)], amount);
  ReapplyAttribute(game, a);
  ShowMessage(game, FetchText(text_ids::kAttributeGainBase + a), msg::kAcknowledge);
  LearnCurrentType(game);
  PotionTime(game);
}

}  // namespace zaldrun
