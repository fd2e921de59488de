// Random keys on random sandbox levels for many seeds, checking the world after every key.
// ZALDRUN_SOAK_SEEDS sets the number of seeds (a long run: `make soak`).
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "base/utf8.hpp"
#include "creatures/monster_table.hpp"
#include "field/free_cells.hpp"
#include "items/equipment.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "records/terrain.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kDart = 36;

int SeedCount() {
  const char* text = std::getenv("ZALDRUN_SOAK_SEEDS");
  const int count = text != nullptr ? std::atoi(text) : 0;
  return count > 0 ? count : 12;
}

// Rooms of stone floor in stone wall, with doors, secret doors and the hero in the first room.
std::vector<std::string> RandomPicture(std::mt19937& rng) {
  std::vector<std::string> rows(kMapHeight, std::string(kMapWidth, 'A'));
  auto roll = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  int hero_x = 0;
  int hero_y = 0;
  const int rooms = roll(2, 9);
  for (int r = 0; r < rooms; ++r) {
    const int x1 = roll(1, 70);
    const int y1 = roll(1, 32);
    const int x2 = std::min(78, x1 + roll(2, 15));
    const int y2 = std::min(38, y1 + roll(2, 8));
    for (int y = y1; y <= y2; ++y) {
      for (int x = x1; x <= x2; ++x) rows[y][x] = "CCCCCCDGM"[roll(0, 8)];
    }
    for (int d = 0; d < 3; ++d) {
      const int y = roll(y1, y2);
      if (x2 + 1 < 79) rows[y][x2 + 1] = roll(0, 3) == 0 ? '*' : '+';
    }
    if (r == 0) {
      hero_x = x1;
      hero_y = y1;
    }
  }
  // Corridors between random cells so the hero can wander.
  for (int c = 0; c < 6; ++c) {
    const int y = roll(1, 38);
    const int x1 = roll(1, 40);
    const int x2 = roll(41, 78);
    for (int x = x1; x <= x2; ++x) {
      if (rows[y][x] == 'A') rows[y][x] = 'C';
    }
  }
  rows[hero_y][hero_x] = '@';
  return rows;
}

std::string RandomKey(std::mt19937& rng) {
  static const std::vector<std::string> kKeys = {
      "{Up}", "{Down}", "{Left}",   "{Right}", "{Home}",  "{End}",   "{PgUp}", "{PgDn}",  "{Clear}",
      "{Up}", "{Down}", "{Left}",   "{Right}", "{Space}", "{Enter}", "{Esc}",  "y",       "n",
      "k",    "o",      "l",        "s",       "C",       ",",       "e",      "q",       "r",
      "z",    "t",      "!",        ">",       "d",       "i",       "I",      "@",       "A",
      "N",    "/",      "{Ctrl+E}", "T",       "x",       "д",       "5",      "t{Enter}"};
  return kKeys[std::uniform_int_distribution<size_t>(0, kKeys.size() - 1)(rng)];
}

// Potions, scrolls, books, wands and food of random types, blessings and charges in the pack, and
// enough reading to use them: the item keys then choose among them at random.
void GiveUsableItems(Game& game, std::mt19937& rng) {
  game.world.hero.SkillAt(skill::kLiteracy).value = 3;
  std::uniform_int_distribution<int> type_pick(1, kItemTypeCount);
  for (int given = 0, tries = 0; given < 12 && tries < 2000; ++tries) {
    const int type = type_pick(rng);
    const int category = game.world.item_types[static_cast<size_t>(type)].category;
    if (category < item_category::kPotion || category > item_category::kFood) continue;
    ItemRecord item;
    item.type = static_cast<int16_t>(type);
    item.count = std::uniform_int_distribution<int>(1, 3)(rng);
    item.blessing = static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 5)(rng));
    item.identified = static_cast<uint8_t>(given % 2);
    item.material = 1;
    if (category == item_category::kWand) {
      item.charges = static_cast<int16_t>(std::uniform_int_distribution<int>(0, 4)(rng));
    }
    if (TakeIntoPack(game, item)) ++given;
  }
}

