// The seven quests played through in the real world, from the first word with whoever gives each
// one to its reward: the hero travels between the levels, talks, fights where a quest needs a
// death, lets time run for the checks, and Messages.log keeps the record.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "combat/monster_damage.hpp"
#include "combat/rooms.hpp"
#include "engine/monsters_on_level.hpp"
#include "engine/turn.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "model/world_ops.hpp"
#include "quests/talk.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_type_ids.hpp"
#include "records/quest_list.hpp"
#include "support/game_fixture.hpp"
#include "world/level_change.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

// Passes the " <ещё>" waits before an answer; the answer box trims the spaces it does not need.
const std::string kMore(40, ' ');

class QuestWalkthrough : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(f_.StartOn(1, 1));
    // A hero who survives whatever the places hold, so that only the quests are tested.
    Hero& hero = game().world.hero;
    hero.hp = hero.max_hp = 30000;
    hero.money = 0;
  }

  Game& game() { return f_.game(); }
  int16_t Quest(int q) {
    return f_.game().world.hero.quests[static_cast<size_t>(kQuestStateIndex[q - 1])];
  }

  // Runs `action` with the keys of `script`; what the keys left is thrown away.
  void Run(const std::string& script, const std::function<void(Game&)>& action) {
    EXPECT_TRUE(f_.Keys(script).Act(action)) << "the keys ran out";
    while (f_.frontend().pending_keys() > 0) f_.frontend().NextKey();
  }

  void GoTo(int place, int level) {
    Run(kMore, [&](Game& g) { ASSERT_TRUE(ChangeLevel(g, place, level, 0, 0)); });
    ASSERT_EQ(game().world.current_place, place);
    ASSERT_EQ(game().world.current_level, level);
  }

  // Stands the hero beside the first creature of `type` and talks to it, answering in turn.
  void TalkTo(int type, std::initializer_list<std::string_view> answers = {}) {
    const int slot = FindMonsterOfType(game(), type);
    ASSERT_NE(slot, 0) << "no creature of type " << type << " here";
    const MonsterRecord& who = game().world.level.Monster(slot);
    const ArrivalCell beside = NearestStandingCell(game(), who.x, who.y);
    ASSERT_TRUE(beside.found);
    game().world.hero.x = static_cast<int16_t>(beside.x);
    game().world.hero.y = static_cast<int16_t>(beside.y);
    std::string script;
    for (std::string_view answer : answers) script += kMore + std::string(answer) + "{Enter}";
    const int x = who.x;
    const int y = who.y;
    Run(script + kMore + "пока{Enter}" + kMore, [x, y](Game& g) { Talk(g, x, y); });
  }

  void Kill(int type) {
    const int slot = FindMonsterOfType(game(), type);
    ASSERT_NE(slot, 0) << "no creature of type " << type << " here";
    Run(kMore, [slot](Game& g) { DamageMonster(g, slot, 30000, true, true); });
  }

  // Lets time run (the hero rests) while the level's checks do their work.
  void Wait(int actions, const std::string& script = kMore) {
    Run(script, [actions](Game& g) {
      for (int i = 0; i < actions && !g.GameOver(); ++i) AdvanceTime(g, 1000);
    });
  }

  void Give(int type) {
    ItemRequest request;
    request.type = type;
    request.count = 1;
    request.blessing = blessing::kUncursed;
    ASSERT_TRUE(TakeIntoPack(game(), MakeItem(game(), request).value()));
  }

  GameFixture f_{{"@"}, 7};
};

TEST_F(QuestWalkthrough, TheGoblinsLeaveOnceTheWitchIsDeadAndTheElderPays) {
  TalkTo(monster_type::kElder);
  EXPECT_EQ(Quest(1), 1);
  TalkTo(monster_type::kElder, {"задание"});
  EXPECT_EQ(Quest(1), 2);
  EXPECT_TRUE(f_.LogHas("Недавно в окрестностях нашей деревни появилось племя гоблинов."));

  GoTo(1, 2);
  TalkTo(monster_type::kGoblinChief);
  EXPECT_EQ(Quest(3), 1);
  EXPECT_TRUE(f_.LogHas("Моя сюда приходить, чтобы от злой-злой ведьма прятаться!"));

  GoTo(3, 3);
  Kill(monster_type::kWitch);
  Wait(30);
  EXPECT_EQ(Quest(3), 2) << "the witch's death was not noticed";

  GoTo(1, 2);
  TalkTo(monster_type::kGoblinChief);
  EXPECT_EQ(Quest(3), kQuestDone);
  EXPECT_TRUE(f_.LogHas("Твоя злой-злой ведьма убить, страшный проклятие снимать!"));

  GoTo(1, 1);
  const int32_t money = game().world.hero.money;
  TalkTo(monster_type::kElder, {"задание"});
  EXPECT_EQ(Quest(1), kQuestDone);
  EXPECT_TRUE(f_.LogHas("Гоблины ушли? Хорошо. Надеюсь, они больше не вернуться."));
  EXPECT_GE(game().world.hero.money - money, 160);
  EXPECT_LE(game().world.hero.money - money, 224);
}

