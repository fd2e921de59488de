// The yellowed note from Чазор's chest: reading it is finding the treasure (quest-state entry 0
// becomes 2, never lowered), which Чупакабра will notice when next spoken to.
#include <gtest/gtest.h>

#include "events/quest_checks.hpp"
#include "items/pack.hpp"
#include "records/item_type_table.hpp"
#include "usage/item_use.hpp"
#include "use_game.hpp"

namespace zaldrun {
namespace {

using testing::ItemWith;
using testing::Said;
using testing::UseGame;

TEST(VornsNote, ReadingTheNoteFindsChazorsTreasure) {
  for (const auto& [before, after] :
       {std::pair{0, 2}, std::pair{1, 2}, std::pair{2, 2}, std::pair{5, 5}}) {
    UseGame g;
    Game& game = g.game();
    int16_t& treasure = game.world.hero.quests[quest_entry::kTreasure];
    treasure = static_cast<int16_t>(before);
    g.Choose(ItemWith(game, "VornsMsg"), 0);
    Read(game);
    EXPECT_TRUE(Said(game, "P.S. Чазор ДЕЙСТВИТЕЛЬНО Существует!")) << before;
    EXPECT_EQ(treasure, after) << before;
    EXPECT_EQ(FindCarried(game, item_type::kNote), 1) << "the note is kept";
  }
}

}  // namespace
}  // namespace zaldrun
