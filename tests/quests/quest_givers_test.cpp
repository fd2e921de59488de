// The quest givers: each quest's stages move forward only, and the rewards come once.
#include <gtest/gtest.h>

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

TEST(QuestGiversTest, TheElderPaysWhenTheChiefIsKilledAndNotBeforeTheGoblinsAreGone) {
  for (const bool chief_killed : {true, false}) {
    SCOPED_TRACE(chief_killed ? "the chief killed" : "the goblins still here");
    GameFixture f(Yard());
    Game& game = f.game();
    const int npc = f.AddMonster(33, kX, kY, true);
    TalkWith(f, npc);
    TalkWith(f, npc, {"задание"});
    ASSERT_EQ(Quest(f, 1), 2);
    game.world.kill_counts[41] = chief_killed ? 1 : 0;
    Quest(f, 7) = 1;
    const int64_t progress = Progress(game);
    const int stacks = PackStacks(game);
    TalkWith(f, npc, {"задание"});
    EXPECT_EQ(Quest(f, 1), chief_killed ? 100 : 2);
    EXPECT_GE(game.world.hero.money, chief_killed ? 520 : 0);
    EXPECT_LE(game.world.hero.money, chief_killed ? 599 : 0);
    EXPECT_EQ(Progress(game) > progress, chief_killed);
    EXPECT_EQ(PackStacks(game), stacks + (chief_killed ? 1 : 0)) << "the random reward item";
    const int32_t money = game.world.hero.money;
    TalkWith(f, npc, {"задание"});
    EXPECT_EQ(game.world.hero.money, money) << "paid once";
  }
}

// Whoever is asked again once his quest is done pays nothing more, takes nothing and keeps it done;
// the angry goblin chief only threatens.
TEST(QuestGiversTest, ADoneQuestNeverMovesBackAndPaysOnce) {
  struct Case {
    int type;
    int quest;
    bool angry;
    const char* heard;
  };
  constexpr Case kCases[] = {
      {33, 11, false, "Браннус говорит: \"Больше мне нечего тебе предложить.\""},
      {32, 2, false, "прочитать не могу. Попроси лучше Дарона."},
      {41, 7, true, "Вождь гоблинов кричит: "},
      {66, 10, false, "Кычкыдум говорит: \"Чего тебе опять!? ПШЁЛ!!!!\""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.heard);
    GameFixture f(Yard());
    Game& game = f.game();
    for (int quest : {1, 2, 7, 8, 10, 11}) Quest(f, quest) = 100;
    ASSERT_TRUE(TakeIntoPack(game, Made(game, item_type::kStoneTablet)));
    ASSERT_TRUE(TakeIntoPack(game, Made(game, item_type::kBracelet)));
    const int npc = f.AddMonster(c.type, kX, kY, !c.angry);
    TalkWith(f, npc, {"задание"});
    EXPECT_EQ(Quest(f, c.quest), 100);
    EXPECT_EQ(game.world.hero.money, 0);
    EXPECT_NE(FindCarried(game, item_type::kBracelet), 0);
    EXPECT_TRUE(f.LogHas(c.heard));
  }
}

TEST(QuestGiversTest, TheHunterWaitsForAllFourLevels) {
  GameFixture f(Yard());
  const int npc = f.AddMonster(32, kX, kY, true);
  TalkWith(f, npc);
  Quest(f, 3) = Quest(f, 4) = Quest(f, 5) = 1;
  TalkWith(f, npc);
  EXPECT_EQ(Quest(f, 2), 1) << "the fourth level still swarms";
  EXPECT_EQ(f.game().world.hero.money, 0);
}

TEST(QuestGiversTest, TheLandlordTakesTheBraceletFromTheWristWithItsCharm) {
  GameFixture f(Yard());
  Game& game = f.game();
  const int npc = f.AddMonster(66, kX, kY, true);
  TalkWith(f, npc);
  const auto bare = game.world.hero.attributes.equipment;
  ASSERT_TRUE(PutIntoSlot(game, equipment_slot::kBracelet, Made(game, item_type::kBracelet)));
  ASSERT_NE(game.world.hero.attributes.equipment, bare);
  TalkWith(f, npc);
  EXPECT_EQ(Quest(f, 10), 100);
  EXPECT_EQ(game.world.hero.money, 5000);
  EXPECT_EQ(FindCarried(game, item_type::kBracelet), 0);
  EXPECT_EQ(game.world.hero.attributes.equipment, bare) << "its charm goes with it";
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

TEST(QuestGiversTest, TheTravellerTellsOfTheTombOnlyOnceKaviIsMissing) {
  GameFixture f(Yard());
  const int npc = f.AddMonster(63, kX, kY, true);
  TalkWith(f, npc);
  TalkWith(f, npc, {"гробница"});
  EXPECT_EQ(Quest(f, 9), 0) << "nothing to tell before the elder asks about Кави";
}

TEST(ArakScene, EnterAloneCannotKeepTheSceneGoingAndNoMageIsNoCrash) {
  GameFixture f(Yard());
  Game& game = f.game();
  // The scene's slot comes after another event, as the level generator leaves it.
  ASSERT_TRUE(AddEvent(game, "Regen", 240, 1));
  ASSERT_TRUE(AddEvent(game, "ArakTalk", 4, 1));
  const auto run_and_watch = [&](const std::string& script) {
    game.control.current_slot = 2;
    Play(f, script, [](Game& g) { CallEventHandler(g, "ArakTalk"); });
    EXPECT_EQ(game.world.event_count, 2);
    EXPECT_EQ(game.world.events[2].name, "CheckAra");
    EXPECT_EQ(game.world.events[2].countdown, 4);
    EXPECT_EQ(game.world.events[2].parameter, 1);
  };
  const int mage = f.AddMonster(81, kX, kY, true);
  // Any key passes "<ещё>", so Enter alone answers with the first topic again and again.
  game.session.settings.fast_more = 1;
  std::string enters;
  for (int i = 0; i < 80; ++i) enters += "{Enter}";
  run_and_watch(enters);
  EXPECT_EQ(game.world.level.Monster(mage).peaceful, 0);
  // Without Аракус on the level the scene still gives way to the watch.
  game.world.events[2].name = "ArakTalk";
  game.world.level.Monster(mage).type = 1;
  run_and_watch("");
}

}  // namespace
}  // namespace zaldrun
