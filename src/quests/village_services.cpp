// The village's paid services: Дарон the healer (healing, potions, reading lessons, the tablet's
// riddle, the witch) and the temple's priest (the status of an item, holy water).
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/item_operations.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "quests/conversation.hpp"
#include "quests/talk_handlers.hpp"
#include "records/item_type_table.hpp"
#include "records/quest_list.hpp"

namespace zaldrun {
namespace {

constexpr int kPotionPrice = 200;
constexpr int kPotionPriceAfterCatacombs = 120;
constexpr int kReadingPrice = 400;
constexpr int kReadingPriceAfterCatacombs = 200;
// Healing costs 2 coins a missing hit point, never less than 10.
constexpr int kHealPerPoint = 2;
constexpr int kLeastHealPrice = 10;
// The skill value from which the hero can read (the read command's threshold).
constexpr float kLiterate = 1.0f;

constexpr int kStatusPrice = 50;
constexpr int kHolyWaterPrice = 150;

constexpr std::string_view kUnworthy = "Ты недостоин жить!";

std::string Coins(int price) { return std::to_string(price) + " золотых монет"; }

bool CatacombsDone(const Game& game) {
  return game.world.hero.quests[quest_entry::kCatacombs] >= kQuestDone;
}

// --- Дарон ---------------------------------------------------------------------------------------

void Heal(Game& game, int slot) {
  Hero& hero = game.world.hero;
  const int missing = std::max(0, hero.max_hp - hero.hp);
  if (missing == 0 && hero.poison <= 0) {
    Say(game, slot, "Но ты не ранен!");
    return;
  }
  const int price = std::max(kLeastHealPrice, missing * kHealPerPoint);
  if (!AskAs(game, slot, "Это будет стоить " + Coins(price) + ". Согласен?")) return;
  if (!Pay(game, price)) return;
  ShowMessage(game, SpeakerName(game, slot) +
                        " медленно произносит какое-то заклинание. Все твои раны мгновенно "
                        "заживают!");
  if (missing > 0) ChangeHP(game, missing);
  if (hero.poison > 0) {
    hero.poison = 0;
    game.view.labels.Set(Condition::kPoisoned, false);
    ShowMessage(game, "Действие яда прекращается!");
  }
}

void SellPotions(Game& game, int slot) {
  const int price = CatacombsDone(game) ? kPotionPriceAfterCatacombs : kPotionPrice;
  if (!AskAs(game, slot,
             "Одно лечебное зелье стоит " + Coins(price) + ". У тебя есть такие деньги?")) {
    return;
  }
  const int32_t count = BuyCount(game, price);
  if (count < 1) return;
  ShowMessage(game, SpeakerName(game, slot) + " передал тебе зелья.");
  // Potions that cannot be made are not sold: the money goes back.
  if (!GiveItems(game, item_type::kHealingPotion, count)) GiveMoney(game, count * price);
}

void TeachReading(Game& game, int slot) {
  const int price = CatacombsDone(game) ? kReadingPriceAfterCatacombs : kReadingPrice;
  if (!AskAs(game, slot, "За это я возьму с тебя " + Coins(price) + ". Согласен?")) return;
  Skill& literacy = game.world.hero.SkillAt(skill::kLiteracy);
  if (literacy.value >= kLiterate) {
    Say(game, slot, "Но ты и так умеешь читать!");
    return;
  }
  if (!Pay(game, price)) return;
  literacy.value = kLiterate;
  ShowMessage(game, "Дарон научил тебя читать.");
}

void ReadTablet(Game& game, int slot) {
  int16_t& riddle = game.world.hero.quests[quest_entry::kForestRiddle];
  const int stored = game.world.hero.quests[quest_entry::kArtefactType];
  std::string artefact = stored > 0 ? ItemTypeName(game, stored) : std::string();
  if (artefact.empty()) artefact = ItemTypeName(game, item_type::kForestArtefact);
  const std::array<std::string, 7> lines = {
      "Да, я могу это прочитать.",
      "Здесь написано, что на юге Деланского леса есть непроходимая чащоба, куда давно не ступала "
      "нога человека.",
      "И в этой чащобе спрятан древний и очень могущественный артефакт - " + artefact + ".",
      "Он лежит в небольшой пещерке прямо в центре чащобы.",
      "Вход в чащобу скрыт от глаз, но тот, кто прочёл эти знаки, сможет его найти.",
      "Будь осторожен: такие места редко остаются без стражи.",
      "Если найдёшь этот артефакт, он тебе очень пригодится.",
  };
  for (const std::string& line : lines) Say(game, slot, line);
  if (riddle == 0) riddle = 1;
}

void TellOfTheWitch(Game& game, int slot) {
  constexpr std::array<std::string_view, 3> kLines = {
      "В пещере на севере действительно живёт какая-то ведьма.",
      "Говоришь, она превратила гоблина в жабу?",
      "Насколько я знаю, такое проклятие легче всего снять, убив ведьму.",
  };
  SayAll(game, slot, kLines);
}

// --- the priest ----------------------------------------------------------------------------------

bool IsHoly(const ItemRecord& water) { return water.blessing % 3 == blessing::kBlessed; }

// The pack's water stacks: whether there are any and whether every one is holy already.
struct WaterInPack {
  bool any = false;
  bool all_holy = true;
};

WaterInPack LookAtWater(const Game& game) {
  WaterInPack water;
  for (const auto& group : game.world.piles[kPackPile].groups) {
    for (const ItemRecord& stack : group) {
      if (stack.type != item_type::kWater || stack.count <= 0) continue;
      water.any = true;
      if (!IsHoly(stack)) water.all_holy = false;
    }
  }
  return water;
}

// Every stack of water in the pack that is not holy is taken out and put back blessed, so that it
// joins the holy water already carried and the burden and any shop debt stay exact.
void BlessWater(Game& game) {
  std::vector<ItemRecord> blessed;
  for (int category = 0; category < kPileGroups; ++category) {
    const auto& group = game.world.piles[kPackPile].groups[static_cast<size_t>(category)];
    // From the last place down: taking a stack out moves only the ones after it.
    for (int place = static_cast<int>(group.size()); place >= 1; --place) {
      const ItemRecord stack = group[static_cast<size_t>(place - 1)];
      if (stack.type != item_type::kWater || stack.count <= 0 || IsHoly(stack)) continue;
      if (!RemoveFromPack(game, category, place, stack.count)) continue;
      ItemRecord holy = stack;
      holy.blessing = blessing::kBlessed;
      blessed.push_back(holy);
    }
  }
  for (const ItemRecord& holy : blessed) {
    if (!TakeIntoPack(game, holy)) {
      PlaceItem(game, game.world.hero.x, game.world.hero.y, holy, false);
    }
  }
}

bool PackIsEmpty(const Game& game) {
  for (const auto& group : game.world.piles[kPackPile].groups) {
    for (const ItemRecord& stack : group) {
      if (stack.count > 0) return false;
    }
  }
  return true;
}

// Returns true when the priest has opened the pack for the status of an item (the talk ends so
// that the window can open).
bool TellStatus(Game& game, int slot) {
  if (!AskAs(game, slot,
             "Это стоит " + std::to_string(kStatusPrice) + " монет. У тебя есть такие деньги?")) {
    return false;
  }
  if (PackIsEmpty(game)) {
    Say(game, slot, "Но у тебя же ничего нет, сын мой!");
    return false;
  }
  if (!Pay(game, kStatusPrice)) return false;
  // The window opens on the pack once the talk is over; the item chosen there goes to DetCurse.
  game.control.effect_handler = "DetCurse";
  OpenPackAtFirstCategory(game, PendingOperation::kItemEffect);
  return true;
}

void SellHolyWater(Game& game, int slot) {
  if (!AskAs(
          game, slot,
          "Это стоит " + std::to_string(kHolyWaterPrice) + " монет. У тебя есть такие деньги?")) {
    return;
  }
  const WaterInPack water = LookAtWater(game);
  if (!water.any) {
    Say(game, slot, "У тебя нету ни одной бутылки воды!");
    return;
  }
  if (water.all_holy) {
    Say(game, slot, "Но вся твоя вода уже освящена!");
    return;
  }
  if (!Pay(game, kHolyWaterPrice)) return;
  BlessWater(game);
  ShowMessage(game, SpeakerName(game, slot) + " произносит молитву над твоей водой.");
}

}  // namespace

void Lekar(Game& game, int slot) {
  if (IsHostile(game, slot)) {
    Say(game, slot, kUnworthy);
    return;
  }
  Say(game, slot, "Здравствуй, путник. Я лечу раны и недуги. Чем я могу тебе помочь?");
  const auto tablet_known = [&game] { return CatacombsDone(game); };
  const auto witch_known = [&game] { return game.world.hero.quests[quest_entry::kWitch] >= 1; };
  std::vector<std::string_view> list;
  const auto topics = [&] {
    list = {"пока", "исцели меня", "продай зелье", "научи читать"};
    if (tablet_known()) list.push_back("каменная табличка");
    if (witch_known()) list.push_back("ведьма");
    return std::span<const std::string_view>(list);
  };
  constexpr std::array<std::string_view, 4> kHeal = {"*heal*", "*исцел*", "*цели*", "*целени*"};
  constexpr std::array<std::string_view, 3> kPotion = {"*зель*", "*зелий*", "*potion*"};
  constexpr std::array<std::string_view, 3> kTablet = {"*прочитай*", "*переведи*", "*табличк*"};
  constexpr std::array<std::string_view, 3> kReading = {"*научи*", "*читать*", "*грамот*"};
  constexpr std::array<std::string_view, 2> kGhost = {"*призрак*", "*Чазор*"};
  constexpr std::array<std::string_view, 3> kWitch = {"*проклят*", "*жаба*", "*ведьм*"};
  TalkOverTopics(game, slot, topics, [&](std::string_view said) {
    if (LikeAny(said, kHeal)) {
      Heal(game, slot);
    } else if (LikeAny(said, kPotion)) {
      SellPotions(game, slot);
    } else if (tablet_known() && LikeAny(said, kTablet)) {
      ReadTablet(game, slot);
    } else if (LikeAny(said, kReading)) {
      TeachReading(game, slot);
    } else if (LikeAny(said, kGhost)) {
      Say(game, slot, "Чазор, Призрак Расколотого Камня. О нём мало что известно.");
    } else if (witch_known() && LikeAny(said, kWitch)) {
      TellOfTheWitch(game, slot);
    } else {
      return Reply::kNoMatch;
    }
    return Reply::kAnswered;
  });
}

void Priest(Game& game, int slot) {
  if (IsHostile(game, slot)) {
    Say(game, slot, kUnworthy);
    return;
  }
  Say(game, slot, "Приветсвую тебя, сын мой! Что привело тебя в храм?");
  constexpr std::array<std::string_view, 3> kTopics = {"пока", "определи статус", "освяти воду"};
  const auto topics = [&] { return std::span<const std::string_view>(kTopics); };
  constexpr std::array<std::string_view, 3> kStatus = {"*проклят*", "*статус*", "*определи*"};
  constexpr std::array<std::string_view, 2> kWater = {"*вод*", "*свят*"};
  TalkOverTopics(game, slot, topics, [&](std::string_view said) {
    // The status is told in the inventory window, which opens once the talk is over.
    if (LikeAny(said, kStatus)) return TellStatus(game, slot) ? Reply::kTalkEnds : Reply::kAnswered;
    if (!LikeAny(said, kWater)) return Reply::kNoMatch;
    SellHolyWater(game, slot);
    return Reply::kAnswered;
  });
}

}  // namespace zaldrun
