// The village folk who chat or trade: the villagers, the bewitched frog, the goblins, the shop's
// trader and the farmer. The healer and the priest are in village_services.cpp.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "engine/message_line.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "model/chance.hpp"
#include "model/game.hpp"
#include "quests/conversation.hpp"
#include "quests/talk_handlers.hpp"
#include "records/item_type_table.hpp"
#include "records/quest_list.hpp"

namespace zaldrun {
namespace {

constexpr int kBreadPrice = 75;
constexpr int kBreadPriceAfterCatacombs = 40;

constexpr std::string_view kUnworthy = "Ты недостоин жить!";

}  // namespace

void Muzhik(Game& game, int slot) {
  if (IsHostile(game, slot)) {
    Say(game, slot, "Умри!");
    return;
  }
  constexpr std::array<std::string_view, 5> kLines = {
      "А ты не местный, да?",
      "Отстань от меня.",
      "Лучше не разговаривай с Чупакаброй. Он совсем свихнулся.",
      "В нашу деревню редко приходят гости. Что тебе тут понадобилось?",
      "Ты кто?",
  };
  Say(game, slot, kLines[static_cast<size_t>(Roll(game, static_cast<int>(kLines.size())))]);
}

void Kva(Game& game, int slot) { SpeakAs(game, slot, " квакает: ", "Ква-Ква-Кваааа!"); }

void Chukcha(Game& game, int slot) {
  if (IsHostile(game, slot)) {
    const int r = Roll(game, 13);
    Say(game, slot,
        r <= 3   ? "Моя твоя убивать!"
        : r <= 6 ? "Твоя умирать!"
        : r <= 10 ? "Твоя вкусно пахнуть! Моя твоя жарить и сожрать!"
                  : "Моя очень страшный! Твоя лучше бежать!");
    return;
  }
  const int r = Roll(game, 11);
  Say(game, slot,
      r <= 3   ? "Ааа! Моя очень сильный!"
      : r <= 6 ? "Моя хороший охотник!"
               : "Твоя моя не друг! Твоя скорее уходить!");
}

void Trader(Game& game, int slot) {
  if (IsHostile(game, slot)) {
    Say(game, slot, "Ты гнусный воришка! Больше ты не будешь воровать!");
    return;
  }
  Hero& hero = game.world.hero;
  // The bill is what the carried goods are owed at; goods that cost nothing still need buying.
  const int32_t bill = std::max(0, hero.shop_debt);
  if (bill == 0 && !CarriesUnpaidGoods(game)) {
    Say(game, slot, "Если у тебя есть деньги, лучше потратить их здесь!");
    return;
  }
  if (!AskAs(game, slot,
             "Ты набрал вещей на сумму " + std::to_string(bill) + "$. Будешь покупать?")) {
    return;
  }
  if (hero.money < bill) {
    Say(game, slot, "Но у тебя не хватает золота!");
    return;
  }
  // Exactly the bill is paid, and only then are the debt and the marks cleared.
  ChangeMoney(game, -bill);
  OwnCarriedGoods(game);
  Say(game, slot, "Спасибо за покупку!");
}

void Fermer(Game& game, int slot) {
  if (IsHostile(game, slot)) {
    Say(game, slot, kUnworthy);
    return;
  }
  constexpr std::array<std::string_view, 2> kGreeting = {
      "Ааа, искатель приключений! Наверное, проголодался?",
      "Так вот, могу сказать, что у меня ты в любое время можешь купить буханку отборного хлеба.",
  };
  SayAll(game, slot, kGreeting);
  const int price = game.world.hero.quests[quest_entry::kCatacombs] >= kQuestDone
                        ? kBreadPriceAfterCatacombs
                        : kBreadPrice;
  if (!AskAs(game, slot,
             "Для тебя она будет стоить " + std::to_string(price) +
                 " золотых монет. Хочешь купить?")) {
    return;
  }
  const int32_t count = BuyCount(game, price);
  if (count < 1) return;
  ShowMessage(game, SpeakerName(game, slot) + " передал тебе буханки хлеба.");
  // Bread that cannot be made is not sold: the money goes back.
  if (!GiveItems(game, item_type::kBread, count)) GiveMoney(game, count * price);
}

}  // namespace zaldrun
