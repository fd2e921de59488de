// The village folk: the villagers' lines, the trader's bill, bread, the healer's services and the
// priest's, each talked through with the answers a player would give.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <limits>
#include <string>
#include <vector>

#include "base/utf8.hpp"
#include "items/equipment.hpp"
#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "model/io.hpp"
#include "quests/talk.hpp"
#include "quests/talk_handlers.hpp"
#include "records/hero_tables.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_type_ids.hpp"
#include "records/quest_list.hpp"
#include "support/game_fixture.hpp"
#include "ui/inventory_window.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

// Item types of data/items.toml.
constexpr int kDagger = 5;
constexpr int kShortSword = 57;
constexpr int kDart = 36;

// Plays the player's side of a talk: Space for every " <ещё>", the next answer for each yes/no
// question ("y" or "n") and for each entry box (typed over what the box held, then Enter).
// Running out of answers ends the input, as the headless front end does.
class Player : public Io {
 public:
  explicit Player(Game& game) : game_(game) {}

  Player& Answers(std::initializer_list<std::string> answers) {
    answers_.assign(answers.begin(), answers.end());
    return *this;
  }
  size_t unused() const { return answers_.size(); }

  platform::Key NextKey() override {
    if (++keys_ > 100000) throw platform::InputEnded();
    const bool box = game_.view.number_input.visible;
    if (!box && !game_.view.message_line.ends_with("(Y/N)")) {
      return Code(platform::keys::kSpace, U' ');
    }
    if (answers_.empty()) throw platform::InputEnded();
    const std::string answer = answers_.front();
    const std::string& text = game_.view.number_input.text;
    if (!box || text == answer) answers_.pop_front();
    if (!box) return platform::TypedKey(answer == "y" ? U'y' : U'n');
    if (text == answer) return Code(platform::keys::kEnter, U'\r');
    // Rubs out what does not fit the answer, then types the rest of it.
    if (!answer.starts_with(text)) return Code(platform::keys::kBackspace, 8);
    return platform::TypedKey(DecodeUtf8(answer.substr(text.size())).front());
  }
  bool KeyWaiting() override { return false; }
  void Present() override {}
  void SleepMs(int) override {}
  void Beep() override {}
  void MessageBox(std::string_view, std::string_view) override {}

 private:
  static platform::Key Code(int code, char32_t ch) {
    platform::Key key = platform::Key::Code(code);
    key.ch = ch;
    key.cp1251 = static_cast<uint8_t>(ch);
    return key;
  }

  Game& game_;
  std::deque<std::string> answers_;
  int keys_ = 0;
};

class VillageFolkTest : public ::testing::Test {
 protected:
  VillageFolkTest() : fixture_({"C@C"}), player_(fixture_.game()) {
    game().session.io = &player_;
    game().world.hero.money = 0;
  }

  Game& game() { return fixture_.game(); }
  Hero& hero() { return game().world.hero; }

  // Puts a creature of `type` beside the hero (cell (2, 0), a dead end so that it stays there),
  // peaceful unless asked otherwise.
  void Meet(int type) { slot_ = fixture_.AddMonster(type, 2, 0, true); }

  // Talks to the creature beside the hero with these answers; true when every answer was used and
  // the talk ended by itself.
  bool TalkWith(std::initializer_list<std::string> answers) {
    player_.Answers(answers);
    log_before_ = fixture_.LogLines().size();
    const bool finished = fixture_.Act([](Game& g) { Talk(g, 2, 0); });
    return finished && player_.unused() == 0;
  }

  // The lines logged by the last talk.
  std::vector<std::string> Said() const {
    std::vector<std::string> log = fixture_.LogLines();
    log.erase(log.begin(),
              log.begin() + static_cast<std::ptrdiff_t>(std::min(log_before_, log.size())));
    return log;
  }
  bool SaidLine(std::string_view line) const {
    const auto said = Said();
    return std::find(said.begin(), said.end(), line) != said.end();
  }
  // The line spoken by `name`: name + " говорит: " + the text in quotes.
  static std::string Speech(std::string_view name, std::string_view text,
                            std::string_view verb = " говорит: ") {
    return std::string(name) + std::string(verb) + "\"" + std::string(text) + "\"";
  }

