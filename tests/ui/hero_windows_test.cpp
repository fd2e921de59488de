// The skills window and the notebook, driven by keys as a player would.
#include <gtest/gtest.h>

#include "engine/skills.hpp"
#include "model/game.hpp"
#include "records/quest_list.hpp"
#include "support/game_fixture.hpp"
#include "support/program_harness.hpp"
#include "ui/notebook_window.hpp"
#include "ui/skills_window.hpp"
#include "world/new_hero.hpp"

namespace zaldrun {
namespace {

namespace keys = platform::keys;
using platform::Key;

// A human warrior in a small room, with a screen for the messages of a new skill level.
class HeroWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUpNewHero(game_, HeroChoice{1, 1, 1, 0}); }
  Hero& hero() { return game_.world.hero; }
  testing::GameFixture fixture_{{"AAAAA", "AC@CA", "AAAAA"}, 3};
  Game& game_ = fixture_.game();
};

TEST_F(HeroWindowsTest, EnterSpendsAPointByTheSkillsGainOneLevelAtATime) {
  hero().skill_points = 2;
  SkillsWindow window(game_);
  const double before = hero().SkillAt(1).value;
  const double gain = SkillGain(game_, 1);
  EXPECT_FALSE(window.HandleKey(Key::Code(keys::kEnter)));
  EXPECT_EQ(hero().skill_points, 1);
  EXPECT_NEAR(hero().SkillAt(1).value, before + gain, 1e-4);

  // 9.99 of a cap of 10 is still below the cap (its whole part is 9); 10 is not.
  Skill& searching = hero().SkillAt(skill::kSearching);
  searching.cap = 10;
  searching.value = 9.99f;
  for (int i = 0; i < 7; ++i) window.HandleKey(Key::Code(keys::kDown));  // 1 → 15
  ASSERT_EQ(window.selected(), skill::kSearching);
  fixture_.Keys("{Space}{Space}");  // the new level is announced
  window.HandleKey(Key::Code(keys::kEnter));
  const auto log = fixture_.LogLines();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "Навык \"" + searching.name + "\" увеличился!");
  EXPECT_EQ(hero().skill_points, 0);
  EXPECT_LE(searching.value, 10.0f) << "never past the cap";
  EXPECT_GT(searching.value, 9.99f);

  hero().skill_points = 3;
  searching.value = 10.0f;
  window.HandleKey(Key::Code(keys::kEnter));
  EXPECT_EQ(hero().skill_points, 3) << "a skill at its cap takes no point";
}

TEST_F(HeroWindowsTest, TheSelectionStaysOnTheGridAndMovesOnlyWhilePointsRemain) {
  SkillsWindow window(game_);
  window.HandleKey(Key::Code(keys::kDown));
  EXPECT_EQ(window.selected(), 1) << "no points: arrows do nothing";
  const double before = hero().SkillAt(1).value;
  window.HandleKey(Key::Code(keys::kEnter));
  EXPECT_EQ(hero().SkillAt(1).value, before);

  hero().skill_points = 1;
  const std::pair<int, int> moves[] = {{keys::kLeft, 1},  {keys::kUp, 1},   {keys::kRight, 2},
                                       {keys::kRight, 2}, {keys::kLeft, 1}, {keys::kDown, 3}};
  for (const auto& [code, expected] : moves) {
    window.HandleKey(Key::Code(code));
    EXPECT_EQ(window.selected(), expected) << code;
  }
  for (int i = 0; i < 12; ++i) window.HandleKey(Key::Code(keys::kDown));
  EXPECT_EQ(window.selected(), 19);
  window.HandleKey(Key::Code(keys::kRight));
  EXPECT_EQ(window.selected(), 19) << "nothing to the right of 19";
  window.HandleKey(Key::Code(keys::kUp));
  window.HandleKey(Key::Code(keys::kRight));
  ASSERT_EQ(window.selected(), 18);
  window.HandleKey(Key::Code(keys::kDown));
  EXPECT_EQ(window.selected(), 18) << "no row under 18";
  EXPECT_TRUE(window.HandleKey(Key::Code(keys::kEscape)));
}

TEST_F(HeroWindowsTest, TheNotebookListsQuestsByTheirState) {
  hero().quests[static_cast<size_t>(kQuestStateIndex[0])] = 5;    // goblins, in progress
  hero().quests[static_cast<size_t>(kQuestStateIndex[3])] = 99;   // Kavi, in progress
  hero().quests[static_cast<size_t>(kQuestStateIndex[6])] = 100;  // the forest riddle, done
  {
    NotebookWindow window(game_);
    ASSERT_EQ(window.lines().size(), 2u);
    EXPECT_EQ(window.lines()[0], "1. Племя гоблинов");
    EXPECT_EQ(window.lines()[1], "4. Пропавший Кави");
    EXPECT_TRUE(window.description().empty());
    window.HandleKey(Key::Code(keys::kEnter));
    EXPECT_EQ(window.description().rfind("На севере от деревни", 0), 0u) << window.description();
    window.HandleKey(Key::Code(keys::kRight));
    ASSERT_EQ(window.lines().size(), 1u) << "a state of 100 is completed, and only that";
    EXPECT_EQ(window.lines()[0], "7. Загадка деланского леса");
    EXPECT_TRUE(window.description().empty());
    window.HandleKey(Key::Code(keys::kRight));
    EXPECT_TRUE(window.lines().empty()) << "no recipes";
    window.HandleKey(Key::Code(keys::kLeft));
    EXPECT_TRUE(window.HandleKey(Key::Code(keys::kEscape)));
  }
  NotebookWindow reopened(game_);
  EXPECT_EQ(game_.view.notebook_tab, 1) << "the page last shown";
  EXPECT_EQ(reopened.lines().size(), 1u);
}

TEST(HeroWindows, OpenFromTheirKeysAndCloseWithEscape) {
  testing::ProgramHarness program;
  const SandboxLevel level = testing::PictureLevel({"AAAAA", "AC@CA", "AAAAA"});
  const HeroChoice choice{2, 3, 1, 2};
  EXPECT_EQ(program.Keys("A").Run(1, &level, &choice), -1);
  EXPECT_TRUE(program.ScreenHas(SkillsWindow::kTitle));
  EXPECT_TRUE(program.ScreenHas("Осталось очков для распределения: 0"));
  EXPECT_TRUE(program.ScreenHas(program.game().world.hero.SkillAt(1).name));

  testing::ProgramHarness notes;
  EXPECT_EQ(notes.Keys("A{Esc}N").Run(1, &level, &choice), -1);
  EXPECT_FALSE(notes.ScreenHas(SkillsWindow::kTitle));
  EXPECT_TRUE(notes.ScreenHas(NotebookWindow::kTitle));
  EXPECT_TRUE(notes.ScreenHas("Полученные Задания"));
}

}  // namespace
}  // namespace zaldrun
