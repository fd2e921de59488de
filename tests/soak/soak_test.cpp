// Random keys on random sandbox levels and in the real world (the overworld and random places and
// levels, stairs and entrances taken) for many seeds, checking the world after every key.
// ZALDRUN_SOAK_SEEDS sets the number of seeds (a long run: `make soak`), ZALDRUN_SOAK_FIRST_SEED
// the seed to start from (1 unless set), so that one failing seed can be run again alone.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "base/utf8.hpp"
#include "creatures/monster_table.hpp"
#include "field/free_cells.hpp"
#include "items/equipment.hpp"
#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "levelgen/places.hpp"
#include "records/terrain.hpp"
#include "support/game_fixture.hpp"
#include "world/new_hero.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kDart = 36;

int SeedCount() {
  const char* text = std::getenv("ZALDRUN_SOAK_SEEDS");
  const int count = text != nullptr ? std::atoi(text) : 0;
  return count > 0 ? count : 12;
}

int FirstSeed() {
  const char* text = std::getenv("ZALDRUN_SOAK_FIRST_SEED");
  const int first = text != nullptr ? std::atoi(text) : 0;
  return first > 0 ? first : 1;
}

int LastSeed() { return FirstSeed() + SeedCount() - 1; }

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
  static const std::vector<std::string> kKeys = {"{Up}",
                                                 "{Down}",
                                                 "{Left}",
                                                 "{Right}",
                                                 "{Home}",
                                                 "{End}",
                                                 "{PgUp}",
                                                 "{PgDn}",
                                                 "{Clear}",
                                                 "{Up}",
                                                 "{Down}",
                                                 "{Left}",
                                                 "{Right}",
                                                 "{Space}",
                                                 "{Enter}",
                                                 "{Esc}",
                                                 "y",
                                                 "n",
                                                 "k",
                                                 "o",
                                                 "l",
                                                 "s",
                                                 "C",
                                                 ",",
                                                 "e",
                                                 "q",
                                                 "r",
                                                 "z",
                                                 "t",
                                                 "!",
                                                 ">",
                                                 "d",
                                                 "i",
                                                 "I",
                                                 "@",
                                                 "A",
                                                 "N",
                                                 "/",
                                                 "{Ctrl+E}",
                                                 "T",
                                                 "x",
                                                 "д",
                                                 "5",
                                                 "t{Enter}",
                                                 "задание{Enter}",
                                                 "пока{Enter}",
                                                 "исцели{Enter}",
                                                 "{Backspace}3{Enter}"};
  return kKeys[std::uniform_int_distribution<size_t>(0, kKeys.size() - 1)(rng)];
}

// Piles hold what they count, every stack is something, every cell points at a pile or floor stack
// that lies there, and the burden is the weight of what the hero carries and wears.
void ExpectItemsAreSound(const Game& game) {
  const Level& level = game.world.level;
  for (size_t p = 0; p < game.world.piles.size(); ++p) {
    const PileRecord& pile = game.world.piles[p];
    int stacks = 0;
    for (int group = 0; group < kPileGroups; ++group) {
      ASSERT_LE(pile.GroupCount(group), kGroupPlaces);
      for (const ItemRecord& item : pile.groups[static_cast<size_t>(group)]) {
        ASSERT_GT(item.count, 0) << "pile " << p;
        ASSERT_TRUE(item.type >= 1 && item.type <= kItemTypeCount) << "pile " << p;
        ++stacks;
      }
    }
    ASSERT_EQ(stacks, pile.count) << "pile " << p;
    if (p != 0 && pile.first != 0) {
      ASSERT_GT(pile.count, 0) << "an empty pile in use: " << p;
    }
  }
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const int ref = level.Cell(x, y).item;
      if (ref >= 1 && ref <= kLevelPiles) {
        const PileRecord& pile = game.world.piles[static_cast<size_t>(ref)];
        ASSERT_NE(pile.first, 0) << "a cell points at a pile not in use at " << x << "," << y;
        ASSERT_EQ(pile.x, x);
        ASSERT_EQ(pile.y, y);
      } else if (ref > kLooseItemBase) {
        const int n = ref - kLooseItemBase;
        ASSERT_LE(n, kFloorStacks);
        ASSERT_GT(level.loose_items[static_cast<size_t>(n)].count, 0) << "at " << x << "," << y;
        ASSERT_EQ(level.loose_x[static_cast<size_t>(n)], x);
        ASSERT_EQ(level.loose_y[static_cast<size_t>(n)], y);
      } else {
        ASSERT_EQ(ref, 0) << "at " << x << "," << y;
      }
    }
  }
  int64_t carried = 0;
  for (const auto& group : game.world.piles[0].groups) {
    for (const ItemRecord& item : group) carried += StackWeight(game, item, item.count);
  }
  for (int slot = 1; slot <= kEquipmentSlots; ++slot) {
    const ItemRecord& item = game.world.hero.equipment[static_cast<size_t>(slot)];
    if (item.type != 0) carried += StackWeight(game, item, item.count);
  }
  ASSERT_EQ(carried, game.world.hero.carried_weight) << "the burden drifted";
}

