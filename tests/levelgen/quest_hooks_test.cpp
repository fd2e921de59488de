// What the entry script does by the quests' states: the goblin camp's frog, the tribe gone home or
// at war, the catacombs quiet, the witch gone for good, Кави's corpse place silent once told, the
// thicket's artefact kept within reach, and the forest riddle 1 → 2 → 100 on the overworld.
#include "levelgen/quest_hooks.hpp"

#include <gtest/gtest.h>

#include "combat/rooms.hpp"
#include "events/quest_checks.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "levelgen/build_level.hpp"
#include "levelgen/overworld.hpp"
#include "levelgen/places.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"
#include "records/item_type_table.hpp"
#include "support/game_fixture.hpp"
#include "support/open_room.hpp"
#include "world/new_game.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kGoblin = 8;
constexpr int kShaman = 9;
constexpr int kFrog = 27;
constexpr int kRat = 1;

class QuestHookTest : public ::testing::Test {
 protected:
  QuestHookTest() : fixture_(testing::OpenRoom(30, 10, 2, 2)) {}

  Game& game() { return fixture_.game(); }
  Level& level() { return game().world.level; }
  int16_t& Quest(int entry) { return game().world.hero.quests[static_cast<size_t>(entry)]; }
  int CountOfType(int type) {
    int count = 0;
    for (int slot = 1; slot <= level().monster_count; ++slot)
      count += level().Monster(slot).type == type;
    return count;
  }
  // The camp's tribe: the chief, a goblin, a shaman and the frog, all at peace; and a rat.
  void PeopleTheCamp() {
    fixture_.AddMonster(kGoblinChiefType, 5, 3, true);
    fixture_.AddMonster(kGoblin, 7, 3, true);
    fixture_.AddMonster(kShaman, 9, 3, true);
    fixture_.AddMonster(kFrog, 11, 5, true);
    fixture_.AddMonster(kRat, 20, 5, false);
  }
  void EnterCamp() { LevelEntryScript(game(), place::kWorld, place::kGoblinCamp); }
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
  ItemRecord Artefact() {
    ItemRequest request;
    request.type = item_type::kForestArtefact;
    request.count = 1;
    const auto item = MakeItem(game(), request);
    EXPECT_TRUE(item.has_value());
    return item.value_or(ItemRecord{});
  }

  GameFixture fixture_;
};

TEST_F(QuestHookTest, TheCampStaysAsItIsWhileTheQuestsRun) {
  PeopleTheCamp();
  Quest(quest_entry::kGoblins) = 2;
  Quest(quest_entry::kWitch) = 2;
  EnterCamp();
  EXPECT_EQ(level().monster_count, 5);
  EXPECT_EQ(CountOfType(kFrog), 1) << "the curse holds until the chief is told";
  for (int slot = 1; slot <= 4; ++slot) EXPECT_EQ(level().Monster(slot).peaceful, 1) << slot;
  EXPECT_NE(FindEvent(game(), "CheckGobs"), 0);
}

TEST_F(QuestHookTest, TheCurseLiftedTurnsTheFrogBackIntoAGoblin) {
  PeopleTheCamp();
  Quest(quest_entry::kWitch) = 100;
  Quest(quest_entry::kGoblins) = 2;
  EnterCamp();
  EXPECT_EQ(CountOfType(kFrog), 0);
  EXPECT_EQ(CountOfType(kGoblin), 2);
  const int freed = level().Cell(11, 5).monster;
  ASSERT_NE(freed, 0) << "on the frog's cell";
  EXPECT_EQ(level().Monster(freed).type, kGoblin);
  EXPECT_EQ(level().Monster(freed).peaceful, 1);
  EXPECT_EQ(level().monster_count, 5) << "the tribe stays while the elder waits";
}