  ItemRecord MakeStack(int type, int32_t count, uint8_t blessing_state = blessing::kUncursed,
                       int flags = 0) {
    ItemRequest request;
    request.type = type;
    request.count = count;
    request.blessing = blessing_state;
    request.identified = 1;
    request.prefix = 0;
    request.suffix = 0;
    request.flags = flags;
    return MakeItem(game(), request).value();
  }
  void Carry(const ItemRecord& item) { ASSERT_TRUE(TakeIntoPack(game(), item)); }

  // The stacks of `type` in the pack.
  std::vector<ItemRecord> Carried(int type) {
    std::vector<ItemRecord> found;
    for (const auto& group : game().world.piles[kPackPile].groups) {
      for (const ItemRecord& stack : group) {
        if (stack.type == type && stack.count > 0) found.push_back(stack);
      }
    }
    return found;
  }
  int32_t CountCarried(int type) {
    int32_t total = 0;
    for (const ItemRecord& stack : Carried(type)) total += stack.count;
    return total;
  }
  const std::vector<std::string>& Topics() { return game().view.chat.lines; }

  GameFixture fixture_;
  Player player_;
  int slot_ = 0;
  size_t log_before_ = 0;
};

TEST_F(VillageFolkTest, EachSaysOneOfItsOwnLinesAndTheAngryOnlyCurse) {
  // Tough enough to outlast the blows of the hostile ones.
  hero().hp = hero().max_hp = 30000;
  Meet(monster_type::kPeasant);
  struct Case {
    int type;
    bool peaceful;
    const char* speaker;
    std::vector<std::string> lines;  // the talk's first line is one of these, and all are heard
  };
  const Case cases[] = {
      {monster_type::kPeasant,
       true,
       "Крестьянин говорит: ",
       {"А ты не местный, да?", "Отстань от меня.", "Ты кто?",
        "Лучше не разговаривай с Чупакаброй. Он совсем свихнулся.",
        "В нашу деревню редко приходят гости. Что тебе тут понадобилось?"}},
      {monster_type::kPeasant, false, "Крестьянин кричит: ", {"Умри!"}},
      {monster_type::kFrog, true, "Лягушонок квакает: ", {"Ква-Ква-Кваааа!"}},
      {monster_type::kGoblin,
       true,
       "Гоблин говорит: ",
       {"Ааа! Моя очень сильный!", "Моя хороший охотник!",
        "Твоя моя не друг! Твоя скорее уходить!"}},
      {monster_type::kGoblin,
       false,
       "Гоблин кричит: ",
       {"Моя твоя убивать!", "Твоя умирать!", "Твоя вкусно пахнуть! Моя твоя жарить и сожрать!",
        "Моя очень страшный! Твоя лучше бежать!"}},
      {monster_type::kFarmer, false, "Негиф кричит: ", {"Ты недостоин жить!"}},
      {monster_type::kHealer, false, "Дарон кричит: ", {"Ты недостоин жить!"}},
      {monster_type::kPriest, false, "Священник кричит: ", {"Ты недостоин жить!"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines.front());
    game().world.level.Monster(slot_).type = c.type;
    game().world.level.Monster(slot_).peaceful = c.peaceful ? 1 : 0;
    std::vector<std::string> heard;
    for (int i = 0; i < (c.lines.size() > 1 ? 40 : 1); ++i) {
      ASSERT_TRUE(TalkWith({}));
      ASSERT_FALSE(Said().empty());
      const auto line = std::find_if(c.lines.begin(), c.lines.end(), [&](const std::string& text) {
        return Said()[0] == c.speaker + ("\"" + text + "\"");
      });
      ASSERT_NE(line, c.lines.end()) << Said()[0];
      heard.push_back(*line);
    }
    std::sort(heard.begin(), heard.end());
    EXPECT_EQ(std::unique(heard.begin(), heard.end()) - heard.begin(), std::ssize(c.lines));
  }
}

TEST_F(VillageFolkTest, TheTraderClearsOnlyABillThatIsPaid) {
  Meet(monster_type::kShopkeeper);
  Carry(MakeStack(kDagger, 2, blessing::kUncursed, item_flag::kUnpaid));
  const int32_t bill = hero().shop_debt;
  ASSERT_GT(bill, 0);
  const std::string question =
      Speech("Тазар", "Ты набрал вещей на сумму " + std::to_string(bill) + "$. Будешь покупать?");
  // Declined, or one coin short: the bill stays, and so do the marks.
  for (const auto& [answer, money] : {std::pair{"n", bill + 5}, std::pair{"y", bill - 1}}) {
    hero().money = money;
    ASSERT_TRUE(TalkWith({answer}));
    EXPECT_EQ(Said().front(), question);
    EXPECT_EQ(SaidLine(Speech("Тазар", "Но у тебя не хватает золота!")), money < bill);
    EXPECT_EQ(hero().shop_debt, bill);
    EXPECT_EQ(hero().money, money);
    EXPECT_NE(Carried(kDagger)[0].flags & item_flag::kUnpaid, 0);
  }
  // Paid in full: exactly the bill goes, and the goods, worn ones too, are the hero's.
  hero().money = bill + 5;
  hero().equipment[3] = MakeStack(kDagger, 1, blessing::kUncursed, item_flag::kUnpaid);
  ASSERT_TRUE(TalkWith({"y"}));
  EXPECT_EQ(Said(), (std::vector<std::string>{question, Speech("Тазар", "Спасибо за покупку!")}));
  EXPECT_EQ(hero().money, 5);
  EXPECT_EQ(hero().shop_debt, 0);
  EXPECT_EQ(Carried(kDagger)[0].flags & item_flag::kUnpaid, 0);
  EXPECT_EQ(hero().equipment[3].flags & item_flag::kUnpaid, 0);

  game().world.level.Monster(slot_).peaceful = 0;
  Carry(MakeStack(kDagger, 1, blessing::kUncursed, item_flag::kUnpaid));
  ASSERT_TRUE(TalkWith({}));
  EXPECT_EQ(Said().front(),
            Speech("Тазар", "Ты гнусный воришка! Больше ты не будешь воровать!", " кричит: "));
}

TEST_F(VillageFolkTest, PotionsOfUnknownBlessingJoinTheirLikeOnceTheirStatusIsTold) {
  constexpr int kPotion = item_type::kHealingPotion;
  Meet(monster_type::kPriest);
  hero().money = 50;
  Carry(MakeStack(kPotion, 3));
  Carry(MakeStack(kPotion, 2, blessing::kUncursedUnknown));
  ASSERT_EQ(Carried(kPotion).size(), 2u);
  ASSERT_TRUE(TalkWith({"определи статус", "y"}));
  game().control.inventory.open_requested = false;  // the window opened and chose...
  game().control.inventory.place = 2;               // ...the second stack
  fixture_.Act([](Game& g) { CallPendingOperation(g); });
  ASSERT_EQ(Carried(kPotion).size(), 1u);
  EXPECT_EQ(Carried(kPotion)[0].count, 5);
}

// Paid goods like a stack already carried join it, in the pack or in the quiver, as picking them
// up would; the burden stays the weight of the stacks as they now are.
TEST_F(VillageFolkTest, PaidGoodsJoinTheLikeStacksCarried) {
  Meet(monster_type::kShopkeeper);
  ItemRecord daggers = MakeStack(kDagger, 2);
  daggers.material = 13;  // mithril: 2.5 each, so two stacks weigh less than one
  Carry(daggers);
  ItemRecord sword = MakeStack(kShortSword, 1, blessing::kUncursed, item_flag::kUnpaid);
  Carry(sword);
  ItemRecord goods = daggers;
  goods.count = 3;
  goods.flags = item_flag::kUnpaid;
  Carry(goods);
  ItemRecord darts = MakeStack(kDart, 4);
  ASSERT_TRUE(PutIntoSlot(game(), equipment_slot::kAmmunition, darts));
  darts.count = 2;
  darts.flags = item_flag::kUnpaid;
  Carry(darts);
  hero().money = hero().shop_debt;

  ASSERT_TRUE(TalkWith({"y"}));
  ASSERT_TRUE(SaidLine(Speech("Тазар", "Спасибо за покупку!")));
  const auto& weapons = game().world.piles[kPackPile].groups[item_category::kWeapon];
  ASSERT_EQ(weapons.size(), 2u);
  EXPECT_EQ(weapons[0].count, 5) << "the daggers bought joined those carried";
  EXPECT_EQ(weapons[1].type, kShortSword) << "a stack like no other stays where it was";
  EXPECT_EQ(weapons[1].flags, 0);
  EXPECT_EQ(game().world.piles[kPackPile].GroupCount(item_category::kAmmunition), 0);
  const ItemRecord& quiver = hero().equipment[equipment_slot::kAmmunition];
  EXPECT_EQ(quiver.count, 6) << "the darts bought joined the readied ones";
  EXPECT_EQ(hero().carried_weight, StackWeight(game(), weapons[0], 5) +
                                       StackWeight(game(), weapons[1], 1) +
                                       StackWeight(game(), quiver, 6));
}

TEST_F(VillageFolkTest, TheFarmerSellsBreadByTheLoafWithinThePurse) {
  Meet(monster_type::kFarmer);
  hero().money = 200;
  ASSERT_TRUE(TalkWith({"y", "2"}));
  EXPECT_TRUE(
      SaidLine(Speech("Негиф", "Для тебя она будет стоить 75 золотых монет. Хочешь купить?")));
  EXPECT_TRUE(SaidLine("Негиф передал тебе буханки хлеба."));
  EXPECT_EQ(hero().money, 50);
  EXPECT_EQ(CountCarried(item_type::kBread), 2);
  // More than the purse holds, or a full purse and a count whose total would overflow: refused.
  for (const auto& [money, typed] :
       {std::pair{50, "1"}, std::pair{std::numeric_limits<int32_t>::max(), "2147483647"}}) {
    hero().money = money;
    ASSERT_TRUE(TalkWith({"y", typed}));
    EXPECT_TRUE(SaidLine("Ты ошибся. Нету у тебя таких денег."));
    EXPECT_EQ(hero().money, money);
    EXPECT_EQ(CountCarried(item_type::kBread), 2);
  }
  // After the catacombs the loaf costs 40; declining buys nothing.
  hero().quests[quest_entry::kCatacombs] = 100;
  hero().money = 120;
  ASSERT_TRUE(TalkWith({"n"}));
  EXPECT_TRUE(
      SaidLine(Speech("Негиф", "Для тебя она будет стоить 40 золотых монет. Хочешь купить?")));
  EXPECT_EQ(hero().money, 120);
  ASSERT_TRUE(TalkWith({"y", "3"}));
  EXPECT_EQ(hero().money, 0);
  EXPECT_EQ(CountCarried(item_type::kBread), 5);
}

TEST_F(VillageFolkTest, TheHealerHealsForMoneyAndCuresPoison) {
  Meet(monster_type::kHealer);
  hero().hp = 3;
  hero().max_hp = 10;
  hero().poison = 12;
  game().view.labels.Set(Condition::kPoisoned, true);
  hero().money = 100;
  // 7 hit points missing: 14 coins.
  ASSERT_TRUE(TalkWith({"исцели меня", "y", "пока"}));
  EXPECT_EQ(Topics(),
            (std::vector<std::string>{"пока", "исцели меня", "продай зелье", "научи читать"}));
  EXPECT_TRUE(SaidLine(Speech("Дарон", "Это будет стоить 14 золотых монет. Согласен?")));
  EXPECT_TRUE(SaidLine("Действие яда прекращается!"));
  EXPECT_EQ(hero().money, 86);
  EXPECT_EQ(hero().hp, 10);
  EXPECT_EQ(hero().poison, 0);
  EXPECT_FALSE(game().view.labels.Has(Condition::kPoisoned));
  // Unhurt: no charge; nonsense is not understood.
  ASSERT_TRUE(TalkWith({"Исцели", "абракадабра", "ну пока"}));
  EXPECT_TRUE(SaidLine(Speech("Дарон", "Но ты не ранен!")));
  EXPECT_TRUE(SaidLine(Speech("Дарон", "Ээээ... Чего?")));
  EXPECT_EQ(hero().money, 86);
  // A scratch costs the least price; too poor, it stays.
  hero().hp = 9;
  hero().money = 9;
  ASSERT_TRUE(TalkWith({"heal", "y", "пока"}));
  EXPECT_TRUE(SaidLine(Speech("Дарон", "Это будет стоить 10 золотых монет. Согласен?")));
  EXPECT_TRUE(SaidLine("Ты ошибся. Нету у тебя таких денег."));
  EXPECT_EQ(hero().hp, 9);
  EXPECT_EQ(hero().money, 9);
}

TEST_F(VillageFolkTest, TheHealerSellsPotionsAndTeachesReading) {
  Meet(monster_type::kHealer);
  hero().money = 500;
  ASSERT_TRUE(TalkWith({"продай зелье", "y", "2", "пока"}));
  EXPECT_TRUE(SaidLine(
      Speech("Дарон", "Одно лечебное зелье стоит 200 золотых монет. У тебя есть такие деньги?")));
  EXPECT_EQ(hero().money, 100);
  EXPECT_EQ(CountCarried(item_type::kHealingPotion), 2);

  Skill& literacy = hero().SkillAt(skill::kLiteracy);
  literacy.value = 0.4f;
  hero().money = 399;
  ASSERT_TRUE(TalkWith({"научи читать", "y", "пока"}));
  EXPECT_TRUE(SaidLine(Speech("Дарон", "За это я возьму с тебя 400 золотых монет. Согласен?")));
  EXPECT_TRUE(SaidLine("Ты ошибся. Нету у тебя таких денег."));
  EXPECT_LT(literacy.value, 1.0f);
  hero().money = 400;
  ASSERT_TRUE(TalkWith({"научи читать", "y", "научи читать", "y", "пока"}));
  EXPECT_TRUE(SaidLine("Дарон научил тебя читать."));
  EXPECT_TRUE(SaidLine(Speech("Дарон", "Но ты и так умеешь читать!")));
  EXPECT_GE(literacy.value, 1.0f);
  EXPECT_EQ(hero().money, 0);

  // After the catacombs: 120 a potion, 200 a lesson.
  hero().quests[quest_entry::kCatacombs] = 100;
  hero().money = 400;
  literacy.value = 0;
  ASSERT_TRUE(TalkWith({"продай зелье", "y", "1", "научи читать", "y", "пока"}));
  EXPECT_TRUE(SaidLine(
      Speech("Дарон", "Одно лечебное зелье стоит 120 золотых монет. У тебя есть такие деньги?")));
  EXPECT_TRUE(SaidLine(Speech("Дарон", "За это я возьму с тебя 200 золотых монет. Согласен?")));
  EXPECT_EQ(hero().money, 80);
  EXPECT_EQ(CountCarried(item_type::kHealingPotion), 3);
  EXPECT_GE(literacy.value, 1.0f);
}

TEST_F(VillageFolkTest, TheHealerReadsTheTabletAndKnowsOfTheWitchAndTheGhost) {
  Meet(monster_type::kHealer);
  const auto tablet_line = [&](int artefact) {
    return Speech("Дарон", "И в этой чащобе спрятан древний и очень могущественный артефакт - " +
                               ItemTypeName(game(), artefact) + ".");
  };
  // Before the catacombs are cleared there is no tablet to speak of.
  ASSERT_TRUE(TalkWith({"каменная табличка", "Чазор", "пока"}));
  EXPECT_TRUE(SaidLine(Speech("Дарон", "Ээээ... Чего?")));
  EXPECT_TRUE(
      SaidLine(Speech("Дарон", "Чазор, Призрак Расколотого Камня. О нём мало что известно.")));
  EXPECT_EQ(hero().quests[quest_entry::kForestRiddle], 0);

  hero().quests[quest_entry::kCatacombs] = 100;
  hero().quests[quest_entry::kWitch] = 1;
  ASSERT_TRUE(TalkWith({"каменная табличка", "ведьма", "пока"}));
  EXPECT_EQ(Topics(), (std::vector<std::string>{"пока", "исцели меня", "продай зелье",
                                                "научи читать", "каменная табличка", "ведьма"}));
  EXPECT_TRUE(SaidLine(tablet_line(item_type::kForestArtefact)));
  EXPECT_EQ(hero().quests[quest_entry::kForestRiddle], 1);
  EXPECT_TRUE(SaidLine(
      Speech("Дарон", "Насколько я знаю, такое проклятие легче всего снять, убив ведьму.")));
  // The riddle only moves forward; the artefact named is the one the quest state records.
  hero().quests[quest_entry::kForestRiddle] = 2;
  hero().quests[quest_entry::kArtefactType] = item_type::kHealingPotion;
  ASSERT_TRUE(TalkWith({"прочитай", "пока"}));
  EXPECT_TRUE(SaidLine(tablet_line(item_type::kHealingPotion)));
  EXPECT_EQ(hero().quests[quest_entry::kForestRiddle], 2);
}

TEST_F(VillageFolkTest, ThePriestTellsTheStatusOfAnItemForMoney) {
  Meet(monster_type::kPriest);
  hero().money = 100;
  // An empty pack: nothing to look at, nothing charged.
  ASSERT_TRUE(TalkWith({"определи статус", "y", "пока"}));
  EXPECT_EQ(Topics(), (std::vector<std::string>{"пока", "определи статус", "освяти воду"}));
  EXPECT_EQ(hero().money, 100);
  EXPECT_FALSE(game().control.inventory.open_requested);
  // Declined: nothing.
  Carry(MakeStack(kDagger, 1, blessing::kCursedUnknown));
  ASSERT_TRUE(TalkWith({"статус", "n", "пока"}));
  EXPECT_EQ(hero().money, 100);
  EXPECT_FALSE(game().control.inventory.open_requested);
  // Paid: the talk ends and the pack opens for the choice, which DetCurse answers once the window
  // has chosen the dagger (its first stack).
  ASSERT_TRUE(TalkWith({"определи статус", "y"}));
  EXPECT_TRUE(SaidLine(Speech("Священник", "Это стоит 50 монет. У тебя есть такие деньги?")));
  EXPECT_EQ(hero().money, 50);
  EXPECT_TRUE(game().control.inventory.open_requested);
  EXPECT_EQ(game().control.effect_handler, "DetCurse");
  fixture_.Act([](Game& g) { CallPendingOperation(g); });
  EXPECT_TRUE(SaidLine("На этом предмете лежит проклятие."));
  EXPECT_EQ(Carried(kDagger)[0].blessing, blessing::kCursed);
  EXPECT_EQ(game().control.pending_operation, PendingOperation::kNone);
}

TEST_F(VillageFolkTest, ThePriestBlessesTheWaterOnlyWhenThereIsWaterToBless) {
  Meet(monster_type::kPriest);
  hero().money = 1000;
  ASSERT_TRUE(TalkWith({"освяти воду", "y", "пока"}));
  EXPECT_TRUE(SaidLine(Speech("Священник", "Это стоит 150 монет. У тебя есть такие деньги?")));
  EXPECT_TRUE(SaidLine(Speech("Священник", "У тебя нету ни одной бутылки воды!")));
  Carry(MakeStack(item_type::kWater, 1, blessing::kBlessed));
  ASSERT_TRUE(TalkWith({"святая вода", "y", "пока"}));
  EXPECT_TRUE(SaidLine(Speech("Священник", "Но вся твоя вода уже освящена!")));
  EXPECT_EQ(hero().money, 1000);

  Carry(MakeStack(item_type::kWater, 2, blessing::kUncursed));
  Carry(MakeStack(item_type::kWater, 3, blessing::kCursedUnknown));
  const int32_t weight = hero().carried_weight;
  // Too poor: the water stays as it is.
  hero().money = 149;
  ASSERT_TRUE(TalkWith({"освяти воду", "y", "пока"}));
  EXPECT_TRUE(SaidLine("Ты ошибся. Нету у тебя таких денег."));
  EXPECT_EQ(Carried(item_type::kWater).size(), 3u);
  hero().money = 150;
  ASSERT_TRUE(TalkWith({"освяти воду", "y", "пока"}));
  EXPECT_EQ(hero().money, 0);
  const std::vector<ItemRecord> water = Carried(item_type::kWater);
  ASSERT_EQ(water.size(), 1u);
  EXPECT_EQ(water[0].count, 6);
  EXPECT_EQ(water[0].blessing, blessing::kBlessed);
  EXPECT_EQ(hero().carried_weight, weight);
}

}  // namespace
}  // namespace zaldrun