void ExpectWorldIsSound(Game& game, int seed, int step) {
  const Level& level = game.world.level;
  SCOPED_TRACE("seed " + std::to_string(seed) + ", key " + std::to_string(step));
  ASSERT_TRUE(Level::Inside(game.world.hero.x, game.world.hero.y));
  ASSERT_LE(game.world.event_count, kMaxEvents);
  ASSERT_GE(level.monster_count, 0);
  ASSERT_LE(level.monster_count, kMaxMonsters);
  for (int slot = 1; slot <= level.monster_count; ++slot) {
    const MonsterRecord& monster = level.Monster(slot);
    ASSERT_TRUE(Level::Inside(monster.x, monster.y));
    ASSERT_EQ(level.Cell(monster.x, monster.y).monster, slot);
    ASSERT_FALSE(TerrainOf(level.Terrain(monster.x, monster.y)).blocks_move) << "in a wall";
    ASSERT_FALSE(monster.x == game.world.hero.x && monster.y == game.world.hero.y) << "on the hero";
    ASSERT_TRUE(monster.type >= 1 && monster.type <= 85);
  }
  int referenced = 0;
  for (const MapCell& cell : level.cells) {
    ASSERT_GE(cell.monster, 0);
    ASSERT_LE(cell.monster, level.monster_count);
    if (cell.monster != 0) ++referenced;
  }
  ASSERT_EQ(referenced, level.monster_count);
  for (const PileRecord& pile : game.world.piles) {
    for (int group = 0; group < kPileGroups; ++group)
      ASSERT_LE(pile.GroupCount(group), kGroupPlaces);
  }
  ASSERT_LE(Utf8Length(game.view.message_line), 240u);
  ASSERT_GE(game.world.hero.equipment[equipment_slot::kAmmunition].count, 0);
  ASSERT_GE(game.world.hero.carried_weight, 0);
}

TEST(Soak, RandomKeysKeepTheWorldSound) {
  const int seeds = SeedCount();
  for (int seed = 1; seed <= seeds; ++seed) {
    std::mt19937 rng(static_cast<unsigned>(seed));
    GameFixture fixture(RandomPicture(rng), static_cast<uint64_t>(seed));
    Game& game = fixture.game();
    game.session.settings.fast_more = static_cast<uint8_t>(seed % 2);
    game.world.hero.SkillAt(skill::kSearching).cap = 30;
    // Monsters of every kind, a third of them peaceful and half of the others hunting the hero
    // from the start; the hero may die, and the keys then end the game.
    game.world.hero.hp = game.world.hero.max_hp = 60;
    for (int m = 0; m < 16; ++m) {
      int16_t x = 0;
      int16_t y = 0;
      if (!RandomFreeCell(game, x, y, false)) continue;
      const int type = std::uniform_int_distribution<int>(1, 85)(rng);
      if (m % 3 == 0) {
        fixture.AddMonster(type, x, y, true);
      } else {
        PlaceMonsterOfType(game, x, y, type, m % 2 == 0);
      }
    }
    GiveUsableItems(game, rng);
    // Half of the heroes carry darts, so that the Shoot key throws them.
    if (seed % 2 == 1) {
      ItemRequest darts{.type = kDart, .blessing = blessing::kUncursed, .count = 30};
      darts.prefix = darts.suffix = 0;
      if (const auto item = MakeItem(game, darts)) {
        PutIntoSlot(game, equipment_slot::kAmmunition, *item);
        ChangeBurden(game, StackWeight(game, *item, item->count));
      }
    }
    for (int step = 0; step < 400; ++step) fixture.Keys(RandomKey(rng));
    int step = 0;
    fixture.PlayKeys([&] { ExpectWorldIsSound(game, seed, step++); });
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace zaldrun
