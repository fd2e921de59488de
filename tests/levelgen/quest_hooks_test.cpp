// What the entry script does by the quests' states: the goblin camp's frog, the tribe gone home or
// at war, the catacombs quiet, the witch gone for good, Кави's corpse place silent once told, the
// thicket's artefact kept within reach, and the forest riddle 1 → 2 → 100 on the overworld.
#include "levelgen/quest_hooks.hpp"

#include <gtest/gtest.h>

#include "combat/rooms.hpp"
#include "events/quest_checks.hpp"
#include "items/item_lookup.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "levelgen/build_level.hpp"
#include "levelgen/overworld.hpp"
#include "levelgen/places.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_type_ids.hpp"
#include "support/game_fixture.hpp"
#include "support/open_room.hpp"
#include "world/new_game.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kShaman = 9;

ItemRecord Artefact(Game& game) {
  ItemRequest request;
  request.type = item_type::kForestArtefact;
  request.count = 1;
  return MakeItem(game, request).value();
}

class QuestHookTest : public ::testing::Test {
 protected:
  QuestHookTest() : fixture_(testing::OpenRoom(30, 10, 2, 2)) {}

  Game& game() { return fixture_.game(); }
  Level& level() { return game().world.level; }
  int16_t& Quest(int entry) { return game().world.hero.quests[static_cast<size_t>(entry)]; }
  // Artefacts lying on the level, floor stacks and piles alike.
  int ArtefactsOnLevel() {
    int count = 0;
    for (int i = 1; i <= kFloorStacks; ++i) {
      const ItemRecord& item = level().loose_items[static_cast<size_t>(i)];
      count += item.count > 0 && item.type == item_type::kForestArtefact;
    }
    for (size_t pile = 1; pile < game().world.piles.size(); ++pile) {
      if (game().world.piles[pile].first == 0) continue;
      for (const auto& group : game().world.piles[pile].groups) {
        for (const ItemRecord& item : group) count += item.type == item_type::kForestArtefact;
      }
    }
    return count;
  }

  GameFixture fixture_;
};

