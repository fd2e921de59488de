#include "world/new_game.hpp"

#include <array>
#include <string>

#include "events/quest_checks.hpp"
#include "levelgen/places.hpp"
#include "model/game.hpp"
#include "records/item_type_table.hpp"
#include "records/settings.hpp"
#include "world/hero_names.hpp"
#include "world/level_change.hpp"
#include "world/save_game.hpp"

namespace zaldrun {
namespace {

constexpr std::array<std::string_view, 5> kWarriorMelee = {"Широкий меч", "Топор", "Тяжёлое Копье",
                                                           "Булава", "Дубина"};
constexpr std::array<std::string_view, 4> kArcherMelee = {"Гладиус", "Томагавк", "Лёгкое Копье",
                                                          "Дубинка"};
constexpr std::array<std::string_view, 3> kArcherRanged = {"Составной Лук", "Арбалет", "Праща"};
constexpr std::array<std::string_view, 4> kWandererMelee = {"Ятаган", "Томагавк", "Лёгкое Копье",
                                                            "Дубинка"};
constexpr std::array<std::string_view, 3> kWandererRanged = {"Короткий Лук", "Лёгкий Арбалет",
                                                             "Праща"};
constexpr std::array<std::string_view, 3> kBarbarianMelee = {"Двуручный Меч", "Боевой Топор",
                                                             "Большая Дубина"};

// A stored list position (from 1) that the list holds, else the first.
uint8_t PositionOrFirst(int stored, size_t count) {
  return static_cast<uint8_t>(stored >= 1 && static_cast<size_t>(stored) <= count ? stored : 1);
}

}  // namespace

std::span<const std::string_view> MeleeWeaponNames(int hero_class) {
  switch (hero_class) {
    case classes::kArcher:
      return kArcherMelee;
    case classes::kWanderer:
      return kWandererMelee;
    case classes::kBarbarian:
      return kBarbarianMelee;
    default:
      return kWarriorMelee;
  }
}

std::span<const std::string_view> RangedWeaponNames(int hero_class) {
  switch (hero_class) {
    case classes::kArcher:
      return kArcherRanged;
    case classes::kWanderer:
      return kWandererRanged;
    default:
      return {};
  }
}

HeroChoice StoredChoice(const Settings& settings) {
  HeroChoice choice;
  choice.race = PositionOrFirst(settings.race, kRaceCount);
  choice.hero_class = PositionOrFirst(settings.hero_class, kClassCount);
  choice.weapon = PositionOrFirst(settings.weapon, MeleeWeaponNames(choice.hero_class).size());
  const size_t ranged = RangedWeaponNames(choice.hero_class).size();
  choice.missile = ranged == 0 ? 0 : PositionOrFirst(settings.missile, ranged);
  return choice;
}

bool StartNewGame(Game& game, const NewGameStart& start) {
  // The name of another hero's save is never taken: saving would overwrite it, quitting delete it.
  const std::string name = CleanHeroName(game.session.settings.name);
  if (!name.empty() && FindSavedHero(game.session.SaveFolder(), name)) {
    game.view.message_line = kNameTaken;
    return false;
  }
  World& world = game.world;
  // Nothing of an earlier game carries over: no level to write, nothing lying or killed, no
  // prompt or label left over.
  world.current_place = 0;
  world.current_level = 0;
  world.level = Level{};
  for (PileRecord& pile : world.piles) pile = PileRecord{};
  world.piles[0].first = 1;  // the pack is always in use
  world.kill_counts = {};
  game.control = Control{};
  game.view = View{};
  world.hero.name = name;
  SetUpNewHero(game, start.hero);
  // The healer names the forest artefact from the quest states, before the thicket is ever built.
  world.hero.quests[quest_entry::kArtefactType] = item_type::kForestArtefact;
  BeginPlay(game);
  const bool overworld = start.place == place::kWorld && start.level == place::kOverworld;
  return ChangeLevel(game, start.place, start.level, overworld ? kNewGameX : 0,
                     overworld ? kNewGameY : 0);
}

void BeginPlay(Game& game) {
  game.session.game_in_progress = true;
  game.session.saved = false;
  game.session.unload_requested = false;
  game.view.field.hero_visible = true;
}

}  // namespace zaldrun
