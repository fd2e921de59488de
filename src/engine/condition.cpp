#include "engine/condition.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/message_line.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"

namespace zaldrun {
namespace {

enum class Hunger { kStarving, kHungry, kNormal, kFull, kOverfull };

Hunger HungerOf(int32_t satiation) {
  if (satiation <= 0) return Hunger::kStarving;
  if (satiation <= kHungry) return Hunger::kHungry;
  if (satiation < kFull) return Hunger::kNormal;
  if (satiation <= kOverfull) return Hunger::kFull;
  return Hunger::kOverfull;
}

int Penalty(Hunger state) {
  switch (state) {
    case Hunger::kFull:
      return 6;
    case Hunger::kOverfull:
      return 12;
    default:
      return 0;
  }
}

void ShowHungerLabel(Game& game, Hunger state) {
  StatusLabels& labels = game.view.labels;
  labels.hunger_visible = state != Hunger::kNormal;
  switch (state) {
    case Hunger::kStarving:
      labels.hunger_text = "Истощён!";
      labels.hunger_colour = 255;
      break;
    case Hunger::kHungry:
      labels.hunger_text = "Голоден";
      labels.hunger_colour = 65535;
      break;
    case Hunger::kFull:
      labels.hunger_text = "Сытый";
      labels.hunger_colour = 65535;
      break;
    case Hunger::kOverfull:
      labels.hunger_text = "Объелся";
      labels.hunger_colour = 65280;
      break;
    case Hunger::kNormal:
      break;
  }
}

std::string CurrentOfMax(int current, int maximum) {
  return std::to_string(current) + "(" + std::to_string(maximum) + ")";
}

void AddResistance(Game& game, int kind, const char* message) {
  int16_t& resistance = game.world.hero.resistance_base[static_cast<size_t>(kind)];
  resistance = Clamp16(resistance + 1);
  ShowMessage(game, message, msg::kAcknowledge);
}

void GainLevel(Game& game) {
  Hero& hero = game.world.hero;
  hero.level = static_cast<uint8_t>(std::min(255, hero.level + 1));
  hero.experience_to_next = ExperienceNeed(game, hero.level);
  ShowMessage(game, "Получен новый уровнень!", msg::kAcknowledge);
  if (hero.level % 2 == 0) {
    if (hero.race == races::kElf) {
      AddResistance(game, damage_kind::kMagic, "Ты становишься устойчивей к магическим эффектам.");
    }
    if (hero.race == races::kDwarf) {
      AddResistance(game, damage_kind::kFire, "Ты становишься устойчивей к огню.");
    }
  }
  if (hero.level % 3 == 0 && hero.hero_class == classes::kWanderer) {
    for (int kind = damage_kind::kFire; kind <= damage_kind::kAcid; ++kind) {
      int16_t& resistance = hero.resistance_base[static_cast<size_t>(kind)];
      resistance = Clamp16(resistance + 1);
    }
    ShowMessage(game, "Ты становишься устойчивей к влиянию стихий.", msg::kAcknowledge);
  }
  hero.max_hp = Clamp16(std::max(0, hero.max_hp + std::max<int>(0, hero.hp_per_level)));
  hero.max_pp = Clamp16(std::max(0, hero.max_pp + std::max<int>(0, hero.pp_per_level)));
  ChangeHP(game, hero.hp_per_level);
  ChangePP(game, hero.pp_per_level);
  hero.skill_points = Clamp16(hero.skill_points + hero.skill_points_per_level);
}

}  // namespace

int32_t ExperienceNeed(const Game& game, int level) {
  const double need = (static_cast<double>(level) * level * 30 + 110) * game.world.hero.experience_factor;
  return static_cast<int32_t>(RoundHalfEven(need));
}

void UpdateHeroLabels(Game& game) {
  const Hero& hero = game.world.hero;
  StatusLabels& labels = game.view.labels;
  labels.hp = CurrentOfMax(hero.hp, hero.max_hp);
  labels.pp = CurrentOfMax(hero.pp, hero.max_pp);
  const int32_t need = ExperienceNeed(game, hero.level);
  labels.exp = CurrentOfMax(need - hero.experience_to_next, need);
  labels.level = std::to_string(hero.level);
  labels.money = std::to_string(hero.money) + "$";
}

void ChangeHP(Game& game, int delta) {
  if (game.GameOver()) return;
  Hero& hero = game.world.hero;
  if (delta < 0) delta = std::min(0, delta + hero.absorption);
  hero.hp = Clamp16(static_cast<long long>(hero.hp) + delta);
  if (hero.hp <= 0) {
    game.view.labels.hp = CurrentOfMax(hero.hp, hero.max_hp);
    ShowMessage(game, "Ты умер!...", msg::kFreshLine | msg::kAcknowledge | msg::kBeep);
    game.control.prompt_state = prompt::kGameOver;
    return;
  }
  hero.hp = std::min(hero.hp, hero.max_hp);
  game.view.labels.hp = CurrentOfMax(hero.hp, hero.max_hp);
}

void ChangePP(Game& game, int delta) {
  if (game.GameOver()) return;
  Hero& hero = game.world.hero;
  hero.pp = static_cast<int16_t>(std::clamp<long long>(static_cast<long long>(hero.pp) + delta, 0,
                                                       std::max<int16_t>(0, hero.max_pp)));
  game.view.labels.pp = CurrentOfMax(hero.pp, hero.max_pp);
}

void ChangeSatiation(Game& game, int delta) {
  if (game.GameOver()) return;
  Hero& hero = game.world.hero;
  const int32_t old_value = hero.satiation;
  const int32_t new_value = static_cast<int32_t>(std::clamp<long long>(
      static_cast<long long>(old_value) + delta, INT32_MIN / 2, INT32_MAX / 2));
  hero.satiation = new_value;
  if (new_value <= kStarvedToDeath) {
    game.control.end_reason = end_reason::kStarved;
    ShowMessage(game, "Ты умер от голода...", msg::kFreshLine | msg::kAcknowledge | msg::kBeep);
    game.control.prompt_state = prompt::kGameOver;
    return;
  }
  const Hunger before = HungerOf(old_value);
  const Hunger after = HungerOf(new_value);
  // The penalty in force always matches the state: take the old one off, put the new one on.
  hero.speed_bonus = Clamp16(hero.speed_bonus + Penalty(before) - Penalty(after));
  switch (after) {
    case Hunger::kStarving:
      ShowMessage(game, "Ты умираешь от голода!", msg::kBeep);
      break;
    case Hunger::kHungry:
      if (before == Hunger::kStarving)
        ShowMessage(game, "Теперь ты только немного голоден.");
      else if (old_value > kHungry)
        ShowMessage(game, "Ты проголодался.", msg::kBeep);
      break;
    case Hunger::kNormal:
      if (old_value <= kHungry) ShowMessage(game, "Ты полностью утолил голод.");
      break;
    case Hunger::kFull:
      if (old_value < kFull) ShowMessage(game, "Ты наелся.");
      break;
    case Hunger::kOverfull:
      if (old_value < kFull)
        ShowMessage(game, "Ты наелся.");
      else if (before == Hunger::kFull)
        ShowMessage(game, "Ты окончательно наелся.");
      break;
  }
  ShowHungerLabel(game, after);
}

void GainExperience(Game& game, int32_t amount) {
  if (game.GameOver()) return;
  Hero& hero = game.world.hero;
  long long left = static_cast<long long>(
      RoundHalfEven(static_cast<double>(amount) * (hero.experience_bonus + 20) / 20));
  while (left > 0 && !game.GameOver()) {
    if (left < hero.experience_to_next) {
      hero.experience_to_next = static_cast<int32_t>(hero.experience_to_next - left);
      left = 0;
    } else {
      left -= hero.experience_to_next;
      if (hero.level == 255) {
        hero.experience_to_next = 0;
        break;
      }
      GainLevel(game);
    }
  }
  UpdateHeroLabels(game);
}

}  // namespace zaldrun
