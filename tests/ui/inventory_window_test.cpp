// The inventory window through the headless front end: categories, scrolling and choosing with
// the keys and the mouse, the equipment list with the starting weapon, equipping and taking off,
// dropping part of a stack after "Сколько?", and picking up from a heap. What is left of a chest
// or a heap when the window closes is LeaveSingleStack's (item_operations_test).
#include "ui/inventory_window.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "items/item_game.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "support/game_fixture.hpp"
#include "records/hero_tables.hpp"
#include "support/screen_cells.hpp"
#include "world/new_hero.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;
using testing::Item;

const std::vector<std::string> kRoom = {"AAAAAAA", "ACCCCCA", "ACC@CCA", "ACCCCCA", "AAAAAAA"};
constexpr int kHeroX = 3;
constexpr int kHeroY = 2;

constexpr int kDagger = 5;
constexpr int kShortSword = 57;
constexpr int kHealingPotion = 30;
constexpr int kBread = 28;
constexpr int kHelmet = 24;

// One step of a script: keys typed, or a click on the cell where a text was shown.
struct Step {
  std::string keys;
  std::string click;
};
Step Keys(std::string keys) { return Step{std::move(keys), {}}; }
Step ClickOn(std::string text) { return Step{{}, std::move(text)}; }

// Each run is a fresh game with the same setup, played with a script from the start; the window
// closes when the keys run out, so a screen in the middle of a script is seen by playing the
// script up to there.
class InventoryWindowTest : public ::testing::Test {
 protected:
  using Setup = std::function<void(Game&)>;

  void SetUpGame(Setup setup) { setup_ = std::move(setup); }

  GameFixture& Play(const std::vector<Step>& steps) {
    std::vector<std::pair<int, int>> cells;
    for (size_t i = 0; i < steps.size(); ++i) {
      if (steps[i].click.empty()) continue;
      Start(steps, i, cells);
      const auto cell = testing::CellOf(fixture_->frontend(), steps[i].click);
      EXPECT_TRUE(cell) << steps[i].click;
      cells.push_back(cell.value_or(std::pair{-1, -1}));
    }
    Start(steps, steps.size(), cells);
    return *fixture_;
  }
  GameFixture& Play(std::string_view keys) { return Play({Keys(std::string(keys))}); }

  Game& game() { return fixture_->game(); }
  PileRecord& pack() { return game().world.piles[0]; }
  // What the screen showed last (the window included, while it waited for a key).
  std::string Shown() { return fixture_->frontend().ScreenText(); }
  bool ShownHas(std::string_view text) { return Shown().find(text) != std::string::npos; }
  // The screen as it is now, drawn again.
  std::string Redrawn() { return fixture_->ScreenText(); }
  // The screen row holding `text`.
  std::string RowWith(std::string_view text) {
    const std::string screen = Shown();
    const size_t at = screen.find(text);
    if (at == std::string::npos) return {};
    const size_t start = screen.rfind('\n', at) + 1;
    return screen.substr(start, screen.find('\n', at) - start);
  }

 private:
  void Start(const std::vector<Step>& steps, size_t count,
             const std::vector<std::pair<int, int>>& cells) {
    fixture_ = std::make_unique<GameFixture>(kRoom);
    if (setup_) setup_(fixture_->game());
    size_t click = 0;
    for (size_t i = 0; i < count; ++i) {
      if (steps[i].click.empty()) {
        fixture_->Keys(steps[i].keys);
      } else {
        fixture_->frontend().PushClick(cells[click].first, cells[click].second);
        ++click;
      }
    }
    fixture_->PlayKeys();
  }

  Setup setup_;
  std::unique_ptr<GameFixture> fixture_;
};

void Give(Game& game, int type, int count = 1) {
  ASSERT_TRUE(TakeIntoPack(game, Item(type, count)));
}

TEST_F(InventoryWindowTest, CategoriesAndPlacesWithTheKeys) {
  SetUpGame([](Game& g) {
    Give(g, kDagger);
    Give(g, kShortSword);
    Give(g, kHealingPotion, 2);
    Give(g, kBread, 3);
  });
  Play("I");
  EXPECT_TRUE(ShownHas(" Оружие ")) << "the first category with stacks";
  EXPECT_NE(RowWith("Кинжал").find("►"), std::string::npos) << "the first place is chosen";
  Play("I{Down}");
  EXPECT_EQ(game().control.inventory.place, 2);
  EXPECT_NE(RowWith("Короткий Меч").find("►"), std::string::npos);
  Play("I{Down}{Down}");
  EXPECT_EQ(game().control.inventory.place, 2) << "the list ends there";
  Play("I{Right}");
  EXPECT_TRUE(ShownHas("─ Зелья ─")) << "empty categories are skipped";
  EXPECT_TRUE(ShownHas("2 Зелья Лечения"));
  Play("I{Right}{Right}");
  EXPECT_TRUE(ShownHas("─ Еда ─"));
  Play("I{Right}{Right}{Right}");
  EXPECT_TRUE(ShownHas("─ Еда ─")) << "no category with stacks after it";
  Play("I{Right}{Right}{Left}");
  EXPECT_TRUE(ShownHas("─ Зелья ─"));
  Play("I{Right}0");
  EXPECT_TRUE(ShownHas("─ Оружие ─")) << "a digit picks its category";
  EXPECT_TRUE(ShownHas("5s (0.25 кг)")) << "the chosen dagger's weight";
  Play("I{Esc}");
  EXPECT_EQ(Redrawn().find("─ Оружие ─"), std::string::npos) << "closed";
  EXPECT_EQ(pack().count, 4) << "looking changes nothing";
  EXPECT_FALSE(game().control.inventory.open_requested);
  EXPECT_EQ(game().control.pending_operation, PendingOperation::kNone);
}