TEST(QuestHookCamp, TheTribeKeepsItsFrogUntilTheCurseIsLiftedAndLeavesOnlyAtPeace) {
  struct Case {
    const char* name;
    int witch, goblins;
    bool chief_killed, at_war;
    int count, goblin_peaceful;  // of the goblin at (7, 3)
  };
  constexpr Case kCases[] = {
      {"both quests running", 2, 2, false, false, 5, 1},
      {"the curse lifted, the elder waits", 100, 2, false, false, 5, 1},
      {"both done: home, the rat stays", 100, 100, false, false, 1, -1},
      {"both done, at war", 100, 100, false, true, 5, 0},
      {"the chief killed: war", 100, 100, true, false, 3, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    GameFixture f(testing::OpenRoom(30, 10, 2, 2));
    Game& game = f.game();
    const Level& level = game.world.level;
    if (!c.chief_killed) f.AddMonster(monster_type::kGoblinChief, 5, 3, true);
    f.AddMonster(monster_type::kGoblin, 7, 3, !c.at_war);
    f.AddMonster(kShaman, 9, 3, true);
    f.AddMonster(monster_type::kFrog, 11, 5, true);
    if (!c.chief_killed) f.AddMonster(monster_type::kRat, 20, 5, false);
    game.world.kill_counts[monster_type::kGoblinChief] = c.chief_killed ? 1 : 0;
    game.world.hero.quests[quest_entry::kWitch] = static_cast<int16_t>(c.witch);
    game.world.hero.quests[quest_entry::kGoblins] = static_cast<int16_t>(c.goblins);
    LevelEntryScript(game, place::kWorld, place::kGoblinCamp);
    ASSERT_EQ(level.monster_count, c.count);
    if (c.count == 1) {
      EXPECT_EQ(level.Monster(level.Cell(20, 5).monster).type, monster_type::kRat);
      continue;
    }
    EXPECT_EQ(level.Monster(level.Cell(11, 5).monster).type,
              c.witch == 100 ? monster_type::kGoblin : monster_type::kFrog);
    EXPECT_EQ(level.Monster(level.Cell(7, 3).monster).peaceful, c.goblin_peaceful);
    EXPECT_EQ(level.Monster(level.Cell(9, 3).monster).peaceful, c.chief_killed ? 0 : 1);
    EXPECT_NE(FindEvent(game, "CheckGobs"), 0);
  }
}

TEST_F(QuestHookTest, TheCatacombsGrowQuietOnceTheHunterIsContent) {
  for (const auto& [quest, rate] : {std::pair{1, 12}, std::pair{100, 0}}) {
    Quest(quest_entry::kCatacombs) = static_cast<int16_t>(quest);
    level().spawn_rate = 12;
    LevelEntryScript(game(), place::kCatacombs, 2);
    EXPECT_EQ(level().spawn_rate, rate) << quest;
  }
}

TEST_F(QuestHookTest, TheWitchDoesNotComeBackOnceSheIsDead) {
  fixture_.AddMonster(monster_type::kWitch, 6, 4);
  fixture_.AddMonster(monster_type::kRat, 8, 4);
  Quest(quest_entry::kWitch) = 1;
  LevelEntryScript(game(), place::kDarkCave, 3);
  EXPECT_NE(FindMonsterOfType(game(), monster_type::kWitch), 0) << "she still lives";
  Quest(quest_entry::kWitch) = 100;
  LevelEntryScript(game(), place::kDarkCave, 3);
  EXPECT_EQ(FindMonsterOfType(game(), monster_type::kWitch), 0);
  EXPECT_NE(FindMonsterOfType(game(), monster_type::kRat), 0);
}

TEST_F(QuestHookTest, KavisCorpsePlaceTellsItsStoryOnlyUntilTheElderHasHeardIt) {
  Room& corpse = level().RoomAt(3);
  corpse.used = 1;
  corpse.kind = room_kind::kCorpsePlace;
  Quest(quest_entry::kKavi) = 2;
  LevelEntryScript(game(), place::kTomb, 1);
  EXPECT_EQ(corpse.kind, room_kind::kCorpsePlace);
  Quest(quest_entry::kKavi) = 100;
  LevelEntryScript(game(), place::kTomb, 2);
  EXPECT_EQ(corpse.kind, room_kind::kCorpsePlace) << "only the tomb's first level has him";
  LevelEntryScript(game(), place::kTomb, 1);
  EXPECT_EQ(corpse.kind, 0);
}

TEST_F(QuestHookTest, TheThicketsCaveKeepsOneArtefactWithinReachUntilTheRiddleIsSolved) {
  Quest(quest_entry::kForestRiddle) = 100;
  LevelEntryScript(game(), place::kThicket, 4);
  EXPECT_EQ(ArtefactsOnLevel(), 0) << "solved";
  Quest(quest_entry::kForestRiddle) = 2;
  LevelEntryScript(game(), place::kThicket, 3);
  EXPECT_EQ(ArtefactsOnLevel(), 0) << "only the cave at the heart holds it";
  ASSERT_TRUE(TakeIntoPack(game(), Artefact(game())));
  LevelEntryScript(game(), place::kThicket, 4);
  EXPECT_EQ(ArtefactsOnLevel(), 0) << "the hero carries one";
  const int carried = FindCarried(game(), item_type::kForestArtefact);
  ASSERT_TRUE(RemoveFromPack(game(), CategoryOf(game(), item_type::kForestArtefact), carried, 1));
  LevelEntryScript(game(), place::kThicket, 4);
  LevelEntryScript(game(), place::kThicket, 4);
  EXPECT_EQ(ArtefactsOnLevel(), 1) << "one, never a second";
}

TEST(ForestRiddle, ReadOpensTheThicketAndOnlyTheArtefactBroughtOutSolvesIt) {
  GameFixture fixture({"@"}, 4);
  NewGameStart start;
  start.place = place::kWorld;
  start.level = place::kOverworld;
  ASSERT_TRUE(fixture.Act([&](Game& g) { ASSERT_TRUE(StartNewGame(g, start)); }));
  Game& game = fixture.game();
  int16_t& riddle = game.world.hero.quests[quest_entry::kForestRiddle];
  const auto enter = [&] { LevelEntryScript(game, place::kWorld, place::kOverworld); };
  enter();
  EXPECT_EQ(riddle, 0);
  riddle = 1;
  enter();
  EXPECT_EQ(riddle, 2) << "the thicket opens";
  EXPECT_EQ(game.world.level.Cell(kThicketX, kThicketY).feature, feature::kEntrance);
  enter();
  EXPECT_EQ(riddle, 2) << "back without the artefact";
  ASSERT_TRUE(TakeIntoPack(game, Artefact(game)));
  enter();
  enter();
  EXPECT_EQ(riddle, 100) << "solved, and stays solved";
  riddle = 0;
  enter();
  EXPECT_EQ(riddle, 0) << "never read, never solved, artefact or not";
}

}  // namespace
}  // namespace zaldrun
