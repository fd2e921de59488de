// Bolts along a line and bursts of flame over a square.
#include <string>
#include <utility>
#include <vector>

#include "combat/hit_rolls.hpp"
#include "combat/missile_flight.hpp"
#include "combat/missiles.hpp"
#include "combat/monster_damage.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "field/field.hpp"
#include "field/sight.hpp"
#include "model/game.hpp"
#include "model/monster_types.hpp"
#include "records/game_enums.hpp"
#include "records/monster_record.hpp"
#include "records/terrain.hpp"
#include "records/text_table.hpp"

namespace zaldrun {

namespace {

using hit_rolls::HeroProtection;
using hit_rolls::Roll;

constexpr int kBoltFrameMs = 200;
constexpr int kBurstFrameMs = 500;
constexpr uint8_t kFlameGlyph = '#';

// The cells a bolt passes, up to the first that stops it.
std::vector<std::pair<int, int>> BoltCells(const Game& game, int x, int y, int dx, int dy,
                                           int length) {
  std::vector<std::pair<int, int>> cells;
  for (int i = 1; i <= length; ++i) {
    x += dx;
    y += dy;
    if (!Level::Inside(x, y)) break;
    const char letter = game.world.level.Terrain(x, y);
    if (LetterBlocksSight(letter) || FeatureBlocks(game.world.level.Cell(x, y).feature)) break;
    cells.emplace_back(x, y);
  }
  return cells;
}

// Whether the hero stands on (x, y).
bool HeroAt(const Game& game, int x, int y) {
  return game.world.hero.x == x && game.world.hero.y == y;
}

// The name of monster `slot`'s type in the object case, "" when its type cannot be read.
std::string ObjectName(Game& game, int slot) {
  if (!LoadMonsterType(game, game.world.level.Monster(slot).type)) return "";
  return game.data.monsters.current.name_object;
}

std::string Name(const Game& game, int slot) {
  const int type = game.world.level.Monster(slot).type;
  if (!game.data.monsters.loaded || type < 1 || type > kMonsterTypeCount) return "";
  return game.data.monsters.records[static_cast<size_t>(type)].name;
}

// After the flames: what the hero sees is drawn as it is now, the rest as he remembers it.
void Redraw(Game& game, int x, int y) {
  const Hero& hero = game.world.hero;
  if (SeePlayer(game, hero.x, hero.y, x, y, hero.sight_radius)) {
    Renew(game, x, y);
  } else if (game.world.level.Cell(x, y).seen == 1) {
    PlaceShadow(game, x, y);
  } else {
    Eras(game, x, y);
  }
}

int MonsterResistance(Game& game, int slot, int kind) {
  if (!LoadMonsterType(game, game.world.level.Monster(slot).type)) return 0;
  return game.data.monsters.current.Resistance(kind);
}

}  // namespace

void Bolt(Game& game, int x0, int y0, int dx, int dy, int length, int low, int high, int kind,
          bool by_hero) {
  if (game.GameOver()) return;
  const int32_t colour = std::stoi("0" + FetchText(text_ids::kElementColourBase + kind));
  const std::string name = FetchText(text_ids::kBoltNameBase + kind);
  const std::vector<std::pair<int, int>> cells = BoltCells(game, x0, y0, dx, dy, length);
  SweepHeroSight(game);  // the flames play over the scene as it stands
  for (const auto& [x, y] : cells) {
    Char(game, x, y, kFlameGlyph, colour);
    PauseFrame(game, kBoltFrameMs);
  }
  for (const auto& [x, y] : cells) {
    if (game.GameOver()) break;
    // The slot is read when the bolt gets there: a kill before it moves the later slots down.
    const int slot = game.world.level.Cell(x, y).monster;
    if (slot >= 1 && slot <= game.world.level.monster_count) {
      ShowMessage(game, name + " попадает в " + ObjectName(game, slot) + ".");
      const int damage = Roll(game, low, high, MonsterResistance(game, slot, kind));
      DamageMonster(game, slot, damage, true, by_hero);
    } else if (HeroAt(game, x, y)) {
      ShowMessage(game, name + " попадает в тебя!");
      ChangeHP(game, -Roll(game, low, high, HeroProtection(game.world.hero, kind)));
    }
  }
  for (const auto& [x, y] : cells) Redraw(game, x, y);
}

void FlameBurst(Game& game, int x, int y, int low, int high, int size, bool by_hero) {
  if (game.GameOver() || size < 1) return;
  std::vector<std::pair<int, int>> area;
  for (int i = 0; i < size; ++i) {
    for (int j = 0; j < size; ++j) {
      const int cx = x + i - size / 2;
      const int cy = y + j - size / 2;
      if (Level::Inside(cx, cy)) area.emplace_back(cx, cy);
    }
  }
  const Hero& hero = game.world.hero;
  SweepHeroSight(game);  // the flames play over the scene as it stands
  for (const auto& [cx, cy] : area) {
    if (!SeePlayer(game, hero.x, hero.y, cx, cy, hero.sight_radius)) continue;
    const int red = static_cast<int>(game.random.Next() * 170) + 82;
    Char(game, cx, cy, kFlameGlyph, PackColour(red, 0, 0));
  }
  PauseFrame(game, kBurstFrameMs);
  bool hero_inside = false;
  for (const auto& [cx, cy] : area) {
    if (game.GameOver()) return;
    const int slot = game.world.level.Cell(cx, cy).monster;
    if (slot >= 1 && slot <= game.world.level.monster_count) {
      // A burst out of sight (a trap far away) burns unseen and unnamed.
      if (SeePlayer(game, hero.x, hero.y, cx, cy, hero.sight_radius))
        ShowMessage(game, Name(game, slot) + " окружён языками жаркого пламени!");
      const int damage = Roll(game, low, high, MonsterResistance(game, slot, damage_kind::kFire));
      DamageMonster(game, slot, damage, true, by_hero);
    }
    if (HeroAt(game, cx, cy)) hero_inside = true;
  }
  if (hero_inside && !game.GameOver()) {
    ShowMessage(game, "Ты окружён языками жаркого пламени!");
    const int damage = Roll(game, low, high, HeroProtection(game.world.hero, damage_kind::kFire));
    if (damage < 1) ShowMessage(game, "Но пламя не причинило тебе вреда.");
    ChangeHP(game, -damage);
  }
  for (const auto& [cx, cy] : area) {
    if (SeePlayer(game, hero.x, hero.y, cx, cy, hero.sight_radius)) Renew(game, cx, cy);
  }
}

}  // namespace zaldrun