TEST_F(InventoryWindowTest, TheListScrollsByPages) {
  SetUpGame([](Game& g) {
    for (int i = 0; i < 30; ++i) {
      ItemRecord dagger = Item(kDagger);
      dagger.bonus1 = static_cast<int16_t>(i);  // thirty different stacks
      ASSERT_TRUE(TakeIntoPack(g, dagger));
    }
  });
  Play("I");
  EXPECT_TRUE(ShownHas("▼")) << "more below";
  Play("I{PgDn}");
  EXPECT_EQ(game().control.inventory.place, 21);
  EXPECT_EQ(game().control.inventory.first_place, 11) << "the last page is a full one";
  EXPECT_TRUE(ShownHas("▲"));
  Play("I{End}");
  EXPECT_EQ(game().control.inventory.place, 30);
  EXPECT_EQ(game().control.inventory.first_place, 11);
  Play("I{End}{Home}");
  EXPECT_EQ(game().control.inventory.place, 1);
  EXPECT_EQ(game().control.inventory.first_place, 1);
}

TEST_F(InventoryWindowTest, TheEquipmentListShowsTheStartingWeaponInTheRightHand) {
  SetUpGame([](Game& g) { SetUpNewHero(g, HeroChoice{1, 1, 1, 0}); });  // warrior, long blades
  Play("i");
  EXPECT_TRUE(ShownHas("─ Экипировка ─"));
  EXPECT_NE(RowWith("Правая Рука:").find("железный Широкий меч"), std::string::npos)
      << RowWith("Правая Рука:");
  EXPECT_NE(RowWith("Левая рука:").find("Малый Щит"), std::string::npos);
  EXPECT_NE(RowWith("Дальний Бой:").find("--"), std::string::npos) << "an empty slot";
  Play("i{Down}{Down}{Down}{Down}{Down}");
  EXPECT_TRUE(ShownHas("Класс: Длинные Клинки")) << "the description";
  EXPECT_TRUE(ShownHas("В бою: урон")) << "the hand's figures";
}

TEST_F(InventoryWindowTest, AnEmptySlotOffersThePackAndTheChoiceIsWorn) {
  SetUpGame([](Game& g) {
    Give(g, kDagger);
    Give(g, kHelmet);
  });
  const std::string to_right_hand = "i{Down}{Down}{Down}{Down}{Down}{Enter}";
  Play(to_right_hand);
  EXPECT_TRUE(ShownHas("─ Оружие ─")) << "the pack's weapons";
  EXPECT_EQ(game().control.pending_operation, PendingOperation::kWield);
  Play(to_right_hand + "{Enter}");
  EXPECT_EQ(game().world.hero.equipment[6].type, kDagger);
  EXPECT_TRUE(ShownHas("─ Экипировка ─")) << "back on the equipment list";
  EXPECT_NE(RowWith("Правая Рука:").find("Кинжал"), std::string::npos);

  Play(to_right_hand + "{Enter}{Enter}");
  EXPECT_EQ(game().world.hero.equipment[6].count, 0) << "Enter on the worn dagger takes it off";
  EXPECT_EQ(pack().GroupCount(0), 1);
  EXPECT_NE(RowWith("Правая Рука:").find("--"), std::string::npos);

  Play("i{Down}{Enter}");
  EXPECT_EQ(game().view.message_line, " Украшений нету") << "nothing in the pack for the neck";
}

TEST_F(InventoryWindowTest, DroppingPartOfAStackAsksHowMany) {
  SetUpGame([](Game& g) { Give(g, kBread, 5); });
  Play("d{Enter}");
  EXPECT_NE(game().view.message_line.find("Сколько?"), std::string::npos);
  Play("d{Enter}2");  // the typing shows right after the question
  EXPECT_NE(RowWith("Сколько?").find(" Сколько? 2_"), std::string::npos) << Shown();
  // The answers themselves are ParseAmount's (item_operations_test); one outside the stack here.
  Play("d{Enter}6{Enter}");
  EXPECT_EQ(pack().groups[8].at(0).count, 5);
  EXPECT_EQ(game().world.level.Cell(kHeroX, kHeroY).item, 0);
  Play("d{Enter}2{Enter}");
  EXPECT_EQ(pack().groups[8].at(0).count, 3);
  const int reference = game().world.level.Cell(kHeroX, kHeroY).item;
  ASSERT_GT(reference, kLooseItemBase);
  EXPECT_EQ(game().world.level.loose_items[static_cast<size_t>(reference - kLooseItemBase)].count,
            2);
}