// Random items, stacks and gold on free cells of the level.
void ScatterItems(Game& game, std::mt19937& rng) {
  for (int i = 0; i < 40; ++i) {
    int16_t x = 0;
    int16_t y = 0;
    if (!RandomFreeCell(game, x, y, true)) continue;
    ItemRequest request;
    request.type =
        i % 8 == 0 ? item_type::kMoney : std::uniform_int_distribution<int>(1, kItemTypeCount)(rng);
    if (const auto item = MakeItem(game, request)) PlaceItem(game, x, y, *item, false);
  }
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
  ExpectItemsAreSound(game);
  ASSERT_LE(Utf8Length(game.view.message_line), 240u);
  ASSERT_GE(game.world.hero.equipment[equipment_slot::kAmmunition].count, 0);
  ASSERT_GE(game.world.hero.carried_weight, 0);
}

TEST(Soak, RandomKeysKeepTheWorldSound) {
  for (int seed = FirstSeed(); seed <= LastSeed(); ++seed) {
    std::mt19937 rng(static_cast<unsigned>(seed));
    GameFixture fixture(RandomPicture(rng), static_cast<uint64_t>(seed));
    Game& game = fixture.game();
    game.session.settings.fast_more = static_cast<uint8_t>(seed % 2);
    game.world.hero.SkillAt(skill::kSearching).cap = 30;
    // Monsters of every kind, a third of them peaceful and half of the others hunting the hero
    // from the start; the hero may die, and the keys then end the game.
    // A new hero of a random race and class with the starting kit, and items all around.
    const int hero_class = std::uniform_int_distribution<int>(1, 4)(rng);
    const int ranged = hero_class == 2 || hero_class == 3 ? 1 : 0;
    SetUpNewHero(game,
                 HeroChoice{static_cast<uint8_t>(std::uniform_int_distribution<int>(1, 5)(rng)),
                            static_cast<uint8_t>(hero_class), 1, static_cast<uint8_t>(ranged)});
    ScatterItems(game, rng);
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
    // Heroes without ammunition of their own get darts half of the time, so that the Shoot key
    // throws them.
    if (seed % 2 == 1 && game.world.hero.equipment[equipment_slot::kAmmunition].count == 0) {
      ItemRequest darts{.type = kDart, .blessing = blessing::kUncursed, .count = 30};
      darts.prefix = darts.suffix = 0;
      const auto item = MakeItem(game, darts);
      if (item) PutIntoSlot(game, equipment_slot::kAmmunition, *item);
    }
    for (int step = 0; step < 400; ++step) fixture.Keys(RandomKey(rng));
    int step = 0;
    fixture.PlayKeys([&] { ExpectWorldIsSound(game, seed, step++); });
    if (::testing::Test::HasFatalFailure()) return;
  }
}

// A cell of the level that leads elsewhere (stairs, an entrance, an edge exit), or the hero's own.
std::pair<int, int> RandomLink(const Game& game, std::mt19937& rng) {
  std::vector<std::pair<int, int>> links;
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const int f = game.world.level.Cell(x, y).feature;
      if (game.world.level.Cell(x, y).monster != 0) continue;  // the hero never shares a cell
      if (f == feature::kStairsDown || f == feature::kStairsUp || f == feature::kEntrance) {
        links.push_back({x, y});
      }
    }
  }
  if (links.empty()) return {game.world.hero.x, game.world.hero.y};
  return links[std::uniform_int_distribution<size_t>(0, links.size() - 1)(rng)];
}