TEST_F(QuestWalkthrough, KaviIsFoundInTheTombAndTheSwampsSummonerDies) {
  game().world.hero.quests[quest_entry::kGoblins] = kQuestDone;
  TalkTo(monster_type::kElder, {"задание"});
  EXPECT_EQ(Quest(4), 1);

  GoTo(1, 5);
  TalkTo(monster_type::kTraveller);  // the first meeting
  TalkTo(monster_type::kTraveller, {"Кави", "гробница"});
  EXPECT_EQ(game().world.hero.quests[quest_entry::kTombTold], 1);

  GoTo(4, 1);
  Run(kMore, [](Game& g) { EnterRoom(g, g.world.level.Cell(19, 3).room); });
  EXPECT_EQ(Quest(4), 2);
  EXPECT_TRUE(f_.LogHas("Наверное, это труп Кави. Нужно рассказать Браннусу о увиденном."));

  GoTo(1, 1);
  TalkTo(monster_type::kElder, {"задание"});
  EXPECT_EQ(Quest(4), kQuestDone);
  EXPECT_EQ(Quest(6), 1) << "the swamp is the elder's next task";

  // The summoner's hall: the scene, a rude answer, and the fight it brings.
  GoTo(6, 5);
  Wait(10, kMore + "Кто ты?{Enter}" + kMore + "Умри!{Enter}" + kMore);
  EXPECT_TRUE(f_.LogHas("Ты, грязный червяк, не сможешь остановить меня!"));
  ASSERT_NE(FindEvent(game(), "CheckAra"), 0);
  Kill(monster_type::kArakus);
  Wait(20);
  EXPECT_EQ(Quest(6), 2);
  EXPECT_TRUE(f_.LogHas("После этого портал исчез, а лестница наверх снова появилась."));

  GoTo(1, 1);
  TalkTo(monster_type::kElder, {"задание"});
  EXPECT_EQ(Quest(6), kQuestDone);
  EXPECT_TRUE(f_.LogHas("Ты теперь стал героем деревни!"));
}

TEST_F(QuestWalkthrough, TheCatacombsAreClearedTheBraceletSoldAndTheRiddleSolved) {
  GoTo(1, 1);
  TalkTo(monster_type::kHunter);
  EXPECT_EQ(Quest(2), 1);
  // Each tier of the catacombs swept of every creature, and the check notices.
  for (int tier = 1; tier <= 4; ++tier) {
    GoTo(2, tier);
    while (game().world.level.monster_count > 0) RemoveMonster(game(), 1);
    Wait(40);
  }
  EXPECT_EQ(f_.LogCount("Ты чувствуешь, что перебил всех врагов на этом ярусе"), 4);
  GoTo(1, 1);
  TalkTo(monster_type::kHunter);
  EXPECT_EQ(Quest(2), kQuestDone);
  EXPECT_TRUE(f_.LogHas("Теперь Дарон и Негиф согласились дешевле продавать тебе товары."));

  // The landlord's bracelet.
  GoTo(1, 5);
  TalkTo(monster_type::kLandlord);
  EXPECT_EQ(Quest(5), 1);
  TalkTo(monster_type::kLandlord);
  EXPECT_EQ(Quest(5), 1) << "no bracelet, no change";
  Give(item_type::kBracelet);
  const int32_t money = game().world.hero.money;
  TalkTo(monster_type::kLandlord);
  EXPECT_EQ(Quest(5), kQuestDone);
  EXPECT_EQ(game().world.hero.money - money, 5000);
  EXPECT_EQ(FindCarried(game(), item_type::kBracelet), 0);

  // The healer reads the tablet; the thicket opens on the overworld; the artefact is brought out.
  GoTo(1, 1);
  TalkTo(monster_type::kHealer, {"каменная табличка"});
  EXPECT_EQ(Quest(7), 1);
  GoTo(1, 100);
  EXPECT_EQ(Quest(7), 2);
  GoTo(7, 4);
  Give(item_type::kForestArtefact);
  GoTo(1, 100);
  EXPECT_EQ(Quest(7), kQuestDone);
}

}  // namespace
}  // namespace zaldrun