TEST_F(InventoryWindowTest, TheLongestCategoryShowsItsWholeCount) {
  SetUpGame([](Game& g) {
    for (int i = 0; i < 100; ++i) {
      ItemRecord scroll = Item(testing::test_type::kScroll);
      scroll.bonus1 = static_cast<int16_t>(i);  // a hundred stacks that never merge
      ASSERT_TRUE(TakeIntoPack(g, scroll));
    }
  });
  Play("I");
  EXPECT_TRUE(ShownHas("5 Магические Свитки (100)")) << Shown();
}

TEST_F(InventoryWindowTest, AWindowOpenedToChooseAnItemSaysWhatItAsks) {
  constexpr int kIdentify = 49;
  struct Case {
    const char* keys;
    bool scroll_known;
    const char* question;
  };
  const Case cases[] = {{"r{Enter}", false, "К какому предмету применить свиток?"},
                        {"r{Enter}", true, "Что опознать?"},
                        {"!", false, "Что окунуть?"},
                        {"!{Enter}", false, "Во что окунуть?"}};
  for (const Case& c : cases) {
    SetUpGame([&c](Game& g) {
      g.world.hero.SkillAt(skill::kLiteracy).value = 5;
      ItemRecord scroll = Item(kIdentify);
      scroll.identified = c.scroll_known ? 1 : 0;
      g.world.item_types[kIdentify].knowledge = c.scroll_known ? 1 : 0;
      Give(g, kDagger);
      Give(g, kHealingPotion);
      ASSERT_TRUE(TakeIntoPack(g, scroll));
    });
    Play(c.keys);
    EXPECT_NE(RowWith("┌").find(std::string(" ") + c.question + " "), std::string::npos)
        << c.keys << "\n" << Shown();
  }
}

TEST_F(InventoryWindowTest, PickingUpFromAHeapAndLeavingTheLastStackOnTheFloor) {
  SetUpGame([](Game& g) {
    ASSERT_TRUE(PlaceItem(g, kHeroX, kHeroY, Item(kDagger), false));
    ASSERT_TRUE(PlaceItem(g, kHeroX, kHeroY, Item(kHelmet), false));
    ASSERT_TRUE(PlaceItem(g, kHeroX, kHeroY, Item(kBread, 2), false));
  });
  Play(",");
  EXPECT_TRUE(ShownHas("На полу"));
  EXPECT_TRUE(ShownHas("Enter — поднять"));
  Play(",{Enter}");
  EXPECT_EQ(pack().GroupCount(0), 1) << "the dagger";
  EXPECT_TRUE(ShownHas("─ Доспехи ─")) << "the window stays on the heap";
  const int heap = game().world.level.Cell(kHeroX, kHeroY).item;
  Play(",{Enter}{Enter}{Esc}");
  EXPECT_EQ(game().world.piles[static_cast<size_t>(heap)].count, 0) << "no heap of one stack";
  const int reference = game().world.level.Cell(kHeroX, kHeroY).item;
  ASSERT_GT(reference, kLooseItemBase);
  EXPECT_EQ(game().world.level.loose_items[static_cast<size_t>(reference - kLooseItemBase)].type,
            kBread);
}

TEST_F(InventoryWindowTest, TheMouseChoosesCategoriesRowsAndButtons) {
  SetUpGame([](Game& g) {
    Give(g, kDagger);
    Give(g, kShortSword);
    Give(g, kHealingPotion);
  });
  Play({Keys("d"), ClickOn("4 Зелья")});
  EXPECT_EQ(game().control.inventory.category, 4);
  Play({Keys("d"), ClickOn("Короткий Меч")});
  EXPECT_EQ(game().control.inventory.place, 2) << "the first click chooses the row";
  EXPECT_EQ(pack().GroupCount(0), 2);
  Play({Keys("d"), ClickOn("Короткий Меч"), ClickOn("Короткий Меч")});
  EXPECT_EQ(pack().GroupCount(0), 1) << "a click on the chosen row drops it";
  EXPECT_EQ(pack().groups[0].at(0).type, kDagger);

  Play({Keys("I"), ClickOn("[ Экипировка ]")});
  EXPECT_TRUE(ShownHas("─ Экипировка ─"));
  Play({Keys("I"), ClickOn("[ Экипировка ]"), ClickOn("[ Закрыть ]")});
  EXPECT_EQ(Redrawn().find("─ Экипировка ─"), std::string::npos);
}

}  // namespace
}  // namespace zaldrun
