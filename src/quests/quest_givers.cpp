// The quest givers beside the elder: Каргуд and the catacombs, the goblin chief and the witch's
// curse, old Чупакабра and Чазор's treasure; in the town, Кычкыдум and his bracelet, and Корнавин
// who knows about Кави and the tomb.
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "creatures/monster_table.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "engine/monsters_on_level.hpp"
#include "items/equipment.hpp"
#include "items/item_lookup.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "quests/conversation.hpp"
#include "quests/quest_talk.hpp"
#include "quests/talk_handlers.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_type_ids.hpp"
#include "records/quest_list.hpp"

namespace zaldrun {
namespace {

// ---- Каргуд ----

constexpr int kCatacombLevels = 4;
constexpr int kCatacombExperience = 300;

constexpr std::string_view kCatacombStory[] = {
    "О, может быть ты сможешь мне помочь?",
    "Когда я строил свой дом, я и не знал, что под ним древние катакомбы.",
    "Недавно из подвала полезли какие-то твари. Я едва успел выскочить и запереть дверь.",
    "Теперь я не могу вернуться домой, а твари в подвале всё плодятся.",
    "Ты похоже, единственный, кто может мне помочь. Если ты расчистишь все четыре яруса катакомб, "
    "я буду очень благодарен тебе.",
};
constexpr std::string_view kCatacombsCleared[] = {
    "Ты действительно перебил всю живность в подземельях? Наконец-то я могу вернуться в свой дом!",
    "Надеюсь, больше там тварей не появится.",
    "Ладно, вот тебе немного денег за твою помощь. И ещё, я рассказал жителям о твоём поступке.",
    "Теперь Дарон и Негиф согласились дешевле продавать тебе товары.",
};

bool CatacombsCleared(Game& game) {
  for (int level = 0; level < kCatacombLevels; ++level) {
    if (QuestState(game, quest_entry::kFirstClearedTier + level) < 1) return false;
  }
  return true;
}

// ---- the goblin chief ----

constexpr int kWitchExperience = 250;

constexpr std::string_view kGoblinsStay[] = {
    "Зачем твоя сюда приходить? Твоя здесь не место!",
    "Твоя просить моя уходить? Моя никуда не уходить!",
    "Моя сюда приходить, чтобы от злой-злой ведьма прятаться!",
};
constexpr std::string_view kCurseLifted[] = {
    "Ааа! Лягушка обрано в гоблин превращаться!",
    "Твоя злой-злой ведьма убить, страшный проклятие снимать!",
    "Моя говорить спасибо! Моя дарить твоя подарок!",
};

// The chief's gift is the tribe's own club (made for nobody else, never found at random), laid at
// the hero's feet; into the pack only when the floor has no room.
void PlaceGoblinGift(Game& game) {
  ItemRequest request;
  request.type = item_type::kGoblinGift;
  request.count = 1;
  request.blessing = blessing::kRandomKnown;
  request.identified = 1;
  const std::optional<ItemRecord> gift = MakeItem(game, request);
  if (!gift) return;
  if (!PlaceItem(game, game.world.hero.x, game.world.hero.y, *gift, false)) {
    TakeIntoPack(game, *gift);
  }
}

// ---- old Чупакабра ----

constexpr int kTreasureTold = 1;
constexpr int kTreasureFound = 2;
constexpr int kGhostRisen = 3;
constexpr int kStoryChance = 4;  // one talk in four, until he has told it

// A line of his: spoken aloud, or what the hero sees him do.
struct Rambling {
  bool spoken;
  std::string_view text;
};
constexpr Rambling kRamblings[] = {
    {false, "Старик смотрит куда-то вдаль безумными глазами."},
    {true, "Я вижу... баклажаны... аааа... слоны... летают..."},
    {false, "Старик тихо напевает что-то себе под нос."},
    {true, "Мел!"},
    {false, "Старик что-то бормочет и чешет затылок."},
    {true, "Баклажаны... Они везде... Они следят за мной!"},
    {true, "Ручей журчит... считает... раз, два, пять..."},
    {true, "Ты тоже слышишь, как поют камни?"},
};
constexpr std::string_view kTreasureLines[] = {
    "Они должны быть где-то здесь! Около ручья!",
    "Но тебе никогда не найти сокровища Чазора!",
    "Он спрятал их для того, чтобы их нашёл Я!",
};
constexpr Rambling kUnmasking[] = {
    {false, "Старик смотрит на тебя. Его взгляд стал осмысленным."},
    {true, "КАК?!? ТЫ НАШЁЛ ИХ?!"},
    {true, "Это не может... не может быть!"},
    {false, "Старик злобно улыбнулся."},
    {true, "Ну ничего... Ты отдашь мне МОИ вещи!"},
};
constexpr std::string_view kGhostThreat[] = {
    "Ты, ЖаЛкИй СмЕрТнЫй, ПоСмЕл ВзЯтЬ МоИ СоКрОвИщА!",
    "Я, ЧаЗоР, ПрИзРаК РаСкОлОтОгО КаМнЯ, ОтПрАвЛю ТеБя В аД!!! УмРи!",
};

void SayOrShow(Game& game, int slot, const Rambling& line) {
  if (line.spoken) {
    Say(game, slot, line.text);
  } else {
    ShowMessage(game, line.text);
  }
}

// The treasure found: the old man was Чазор all along. He goes from the level and the ghost rises
// on his cell, awake and hostile; the story's entry moves on so this happens once.
void RiseAsGhost(Game& game, int slot) {
  for (const Rambling& line : kUnmasking) SayOrShow(game, slot, line);
  const int x = game.world.level.Monster(slot).x;
  const int y = game.world.level.Monster(slot).y;
  RemoveMonster(game, slot);  // the later slots move down: `slot` names nobody now
  QuestState(game, quest_entry::kTreasure) = kGhostRisen;
  ShowMessage(game, "Внезапно Чупакабра превращается в призрака!");
  const int ghost = CreateMonster(game, x, y, monster_type::kGhost, 0, 0);
  if (ghost == 0) return;
  game.world.level.Monster(ghost).state = -1;  // awake
  SayAll(game, ghost, kGhostThreat);
}

// ---- Кычкыдум ----

constexpr int kBraceletPrice = 5000;
constexpr int kBraceletExperience = 400;

constexpr std::string_view kBraceletOffer[] = {
    "Ты чего здесь делаешь, прокажённый хомяк?!",
    "А, ты ещё и глухой... Ладно, слушай сюда, раз уж припёрся.",
    "Я послал одного деревенского дурачка, Кави, в гробницу Ар'Кхамета за браслетом.",
    "Этот болван до сих пор не вернулся! Наверное, сбежал с МОИМ браслетом!",
    "За браслет я заплачу 5000 монет. Неважно, достанешь ли ты его из гробницы или отберёшь у "
    "этого идиота. Ясно?",
    "Теперь ПШЁЛ! И без браслета не возвращайся!",
};
constexpr std::string_view kBraceletBought[] = {
    "Где браслет?! ГДЕ?!? Нашёл, чтоли?",
    "Дай сюда! ДАЙ!",
    "Да, это он... Браслет Ар'Кхамета... МОЙ браслет!",
    "Ну тогда забирай свои копейки и ПШЁЛ!",
};

// Takes Ар'Кхамет's bracelet from the hero: out of the pack, or off his wrist with everything it
// gave him. False when he does not carry it.
bool TakeBracelet(Game& game) {
  const int where = FindCarried(game, item_type::kBracelet);
  if (where > 0) {
    return RemoveFromPack(game, CategoryOf(game, item_type::kBracelet), where, 1);
  }
  if (where < 0) return ClearSlot(game, -where).count > 0;
  return false;
}

// ---- Корнавин ----

// Whether the traveller has introduced himself: the first entry after the notebook's quests.

constexpr std::string_view kTravellerGreeting[] = {
    "Привет тебе. Я непомню, чтобы жил где-то поблизости. Ты путешественник?",
    "Я много путешесетвовал в этих краях, и хорошо знаю эту землю.",
    "Поэтому, если тебе будет нужен совет, обращайся ко мне.",
};
constexpr std::string_view kTravellerTopics[] = {"пока", "Кави", "гробница"};
constexpr std::string_view kAboutKavi[] = {
    "Хм... Он из деревни? Хм...",
    "Кажется, я видел такого мальчишку. Он спрашивал дорогу к гробнице Ар'Кхамета.",
    "Говорил, что Кычкыдум обещал ему кучу золота за какую-то безделушку оттуда.",
    "И этот дурак согласился!",
};
constexpr std::string_view kAboutTomb[] = {
    "Что? Кычкыдум послал тебя ТУДА? И этого Кави тоже?",
    "Гробница Ар'Кхамета - проклятое место. Оттуда ещё никто не возвращался.",
    "Когда древнего короля похоронили, вход замуровали, а ловушки оставили.",
    "В гробницу не войти. Но если найти чёрный ход?",
    "Рядом с гробницей есть муравейник. Говорят, его ходы ведут прямо под её стены.",
    "Муравейник не простой, а ОГРОМНЫЙ. Муравьи там размером с быка...",
    "А самых страшных охранников Ар'Кхамет поставил недалеко от входа.",
};

}  // namespace

void Ohotnik(Game& game, int slot) {
  if (IsHostile(game, slot)) {
    Say(game, slot, "Умри!");
    return;
  }
  int16_t& catacombs = QuestState(game, quest_entry::kCatacombs);
  if (catacombs == 0) {
    SpeakAs(game, slot,
            ", не замечая тебя, ругается: ", "Будь проклят тот день, когда я построил свой дом!");
    ShowMessage(game, "Потом он замечает тебя и успокаивается.");
    SayAll(game, slot, kCatacombStory);
    catacombs = 1;
  } else if (catacombs >= kQuestDone) {
    Say(game, slot, "Спасибо тебе ещё раз!");
    if (FindCarried(game, item_type::kStoneTablet) != 0) {
      Say(game, slot,
          "А эту табличку я впревые в жизни вижу и прочитать не могу. Попроси лучше Дарона.");
    }
  } else if (CatacombsCleared(game)) {
    SayAll(game, slot, kCatacombsCleared);
    GiveReward(game, Roll(game, 100) + 300, kCatacombExperience);
    catacombs = kQuestDone;
  } else {
    Say(game, slot,
        "Ты ещё не справился? Печально... Мне остается только сидеть тут до тех пор, пока эти "
        "твари не проломят дверь...");
  }
}

void Gobagoba(Game& game, int slot) {
  if (IsHostile(game, slot)) {
    Chukcha(game, slot);  // the chief threatens as his goblins do
    return;
  }
  int16_t& witch = QuestState(game, quest_entry::kWitch);
  if (witch == 0) {
    SayAll(game, slot, kGoblinsStay);
    witch = 1;
  } else if (witch == 2) {
    for (std::string_view line : kCurseLifted) SpeakAs(game, slot, " радостно кричит: ", line);
    PlaceGoblinGift(game);
    GainExperience(game, kWitchExperience);
    witch = kQuestDone;
  } else if (witch >= kQuestDone) {
    Say(game, slot, "Твоя моя друг! Моя твоя никогда не трогать!");
  } else {
    Say(game, slot, "Моя никуда не уходить, моя бояться злой-злой ведьма!");
  }
}

void Dedok(Game& game, int slot) {
  // Чазор answers to the same name, and only with hatred.
  if (game.world.level.Monster(slot).type == monster_type::kGhost) {
    SpeakAs(game, slot, " шипит: ", "Ты РаЗоЗлИл МеНя, СмЕрТнЫй! УмРи!!!");
    return;
  }
  if (IsHostile(game, slot)) {
    Say(game, slot, "Ааа! На меня напал живой баклажан!");
    return;
  }
  int16_t& story = QuestState(game, quest_entry::kTreasure);
  if (story == kTreasureFound) {
    RiseAsGhost(game, slot);
  } else if (story < kTreasureTold && Roll(game, kStoryChance) == 0) {
    SayAll(game, slot, kTreasureLines);
    story = kTreasureTold;
  } else {
    SayOrShow(game, slot, kRamblings[Roll(game, static_cast<int>(std::size(kRamblings)))]);
  }
}

void Balbes(Game& game, int slot) {
  if (IsHostile(game, slot)) {
    Say(game, slot, "ЫБЫ? АЛУАУР!");
    return;
  }
  int16_t& bracelet = QuestState(game, quest_entry::kBracelet);
  if (bracelet == 0) {
    SayAll(game, slot, kBraceletOffer);
    bracelet = 1;
  } else if (bracelet == 1) {
    if (TakeBracelet(game)) {
      SayAll(game, slot, kBraceletBought);
      GiveReward(game, kBraceletPrice, kBraceletExperience);
      bracelet = kQuestDone;
    } else {
      Say(game, slot, "Где браслет?! ГДЕ?!? ПШЁЛ!!!!");
    }
  } else if (bracelet >= kQuestDone) {
    Say(game, slot, "Чего тебе опять!? ПШЁЛ!!!!");
  } else {
    ShowMessage(game, SpeakerName(game, slot) + " смотрит на тебя с презрением и ругается.");
  }
}

void Kornavin(Game& game, int slot) {
  if (IsHostile(game, slot)) {
    Say(game, slot, "Ты недостоин жить!");
    return;
  }
  int16_t& met = QuestState(game, quest_entry::kTravellerMet);
  if (met == 0) {
    SayAll(game, slot, kTravellerGreeting);
    met = 1;
    return;
  }
  Say(game, slot, "Снова привет! Тебе что-то нужно?");
  // Кави and the tomb are topics only once the elder has sent the hero after the boy.
  const auto kavi_begun = [&game] { return QuestState(game, quest_entry::kKavi) >= 1; };
  TalkOverTopics(
      game, slot,
      [&] {
        return std::span<const std::string_view>(kTravellerTopics).first(kavi_begun() ? 3 : 1);
      },
      [&](std::string_view answer) -> Reply {
        if (!kavi_begun()) return Reply::kNoMatch;
        if (Like(answer, "*кави*")) {
          SayAll(game, slot, kAboutKavi);
          return Reply::kAnswered;
        }
        if (Like(answer, "*гробниц*")) {
          SayAll(game, slot, kAboutTomb);
          QuestState(game, quest_entry::kTombTold) = 1;
          return Reply::kAnswered;
        }
        return Reply::kNoMatch;
      });
}

}  // namespace zaldrun
