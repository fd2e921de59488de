// The quest givers: each quest's stages move forward only, and the rewards come once.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>

#include "base/byte_record.hpp"
#include "engine/dispatch.hpp"
#include "items/equipment.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "model/world_ops.hpp"
#include "quests/talk.hpp"
#include "records/item_type_table.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

// The hero stands at (1, 1); whoever he talks to, at (2, 1).
std::vector<std::string> Yard() { return {"CCCC", "C@CC", "CCCC"}; }
constexpr int kX = 2;
constexpr int kY = 1;

// Passes every " <ещё>" before an answer; the answer box trims the spaces it does not need.
const std::string kMore(40, ' ');

// Runs a talk or scene with the keys of `script`; the keys it leaves are thrown away.
void Play(GameFixture& f, const std::string& script, const std::function<void(Game&)>& action) {
  EXPECT_TRUE(f.Keys(script).Act(action)) << "it did not end before the keys ran out";
  while (f.frontend().pending_keys() > 0) f.frontend().NextKey();
}

// Talks to the creature in `slot` with the answers typed in turn, then "пока": the handler its
// type names answers, as the chat command calls it, but no time passes, so nobody walks away.
void TalkWith(GameFixture& f, int slot, std::initializer_list<std::string_view> answers = {}) {
  std::string script;
  for (std::string_view answer : answers) script += kMore + std::string(answer) + "{Enter}";
  Play(f, script + kMore + "пока{Enter}" + kMore, [slot](Game& g) {
    const int type = g.world.level.Monster(slot).type;
    const auto* entry =
        TalkRegistry().Find(TrimRight(g.data.monsters.records[static_cast<size_t>(type)].talk));
    ASSERT_TRUE(entry != nullptr && entry->fn != nullptr);
    entry->fn(g, slot);
  });
}

bool Logged(const GameFixture& f, std::string_view line) {
  const auto log = f.LogLines();
  return std::find(log.begin(), log.end(), line) != log.end();
}

int16_t& Quest(GameFixture& f, int index) { return f.game().world.hero.quests[index]; }

// Rises with every point of experience gained.
int64_t Progress(const Game& game) {
  return int64_t{game.world.hero.level} * 1'000'000'000 - game.world.hero.experience_to_next;
}

int PackStacks(const Game& game) {
  int stacks = 0;
  for (const auto& group : game.world.piles[0].groups) stacks += static_cast<int>(group.size());
  return stacks;
}

ItemRecord Made(Game& game, int type) {
  ItemRequest request;
  request.type = type;
  request.count = 1;
  request.blessing = blessing::kUncursed;
  request.identified = 1;
  return MakeItem(game, request).value();
}