TEST(Soak, RandomKeysInTheRealWorldKeepItSound) {
  const std::vector<std::pair<int, int>> starts = {
      {1, 100}, {1, 1},  {1, 2}, {1, 5}, {2, 1}, {2, 4}, {3, 3}, {4, 1}, {4, 3},
      {4, 5},   {4, 12}, {5, 1}, {5, 7}, {6, 1}, {6, 5}, {7, 1}, {7, 4}};
  for (int seed = FirstSeed(); seed <= LastSeed(); ++seed) {
    std::mt19937 rng(static_cast<unsigned>(seed) + 1000u);
    GameFixture fixture({"@"}, static_cast<uint64_t>(seed));
    Game& game = fixture.game();
    game.session.settings.fast_more = static_cast<uint8_t>(seed % 2);
    const auto& [place, level] =
        seed % 2 == 1 ? starts[0]
                      : starts[std::uniform_int_distribution<size_t>(0, starts.size() - 1)(rng)];
    SCOPED_TRACE("start on place " + std::to_string(place) + ", level " + std::to_string(level));
    ASSERT_TRUE(fixture.StartOn(place, level));
    int step = 0;
    for (int round = 0; round < 8 && !game.GameOver(); ++round) {
      // Now and then the hero is put on a staircase or an entrance and takes it.
      const auto [x, y] = RandomLink(game, rng);
      game.world.hero.x = static_cast<int16_t>(x);
      game.world.hero.y = static_cast<int16_t>(y);
      fixture.Keys(">");
      for (int k = 0; k < 50; ++k) fixture.Keys(RandomKey(rng));
      const bool open = fixture.PlayKeys([&] {
        ExpectWorldIsSound(game, seed, step++);
        ASSERT_TRUE(LevelExists(game.world.current_place, game.world.current_level));
        ASSERT_FALSE(
            TerrainOf(game.world.level.Terrain(game.world.hero.x, game.world.hero.y)).blocks_move);
      });
      if (::testing::Test::HasFatalFailure() || !open) break;
    }
    if (::testing::Test::HasFatalFailure()) return;
  }
}

// The shop's debt is always the value of the unpaid goods the hero carries, and money is never
// below zero: buying, selling and paying can neither lose nor make money.
void ExpectShopAccountsAreSound(const Game& game) {
  int64_t owed = 0;
  for (const auto& group : game.world.piles[0].groups) {
    for (const ItemRecord& item : group) {
      if ((item.flags & item_flag::kUnpaid) != 0) owed += ItemValue(game, item);
    }
  }
  ASSERT_EQ(owed, game.world.hero.shop_debt);
  ASSERT_GE(game.world.hero.money, 0);
}

// In the village: the hero is set down beside a villager or in the shop and talks, buys, sells,
// picks up goods and walks, with the quests at random stages.
TEST(Soak, TalkingTradingAndKickingInTheVillageKeepItSound) {
  for (int seed = FirstSeed(); seed <= LastSeed(); ++seed) {
    std::mt19937 rng(static_cast<unsigned>(seed) + 2000u);
    GameFixture fixture({"@"}, static_cast<uint64_t>(seed));
    Game& game = fixture.game();
    game.session.settings.fast_more = static_cast<uint8_t>(seed % 2);
    NewGameStart start;
    start.place = place::kWorld;
    start.level = place::kVillage;
    ASSERT_TRUE(fixture.Act([&](Game& g) { ASSERT_TRUE(StartNewGame(g, start)); }));
    for (int16_t& state : game.world.hero.quests) {
      state = static_cast<int16_t>(std::array<int, 4>{0, 1, 2, 100}[rng() % 4]);
    }
    game.world.hero.money = std::uniform_int_distribution<int32_t>(0, 3000)(rng);
    int step = 0;
    for (int round = 0; round < 30 && !game.GameOver(); ++round) {
      const Level& level = game.world.level;
      if (round % 3 == 0 || level.monster_count == 0) {
        // Into the shop, among the goods: pick something up, sell something, pay.
        game.world.hero.x = static_cast<int16_t>(std::uniform_int_distribution<int>(30, 44)(rng));
        game.world.hero.y = static_cast<int16_t>(std::uniform_int_distribution<int>(2, 5)(rng));
        if (level.Cell(game.world.hero.x, game.world.hero.y).monster != 0) continue;
        fixture.Keys(",{Enter}d{Enter}{Backspace}2{Enter}y");
      } else {
        // Beside a villager, facing him, then a talk or a kick.
        const MonsterRecord& who =
            level.Monster(std::uniform_int_distribution<int>(1, level.monster_count)(rng));
        if (who.x < 1 || level.Cell(who.x - 1, who.y).monster != 0 ||
            TerrainOf(level.Terrain(who.x - 1, who.y)).blocks_move) {
          continue;
        }
        game.world.hero.x = static_cast<int16_t>(who.x - 1);
        game.world.hero.y = who.y;
        fixture.Keys(rng() % 5 == 0 ? "k{Right}" : "C{Right}");
      }
      for (int k = 0; k < 12; ++k) fixture.Keys(RandomKey(rng));
      const bool open = fixture.PlayKeys([&] {
        ExpectWorldIsSound(game, seed, step++);
        ExpectShopAccountsAreSound(game);
      });
      if (::testing::Test::HasFatalFailure() || !open) break;
    }
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace zaldrun
