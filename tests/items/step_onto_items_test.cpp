// A step onto a loose item tells its name, knowing a weapon the hero is skilled enough to know.
#include <gtest/gtest.h>

#include "actions/movement.hpp"
#include "items/item_maker.hpp"
#include "items/piles.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

constexpr int kGoblinCudgel = 46;  // clubs (skill 7), level 200, unknown "Зелёная Дубинка"

TEST(StepOntoItems, TheLooseItemIsNamedAsTheHeroKnowsIt) {
  for (const float skill : {0.0f, 250.0f}) {
    testing::GameFixture fixture({"AAAAAA", "AC@CCA", "AAAAAA"});
    Game& game = fixture.game();
    game.world.hero.SkillAt(7).value = skill;
    ItemRecord cudgel;
    cudgel.type = kGoblinCudgel;
    cudgel.count = 1;
    cudgel.material = 11;
    cudgel.blessing = blessing::kUncursedUnknown;
    ASSERT_TRUE(PlaceItem(game, 3, 1, cudgel, false));
    MoveHero(game, 3, 1);
    EXPECT_EQ(game.view.message_line, skill == 0 ? " Здесь лежит Зелёная Дубинка."
                                                 : " Здесь лежит дубовая Гоблинская Дубинка.");
    EXPECT_EQ(game.world.level.loose_items[1].identified, skill == 0 ? 0 : 1);
  }
}

}  // namespace
}  // namespace zaldrun