TEST(QuestGiversTest, TheElderPaysForTheGoblinsOnceTheChiefIsDeadOrTheyLeft) {
  struct Case {
    const char* name;
    int chief_kills;
    int witch;
    int16_t goblins_after;
    int least_money;
    int most_money;
  };
  constexpr Case kCases[] = {
      {"chief killed, goblins never asked", 1, 0, 100, 520, 599},
      {"the curse lifted, the goblins gone", 0, 100, 100, 160, 224},
      {"neither", 0, 1, 2, 0, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    GameFixture f(Yard());
    Game& game = f.game();
    const int npc = f.AddMonster(33, kX, kY, true);
    TalkWith(f, npc);
    EXPECT_TRUE(Logged(f, "Браннус удивленно смотрит на тебя."));
    EXPECT_EQ(Quest(f, 1), 1);
    TalkWith(f, npc, {"задание"});
    EXPECT_EQ(Quest(f, 1), 2);

    game.world.kill_counts[41] = c.chief_kills;
    Quest(f, 7) = static_cast<int16_t>(c.witch);
    const int64_t progress = Progress(game);
    const int stacks = PackStacks(game);
    TalkWith(f, npc, {"задание"});
    EXPECT_EQ(Quest(f, 1), c.goblins_after);
    EXPECT_GE(game.world.hero.money, c.least_money);
    EXPECT_LE(game.world.hero.money, c.most_money);
    const bool paid = c.goblins_after == 100;
    EXPECT_EQ(Progress(game) > progress, paid);
    EXPECT_EQ(PackStacks(game), stacks + (paid ? 1 : 0)) << "the random reward item";
    // Asking again pays nothing more.
    const int32_t money = game.world.hero.money;
    TalkWith(f, npc, {"задание"});
    EXPECT_EQ(game.world.hero.money, money);
  }
}

TEST(QuestGiversTest, TheElderSendsAfterKaviThenToTheSwamp) {
  GameFixture f(Yard());
  Game& game = f.game();
  const int npc = f.AddMonster(33, kX, kY, true);
  Quest(f, 1) = 100;
  TalkWith(f, npc, {"задание"});
  EXPECT_EQ(Quest(f, 8), 1);
  EXPECT_EQ(Quest(f, 11), 0) << "one task at a time";
  TalkWith(f, npc, {"задание"});
  EXPECT_TRUE(Logged(f, "Браннус говорит: \"Кави всё ещё не вернулся.\""));
  // The news of Кави's death: that quest ends and the swamp follows at once.
  Quest(f, 8) = 2;
  TalkWith(f, npc, {"задание"});
  EXPECT_EQ(Quest(f, 8), 100);
  EXPECT_EQ(Quest(f, 11), 1);
  Quest(f, 11) = 2;
  TalkWith(f, npc, {"задание"});
  EXPECT_EQ(Quest(f, 11), 100);
  EXPECT_GE(game.world.hero.money, 129);
  EXPECT_LE(game.world.hero.money, 223);
  TalkWith(f, npc, {"Тазар", "что-то", "задание"});
  EXPECT_TRUE(Logged(f, "Браннус говорит: \"Ээээ... Чего?\""));
  EXPECT_TRUE(Logged(f, "Браннус говорит: \"Больше мне нечего тебе предложить.\""));
  EXPECT_EQ(Quest(f, 11), 100);
}

TEST(QuestGiversTest, TheHunterPaysWhenAllFourLevelsAreClear) {
  GameFixture f(Yard());
  Game& game = f.game();
  const int npc = f.AddMonster(32, kX, kY, true);
  TalkWith(f, npc);
  EXPECT_EQ(Quest(f, 2), 1);
  Quest(f, 3) = Quest(f, 4) = Quest(f, 5) = 1;
  TalkWith(f, npc);
  EXPECT_EQ(Quest(f, 2), 1) << "the fourth level still swarms";
  EXPECT_EQ(game.world.hero.money, 0);
  Quest(f, 6) = 1;
  TalkWith(f, npc);
  EXPECT_EQ(Quest(f, 2), 100);
  EXPECT_GE(game.world.hero.money, 300);
  EXPECT_LE(game.world.hero.money, 399);
  // Afterwards he only thanks, and sends the hero with the tablet on to Дарон.
  ASSERT_TRUE(TakeIntoPack(game, Made(game, item_type::kStoneTablet)));
  const int32_t money = game.world.hero.money;
  TalkWith(f, npc);
  EXPECT_EQ(game.world.hero.money, money);
  EXPECT_TRUE(Logged(f,
                     "Каргуд говорит: \"А эту табличку я впревые в жизни вижу и прочитать не могу. "
                     "Попроси лучше Дарона.\""));
}

TEST(QuestGiversTest, TheGoblinChiefGivesHisClubWhenTheWitchIsDead) {
  GameFixture f(Yard());
  Game& game = f.game();
  const int npc = f.AddMonster(41, kX, kY, true);
  TalkWith(f, npc);
  EXPECT_EQ(Quest(f, 7), 1);
  TalkWith(f, npc);
  EXPECT_EQ(Quest(f, 7), 1);
  Quest(f, 7) = 2;
  TalkWith(f, npc);
  EXPECT_EQ(Quest(f, 7), 100);
  const int on_cell = game.world.level.Cell(1, 1).item;
  ASSERT_GT(on_cell, kLooseItemBase) << "the gift lies on the hero's cell";
  EXPECT_EQ(game.world.level.loose_items[static_cast<size_t>(on_cell - kLooseItemBase)].type,
            item_type::kGoblinGift);
  // An angry chief only threatens, and his quest stays where it is.
  game.world.level.Monster(npc).peaceful = 0;
  TalkWith(f, npc);
  EXPECT_NE(f.LogLines().back().find("Вождь гоблинов кричит: "), std::string::npos);
  EXPECT_EQ(Quest(f, 7), 100);
}

TEST(QuestGiversTest, TheLandlordTakesTheBraceletFromThePackOrTheWrist) {
  for (const bool worn : {false, true}) {
    SCOPED_TRACE(worn ? "worn" : "in the pack");
    GameFixture f(Yard());
    Game& game = f.game();
    const int npc = f.AddMonster(66, kX, kY, true);
    TalkWith(f, npc);
    EXPECT_EQ(Quest(f, 10), 1);
    // Without the bracelet nothing changes, however often he is asked.
    TalkWith(f, npc);
    TalkWith(f, npc);
    EXPECT_EQ(Quest(f, 10), 1);
    EXPECT_EQ(game.world.hero.money, 0);
    EXPECT_TRUE(Logged(f, "Кычкыдум говорит: \"Где браслет?! ГДЕ?!? ПШЁЛ!!!!\""));

    const auto worn_figures = game.world.hero.attributes.equipment;
    if (worn) {
      ASSERT_TRUE(PutIntoSlot(game, equipment_slot::kBracelet, Made(game, item_type::kBracelet)));
      ASSERT_NE(game.world.hero.attributes.equipment, worn_figures);
    } else {
      ASSERT_TRUE(TakeIntoPack(game, Made(game, item_type::kBracelet)));
    }
    TalkWith(f, npc);
    EXPECT_EQ(Quest(f, 10), 100);
    EXPECT_EQ(game.world.hero.money, 5000);
    EXPECT_EQ(FindCarried(game, item_type::kBracelet), 0);
    EXPECT_EQ(game.world.hero.attributes.equipment, worn_figures) << "its charm goes with it";
    TalkWith(f, npc);
    EXPECT_EQ(game.world.hero.money, 5000);
  }
}

TEST(QuestGiversTest, OldChupakabraRisesAsTheGhostOnce) {
  GameFixture f(Yard());
  Game& game = f.game();
  const int npc = f.AddMonster(28, kX, kY, true);
  const int rat = f.AddMonster(1, 3, 1, true);
  ASSERT_EQ(rat, 2);
  // He tells of the treasure sooner or later, and only once.
  for (int talk = 0; talk < 40 && Quest(f, 0) == 0; ++talk) TalkWith(f, npc);
  EXPECT_EQ(Quest(f, 0), 1);
  EXPECT_TRUE(Logged(f, "Чупакабра говорит: \"Но тебе никогда не найти сокровища Чазора!\""));

  Quest(f, 0) = 2;
  TalkWith(f, npc);
  EXPECT_EQ(Quest(f, 0), 3);
  const Level& level = game.world.level;
  ASSERT_EQ(level.monster_count, 2);
  EXPECT_EQ(level.Monster(1).type, 1) << "the rat moved down a slot";
  ASSERT_EQ(level.Cell(kX, kY).monster, 2);
  const MonsterRecord& ghost = level.Monster(2);
  EXPECT_EQ(ghost.type, 29);
  EXPECT_EQ(ghost.peaceful, 0);
  EXPECT_EQ(ghost.state, -1) << "awake";
  // The ghost only hisses; nothing rises again.
  TalkWith(f, 2);
  EXPECT_EQ(f.LogLines().back(), "Чазор шипит: \"Ты РаЗоЗлИл МеНя, СмЕрТнЫй! УмРи!!!\"");
  EXPECT_EQ(level.monster_count, 2);
  EXPECT_EQ(Quest(f, 0), 3);
}

TEST(QuestGiversTest, TheTravellerTellsOfTheTombOnceKaviIsMissing) {
  GameFixture f(Yard());
  const int npc = f.AddMonster(63, kX, kY, true);
  TalkWith(f, npc);
  EXPECT_TRUE(Logged(f,
                     "Корнавин говорит: \"Поэтому, если тебе будет нужен совет, обращайся ко "
                     "мне.\""));
  TalkWith(f, npc, {"гробница"});
  EXPECT_TRUE(Logged(f, "Корнавин говорит: \"Снова привет! Тебе что-то нужно?\""));
  EXPECT_EQ(Quest(f, 9), 0) << "nothing to tell before the elder asks about Кави";
  Quest(f, 8) = 1;
  TalkWith(f, npc, {"Кави", "гробница"});
  EXPECT_TRUE(Logged(f, "Корнавин говорит: \"И этот дурак согласился!\""));
  EXPECT_EQ(Quest(f, 9), 1);
}

class ArakSceneTest : public ::testing::Test {
 protected:
  // The scene's slot comes after another event, as the level generator leaves it.
  void SetUp() override {
    ASSERT_TRUE(AddEvent(game(), "Regen", 240, 1));
    ASSERT_TRUE(AddEvent(game(), "ArakTalk", 4, 1));
    game().control.current_slot = 2;
  }
  void Run(const std::string& script) {
    Play(f_, script, [](Game& g) { CallEventHandler(g, "ArakTalk"); });
  }
  void ExpectWatching() {
    EXPECT_EQ(game().world.event_count, 2);
    EXPECT_EQ(game().world.events[2].name, "CheckAra");
    EXPECT_EQ(game().world.events[2].countdown, 4);
    EXPECT_EQ(game().world.events[2].parameter, 1);
  }
  Game& game() { return f_.game(); }
  GameFixture f_{Yard()};
};

TEST_F(ArakSceneTest, TheMageTurnsOnTheHeroAndTheSlotWatchesForHisDeath) {
  const int mage = f_.AddMonster(81, kX, kY, true);
  Run(kMore + "Кто ты?{Enter}" + kMore + "Кшадаарг{Enter}" + kMore + "Умри!{Enter}" + kMore);
  EXPECT_TRUE(Logged(f_, "Аракус говорит: \"Кшадаарг - один их них!\""));
  EXPECT_EQ(f_.LogLines().back(),
            "Аракус кричит: \"Ты, грязный червяк, не сможешь остановить меня!\"");
  EXPECT_EQ(game().world.level.Monster(mage).peaceful, 0);
  ExpectWatching();
}

TEST_F(ArakSceneTest, EnterAloneCannotKeepTheSceneGoingAndNoMageIsNoCrash) {
  const int mage = f_.AddMonster(81, kX, kY, true);
  // Any key passes "<ещё>", so Enter alone answers with the first topic again and again.
  game().session.settings.fast_more = 1;
  std::string enters;
  for (int i = 0; i < 80; ++i) enters += "{Enter}";
  Run(enters);
  EXPECT_EQ(game().world.level.Monster(mage).peaceful, 0);
  ExpectWatching();

  game().world.events[2].name = "ArakTalk";
  game().world.level.Monster(mage).type = 1;
  Run("");
  ExpectWatching();
}

}  // namespace
}  // namespace zaldrun
