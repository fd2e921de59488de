// Food and herbs: their messages by blessing, nausea and the slow attribute changes they schedule,
// the healing leaf by herbology, and the holy ear.
#include <gtest/gtest.h>

#include "model/world_ops.hpp"
#include "use_game.hpp"

namespace zaldrun {
namespace {

using testing::ItemWith;
using testing::Said;
using testing::UseAs;
using testing::UseGame;

TEST(FoodEffects, MessagesAndWhatTheyLeaveBehind) {
  struct Case {
    const char* handler;
    uint8_t blessing;
    const char* message;
    const char* event;  // scheduled, or nullptr for none
  };
  const Case cases[] = {
      {"eApple", 1, "Яблоко было очень сочным и вкусным.", nullptr},
      {"eApple", 3, "Это яблоко червивое!", nullptr},
      {"eTail", 0, "Редкостная дрянь!", nullptr},
      {"eTail", 2, "Невкусно, но есть можно.", nullptr},
      {"eMagApple", 2, "Ты чувствуешь себя хорошо отдохнувшим.", nullptr},
      {"eMagApple", 0, "Ты почувствовал внезапную усталость.", nullptr},
      {"eBread", 1, "Ты съел буханку хлеба.", nullptr},
      {"eBread", 0, "Тебя чуть не вырвало от заплесневелого хлеба.", "Rvota"},
      {"eMelon", 0, "От гнилой арбудыни вяжет во рту.", nullptr},
      {"eBone", 1, "Хрустит!", nullptr},
      {"eMeat", 0, "Тебе стало плохо от протухшего мяса.", "Rvota"},
      {"eMeatFr", 1, "Очень вкусно и питательно!", nullptr},
      {"hSeld", 0, "Этот сельдерей действительно гнилой! От него вяжет во рту.", "Rvota"},
      {"hMoh", 1, "Ты прожевал клочок мха. Во рту остался кисловатый привкус.", "RaiseAtr"},
      {"hGob", 0, "Ты проглотил гоблинскую траву. На вкус она оказалась очень горькой.",
       "DrainAtr"},
      {"hGob", 2, "Ты проглотил гоблинскую траву. На вкус она оказалась сладковатой.", "RaiseAtr"},
      {"hCarrot", 1, "Вкусная хрустящая морковка.", "RaiseAtr"},
      {"hOrc", 1, "Ты проглотил колючку. Она успела немного поцарапать горло.", "RaiseAtr"},
      {"hDarkB", 0, "Ты проглотил чернику. Невероятно кисло!", nullptr},
      {"hDarkB", 1, "Ничего не происходит.", nullptr},
  };
  for (const Case& c : cases) {
    UseGame u;
    UseAs(u.game(), ItemWith(u.game(), c.handler, c.blessing));
    EXPECT_TRUE(Said(u.game(), c.message)) << c.handler << " " << int(c.blessing);
    EXPECT_EQ(FindEvent(u.game(), c.event != nullptr ? c.event : "Rvota") > 0, c.event != nullptr)
        << c.handler << " " << int(c.blessing);
  }
}

TEST(FoodEffects, HerbsWorkOnPoisonHealthAndSight) {
  UseGame u;
  Game& game = u.game();
  u.hero().hp = u.hero().max_hp = 100;
  u.hero().poison = 40;
  UseAs(game, ItemWith(game, "hHellRoot", 1));
  EXPECT_TRUE(Said(game, "Когда боль прошла, вместе с ней исчезло и отравление!"));
  EXPECT_EQ(u.hero().poison, 0);
  EXPECT_LT(u.hero().hp, 100);

  u.hero().hp = 10;
  u.hero().SkillAt(skill::kHerbology).value = 0;
  UseAs(game, ItemWith(game, "hLeaf", 0));
  EXPECT_GE(u.hero().hp, 10 + 2);  // halved: 2..4 below herbology 2
  EXPECT_LE(u.hero().hp, 10 + 4);

  game.view.labels.Set(Condition::kBlind, true);
  UseAs(game, ItemWith(game, "hCarrot", 1));
  EXPECT_TRUE(Said(game, "Твоё зрение немного восстанавливается!"));
  EXPECT_FALSE(game.view.labels.Has(Condition::kBlind));
  const int slot = FindEvent(game, "RaiseAtr");
  EXPECT_EQ(game.world.events[static_cast<size_t>(slot)].parameter, attribute::kPerception + 10);
}

TEST(FoodEffects, TheHolyEarKills) {
  UseGame u;
  UseAs(u.game(), ItemWith(u.game(), "eUho", 1));
  EXPECT_TRUE(Said(u.game(), "На тебя падает метеорит."));
  EXPECT_TRUE(u.game().GameOver());
  EXPECT_EQ(u.game().control.end_reason, 4);
}

}  // namespace
}  // namespace zaldrun
