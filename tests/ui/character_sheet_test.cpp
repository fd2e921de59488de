#include "ui/character_sheet.hpp"

#include <gtest/gtest.h>

#include "items/hand_figures.hpp"
#include "model/game.hpp"
#include "platform/grid.hpp"
#include "support/game_fixture.hpp"
#include "support/program_harness.hpp"
#include "world/new_hero.hpp"

namespace zaldrun {
namespace {

class CharacterSheetTest : public ::testing::Test {
 protected:
  Game& NewHero(int race, int hero_class, int weapon, int missile) {
    SetUpNewHero(game_, HeroChoice{static_cast<uint8_t>(race), static_cast<uint8_t>(hero_class),
                                   static_cast<uint8_t>(weapon), static_cast<uint8_t>(missile)});
    return game_;
  }
  std::string SheetText() {
    platform::Grid grid(100, 45);
    CharacterSheet(game_).Draw(grid);
    return grid.Text();
  }
  testing::GameFixture fixture_{{"AAAAA", "AC@CA", "AAAAA"}, 3};
  Game& game_ = fixture_.game();
};

TEST(ToHitText, SignOnlyFromOneUp) {
  EXPECT_EQ(ToHitText(12), "+12");
  EXPECT_EQ(ToHitText(1), "+1");
  EXPECT_EQ(ToHitText(0), "0");
  EXPECT_EQ(ToHitText(-3), "-3");
}

TEST_F(CharacterSheetTest, AWarriorFightsWithHisRightHandOnlyAndHasNoMissile) {
  Game& game = NewHero(1, 1, 1, 0);
  const auto columns = AttackColumns(game);
  EXPECT_TRUE(columns[hand::kRight].shown);
  ASSERT_FALSE(columns[hand::kRight].damage.empty());
  const AttackProfile& attack = game.world.hero.attack;
  EXPECT_EQ(columns[hand::kRight].damage[0].low, attack.damage_low[0]);
  EXPECT_EQ(columns[hand::kRight].to_hit, ToHitText(game.world.hero.to_hit + attack.to_hit[0]));
  EXPECT_FALSE(columns[hand::kLeft].shown) << "a shield is no weapon";
  EXPECT_FALSE(columns[hand::kMissile].shown);
  const std::string text = SheetText();
  EXPECT_NE(text.find(CharacterSheet::kTitle), std::string::npos);
  EXPECT_NE(text.find("Человек Воин"), std::string::npos);
  EXPECT_NE(text.find("НЕТ!"), std::string::npos);
  EXPECT_NE(text.find("Вес: " + std::to_string(game.world.hero.carried_weight) + "s / " +
                      std::to_string(game.world.hero.max_weight) + "s"),
            std::string::npos);
}

TEST_F(CharacterSheetTest, AnArcherShowsHisMissilesAndAnUnknownWeaponHidesItsDamage) {
  Game& game = NewHero(2, 2, 1, 1);
  auto columns = AttackColumns(game);
  EXPECT_TRUE(columns[hand::kMissile].shown);
  EXPECT_TRUE(columns[hand::kMissile].identified);
  EXPECT_EQ(SheetText().find("НЕТ!"), std::string::npos);
  game.world.hero.equipment[equipment_slot::kRightHand].identified = 0;
  columns = AttackColumns(game);
  EXPECT_FALSE(columns[hand::kRight].identified);
  EXPECT_NE(SheetText().find("Урон: ???"), std::string::npos);
}

TEST_F(CharacterSheetTest, CurrentValuesAreColouredAgainstTheNaturalOnes) {
  Game& game = NewHero(1, 1, 1, 0);
  Attributes& a = game.world.hero.attributes;
  a.current[0] = a.natural[0];
  a.current[1] = static_cast<int16_t>(a.natural[1] - 1);
  a.current[2] = static_cast<int16_t>(a.natural[2] + 1);
  platform::Grid grid(100, 45);
  CharacterSheet(game).Draw(grid);
  // Find each current value by its row caption: the value sits in the fourth column.
  auto colour_of = [&](const std::string& caption) {
    for (int y = 0; y < grid.height(); ++y) {
      const std::string row = grid.RowText(y);
      if (row.find(caption) == std::string::npos) continue;
      for (int x = grid.width() - 1; x >= 0; --x) {
        const char32_t ch = grid.At(x, y).ch;
        if (ch >= U'0' && ch <= U'9') return grid.At(x, y).fg;
      }
    }
    return platform::Color{};
  };
  EXPECT_EQ(colour_of("Сила"), platform::FromPackedBgr(65535)) << "equal: yellow";
  EXPECT_EQ(colour_of("Ум "), platform::FromPackedBgr(192)) << "below: red";
  EXPECT_EQ(colour_of("Воля"), platform::FromPackedBgr(16711680));
}

TEST(CharacterSheetKeys, OpensWithTheInfoKeyAndClosesWithEscape) {
  const SandboxLevel level = testing::PictureLevel({"AAAAA", "AC@CA", "AAAAA"});
  const HeroChoice choice{4, 4, 2, 0};
  testing::ProgramHarness open;
  EXPECT_EQ(open.Keys("@").Run(1, &level, &choice), -1);
  EXPECT_TRUE(open.ScreenHas(CharacterSheet::kTitle));
  EXPECT_TRUE(open.ScreenHas("Гном Варвар"));
  testing::ProgramHarness closed;
  EXPECT_EQ(closed.Keys("@{Esc}").Run(1, &level, &choice), -1);
  EXPECT_FALSE(closed.ScreenHas(CharacterSheet::kTitle));
}

}  // namespace
}  // namespace zaldrun
