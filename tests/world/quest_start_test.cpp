// What a new game writes into the quest states: only the forest artefact's item type, so that the
// healer can name it before the thicket has ever been built; every quest starts at 0.
#include <gtest/gtest.h>

#include "events/quest_checks.hpp"
#include "model/game.hpp"
#include "records/item_type_table.hpp"
#include "support/game_fixture.hpp"
#include "world/new_game.hpp"

namespace zaldrun {
namespace {

TEST(QuestStart, ANewGameKnowsTheForestArtefactsTypeAndNothingElse) {
  testing::GameFixture fixture({"@"}, 2);
  Game& game = fixture.game();
  game.world.hero.quests.fill(7);  // left over from an earlier game
  NewGameStart start;
  ASSERT_TRUE(fixture.Act([&](Game& g) { ASSERT_TRUE(StartNewGame(g, start)); }));
  for (int entry = 0; entry < kQuestCount; ++entry) {
    const int expected = entry == quest_entry::kArtefactType ? item_type::kForestArtefact : 0;
    EXPECT_EQ(game.world.hero.quests[static_cast<size_t>(entry)], expected) << entry;
  }
}

}  // namespace
}  // namespace zaldrun
