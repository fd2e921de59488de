// Браннус, the village elder: he gives the goblin quest, then Кави's and the swamp's, one after
// the other, and pays for each; between them he talks about the village and its people.
#include <span>
#include <string>
#include <string_view>

#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "model/game.hpp"
#include "quests/conversation.hpp"
#include "quests/quest_talk.hpp"
#include "quests/talk_handlers.hpp"
#include "records/monster_type_ids.hpp"
#include "records/quest_list.hpp"

namespace zaldrun {
namespace {

constexpr int kChiefExperience = 400;
constexpr int kGoblinsLeftExperience = 300;
constexpr int kKaviExperience = 200;
constexpr int kSwampExperience = 400;

constexpr std::string_view kFirstMeeting[] = {
    "В нашу маленькую деревушку редко приходят люди. Твоё появление здесь - уже событие. Что же "
    "тебе нужно, чужеземец?",
    "Судя по твоему виду, ты искатель приключений. Вряд ли ты найдёшь здесь что-то, достойное "
    "внимания.",
    "Хотя, ты можешь кое в чём помочь нам. У меня есть для тебя одно задание. Если надумаешь нам "
    "помогать, спрашивай.",
};

constexpr std::string_view kTopics[] = {"пока",   "задание", "деревня",   "Тазар",  "Дарон",
                                        "Каргуд", "Негиф",   "Чупакабра", "Геладан"};

constexpr std::string_view kGoblinStory[] = {
    "Недавно в окрестностях нашей деревни появилось племя гоблинов.",
    "Они поселились в пещерах неподалёку и пока нас не трогают.",
    "Но люди боятся выходить за околицу, а охотники перестали ходить в лес.",
    "Было бы неплохо, если бы ты уговорил их уйти. В крайнем случае можешь их перебить, но это "
    "опасно - их слишком много.",
};
constexpr std::string_view kChiefKilled[] = {
    "Ты убил вождя гоблинов? Прекрасно! Это даже лучше, чем если бы они ушли.",
    "Вот, забирай законную награду.",
};
constexpr std::string_view kGoblinsLeft[] = {
    "Гоблины ушли? Хорошо. Надеюсь, они больше не вернуться.",
    "Вот, забирай законную награду.",
};

constexpr std::string_view kKaviStory[] = {
    "Тут у нас живёт один мальчуган по имени Кави. Вернее, он тут жил.",
    "Несколько дней назад он ушёл в Геладан и до сих пор не вернулся.",
    "Его мать места себе не находит, а у меня нет людей, чтобы искать его.",
    "Сходи в Геладан и узнай, что с ним.",
};
constexpr std::string_view kKaviDead[] = {
    "Что? Кави пошёл в гробницу и умер там?",
    "Это печальная новость. Чтож, спасибо хотя бы, что сообщил это.",
};

constexpr std::string_view kSwampStory[] = {
    "На юге от деревни есть болото.",
    "В последнее время оттуда приходят странные слухи.",
    "Охотники говорят, что видели там чертей. Самых настоящих, с рогами и хвостами!",
    "Я хочу, чтобы сходил в болото и узнал, в чём дело.",
};
constexpr std::string_view kSwampCleared[] = {
    "Что? Маг, призывающий демонов? Слуга Кшадаарга?",
    "Если бы не ты, деревни бы угрожала смертельная опасноть!",
    "Ты теперь стал героем деревни!",
};

// The village lore: the answer to each name the elder is asked about.
struct Lore {
  std::string_view pattern;
  std::string_view lines[3];
};
constexpr Lore kLore[] = {
    {"*деревн*",
     {"Деревня у нас маленькая, но дружная.", "Живём охотой да хлебом, что растит Негиф.",
      "Раньше тут было спокойно, а теперь что ни день, то новая напасть."}},
    {"*тазар*",
     {"Тазар держит лавку в нашей деревне. Торгует всем понемногу.",
      "Только не вздумай у него воровать - он этого не прощает."}},
    {"*дарон*",
     {"Дарон - наш лекарь. Он может вылечить любые раны.",
      "А ещё он учёный человек. Умеет читать даже древние письмена."}},
    {"*каргуд*",
     {"Каргуд - лучший охотник в округе.",
      "Только в последнее время он ходит хмурый. Говорит, у него в подвале завелись какие-то "
      "твари."}},
    {"*негиф*",
     {"Негиф - наш фермер. У него всегда найдётся свежий хлеб.",
      "Если проголодаешься, иди к нему."}},
    {"*чупакабр*",
     {"Чупакабра - старый безумец. Когда-то он был нормальным человеком.",
      "Говорят, он всю жизнь искал какие-то сокровища и совсем из-за них свихнулся.",
      "Не слушай его бред."}},
    {"*геладан*",
     {"Геладан - большой город недалеко отсюда.", "Там можно найти всё, что угодно. И кого угодно.",
      "Будь там осторожен - в городе полно жуликов."}},
};

void TellLore(Game& game, int slot, const Lore& lore) {
  for (std::string_view line : lore.lines) {
    if (!line.empty()) Say(game, slot, line);
  }
}

// The goblins: the story first, then the reward once they are gone. The elder pays more when the
// chief is dead, whether or not anybody asked the goblins to leave.
void GoblinTask(Game& game, int slot) {
  int16_t& goblins = QuestState(game, quest_entry::kGoblins);
  if (goblins == 1) {
    SayAll(game, slot, kGoblinStory);
    goblins = 2;
  } else if (game.world.kill_counts[monster_type::kGoblinChief] >= 1) {
    SayAll(game, slot, kChiefKilled);
    GiveReward(game, Roll(game, 80) + 520, kChiefExperience);
    GiveRandomItem(game);
    goblins = kQuestDone;
  } else if (QuestState(game, quest_entry::kWitch) >= kQuestDone) {
    SayAll(game, slot, kGoblinsLeft);
    GiveReward(game, Roll(game, 65) + 160, kGoblinsLeftExperience);
    GiveRandomItem(game);
    goblins = kQuestDone;
  } else {
    Say(game, slot,
        "Кроме гоблинов, у нас никаких проблем нет. Разве что у Каргуда в подвале какие-то твари "
        "поселились.");
  }
}

// Кави; true once that quest is over.
bool KaviTask(Game& game, int slot) {
  int16_t& kavi = QuestState(game, quest_entry::kKavi);
  if (kavi >= kQuestDone) return true;
  if (kavi == 0) {
    SayAll(game, slot, kKaviStory);
    kavi = 1;
  } else if (kavi == 2) {
    SayAll(game, slot, kKaviDead);
    GainExperience(game, kKaviExperience);
    kavi = kQuestDone;
    return true;
  } else {
    Say(game, slot, "Кави всё ещё не вернулся.");
  }
  return false;
}

void SwampTask(Game& game, int slot) {
  int16_t& swamp = QuestState(game, quest_entry::kSwamp);
  if (swamp >= kQuestDone) {
    Say(game, slot, "Больше мне нечего тебе предложить.");
  } else if (swamp == 0) {
    SayAll(game, slot, kSwampStory);
    swamp = 1;
  } else if (swamp == 2) {
    SayAll(game, slot, kSwampCleared);
    GiveReward(game, Roll(game, 95) + 129, kSwampExperience);
    swamp = kQuestDone;
  } else {
    Say(game, slot, "Ну как? Видел чертей?");
  }
}

// One task at a time: the goblins, then Кави, then the swamp. The news of Кави's death is
// followed at once by the next task.
void Task(Game& game, int slot) {
  if (QuestState(game, quest_entry::kGoblins) < kQuestDone) {
    GoblinTask(game, slot);
  } else if (KaviTask(game, slot)) {
    SwampTask(game, slot);
  }
}

}  // namespace

void Starosta(Game& game, int slot) {
  if (IsHostile(game, slot)) {
    Say(game, slot, "Ты недостоин жить!");
    return;
  }
  int16_t& goblins = QuestState(game, quest_entry::kGoblins);
  if (goblins == 0) {
    ShowMessage(game, SpeakerName(game, slot) + " удивленно смотрит на тебя.", msg::kAcknowledge);
    SayAll(game, slot, kFirstMeeting);
    goblins = 1;
    return;
  }
  Say(game, slot, "А, ты вернулся! Что тебе нужно?");
  TalkOverTopics(
      game, slot, [] { return std::span<const std::string_view>(kTopics); },
      [&](std::string_view answer) -> Reply {
        if (Like(answer, "*задани*")) {
          Task(game, slot);
          return Reply::kAnswered;
        }
        for (const Lore& lore : kLore) {
          if (Like(answer, lore.pattern)) {
            TellLore(game, slot, lore);
            return Reply::kAnswered;
          }
        }
        return Reply::kNoMatch;
      });
}

}  // namespace zaldrun