TEST_F(QuestHookTest, ATribeAtPeaceGoesHomeOnceBothQuestsAreDone) {
  PeopleTheCamp();
  Quest(quest_entry::kWitch) = 100;
  Quest(quest_entry::kGoblins) = 100;
  EnterCamp();
  ASSERT_EQ(level().monster_count, 1) << "only the rat is left";
  EXPECT_EQ(level().Monster(1).type, kRat);
  EXPECT_EQ(level().Cell(20, 5).monster, 1);
  for (int x : {5, 7, 9, 11}) EXPECT_EQ(level().Cell(x, x == 11 ? 5 : 3).monster, 0) << x;
}

TEST_F(QuestHookTest, ATribeAtWarDoesNotLeave) {
  PeopleTheCamp();
  level().Monster(2).peaceful = 0;
  Quest(quest_entry::kWitch) = 100;
  Quest(quest_entry::kGoblins) = 100;
  EnterCamp();
  EXPECT_EQ(level().monster_count, 5);
}

TEST_F(QuestHookTest, ATribeWhoseChiefWasKilledStaysAtWar) {
  fixture_.AddMonster(kGoblin, 7, 3, true);
  fixture_.AddMonster(kShaman, 9, 3, true);
  fixture_.AddMonster(kFrog, 11, 5, true);
  game().world.kill_counts[kGoblinChiefType] = 1;
  Quest(quest_entry::kGoblins) = 100;
  Quest(quest_entry::kWitch) = 100;
  EnterCamp();
  ASSERT_EQ(level().monster_count, 3) << "nobody leaves";
  EXPECT_EQ(CountOfType(kFrog), 0) << "the curse is lifted all the same";
  EXPECT_EQ(level().Monster(level().Cell(7, 3).monster).peaceful, 0) << "the goblin";
  EXPECT_EQ(level().Monster(level().Cell(9, 3).monster).peaceful, 0) << "the shaman";
}

TEST_F(QuestHookTest, TheCatacombsGrowQuietOnceTheHunterIsContent) {
  for (const auto& [quest, rate] : {std::pair{0, 12}, std::pair{1, 12}, std::pair{100, 0}}) {
    Quest(quest_entry::kCatacombs) = static_cast<int16_t>(quest);
    level().spawn_rate = 12;
    LevelEntryScript(game(), place::kCatacombs, 2);
    EXPECT_EQ(level().spawn_rate, rate) << quest;
  }
}

TEST_F(QuestHookTest, TheWitchDoesNotComeBackOnceSheIsDead) {
  fixture_.AddMonster(kWitchType, 6, 4);
  fixture_.AddMonster(kRat, 8, 4);
  Quest(quest_entry::kWitch) = 1;
  LevelEntryScript(game(), place::kDarkCave, 3);
  EXPECT_EQ(CountOfType(kWitchType), 1) << "she still lives";
  Quest(quest_entry::kWitch) = 100;
  LevelEntryScript(game(), place::kDarkCave, 3);
  EXPECT_EQ(CountOfType(kWitchType), 0);
  EXPECT_EQ(CountOfType(kRat), 1);
  EXPECT_EQ(level().Cell(6, 4).monster, 0);
}

TEST_F(QuestHookTest, KavisCorpsePlaceTellsItsStoryOnlyUntilTheElderHasHeardIt) {
  Room& corpse = level().RoomAt(3);
  corpse.used = 1;
  corpse.kind = room_kind::kCorpsePlace;
  for (int quest : {0, 1, 2}) {
    Quest(quest_entry::kKavi) = static_cast<int16_t>(quest);
    LevelEntryScript(game(), place::kTomb, 1);
    EXPECT_EQ(corpse.kind, room_kind::kCorpsePlace) << quest;
  }
  Quest(quest_entry::kKavi) = 100;
  LevelEntryScript(game(), place::kTomb, 2);
  EXPECT_EQ(corpse.kind, room_kind::kCorpsePlace) << "only the tomb's first level has him";
  LevelEntryScript(game(), place::kTomb, 1);
  EXPECT_EQ(corpse.kind, 0);
}

TEST_F(QuestHookTest, TheThicketsCaveKeepsTheArtefactWithinReachUntilTheRiddleIsSolved) {
  Quest(quest_entry::kForestRiddle) = 2;
  LevelEntryScript(game(), place::kThicket, 3);
  EXPECT_EQ(ArtefactsOnLevel(), 0) << "only the cave at the heart holds it";
  LevelEntryScript(game(), place::kThicket, 4);
  EXPECT_EQ(ArtefactsOnLevel(), 1);
  LevelEntryScript(game(), place::kThicket, 4);
  EXPECT_EQ(ArtefactsOnLevel(), 1) << "never a second one";
}

TEST_F(QuestHookTest, TheThicketsCaveAddsNoArtefactWhileTheHeroCarriesOne) {
  Quest(quest_entry::kForestRiddle) = 2;
  ASSERT_TRUE(TakeIntoPack(game(), Artefact()));
  LevelEntryScript(game(), place::kThicket, 4);
  EXPECT_EQ(ArtefactsOnLevel(), 0);
}

TEST_F(QuestHookTest, TheThicketsCaveAddsNoArtefactOnceTheRiddleIsSolved) {
  Quest(quest_entry::kForestRiddle) = 100;
  LevelEntryScript(game(), place::kThicket, 4);
  EXPECT_EQ(ArtefactsOnLevel(), 0);
}

TEST(ForestRiddle, ReadOpensTheThicketAndTheArtefactBroughtOutSolvesIt) {
  GameFixture fixture({"@"}, 4);
  NewGameStart start;
  start.place = place::kWorld;
  start.level = place::kOverworld;
  ASSERT_TRUE(fixture.Act([&](Game& g) { ASSERT_TRUE(StartNewGame(g, start)); }));
  Game& game = fixture.game();
  int16_t& riddle = game.world.hero.quests[quest_entry::kForestRiddle];
  ASSERT_EQ(riddle, 0);
  LevelEntryScript(game, place::kWorld, place::kOverworld);
  EXPECT_EQ(riddle, 0);
  riddle = 1;
  LevelEntryScript(game, place::kWorld, place::kOverworld);
  EXPECT_EQ(riddle, 2) << "the thicket opens";
  EXPECT_EQ(game.world.level.Cell(kThicketX, kThicketY).feature, feature::kEntrance);
  LevelEntryScript(game, place::kWorld, place::kOverworld);
  EXPECT_EQ(riddle, 2) << "back without the artefact";
  ItemRequest request;
  request.type = item_type::kForestArtefact;
  request.count = 1;
  const auto artefact = MakeItem(game, request);
  ASSERT_TRUE(artefact.has_value());
  ASSERT_TRUE(TakeIntoPack(game, *artefact));
  LevelEntryScript(game, place::kWorld, place::kOverworld);
  EXPECT_EQ(riddle, 100);
  LevelEntryScript(game, place::kWorld, place::kOverworld);
  EXPECT_EQ(riddle, 100) << "solved stays solved";
}

TEST(ForestRiddle, TheArtefactAloneSolvesNothingBeforeTheThicketIsOpen) {
  GameFixture fixture({"@"}, 4);
  NewGameStart start;
  start.place = place::kWorld;
  start.level = place::kOverworld;
  ASSERT_TRUE(fixture.Act([&](Game& g) { ASSERT_TRUE(StartNewGame(g, start)); }));
  Game& game = fixture.game();
  ItemRequest request;
  request.type = item_type::kForestArtefact;
  request.count = 1;
  const auto artefact = MakeItem(game, request);
  ASSERT_TRUE(artefact.has_value());
  ASSERT_TRUE(TakeIntoPack(game, *artefact));
  LevelEntryScript(game, place::kWorld, place::kOverworld);
  EXPECT_EQ(game.world.hero.quests[quest_entry::kForestRiddle], 0) << "never read, never solved";
}

}  // namespace
}  // namespace zaldrun
