#include "quests/conversation.hpp"

#include <algorithm>
#include <limits>

#include "base/utf8.hpp"
#include "engine/message_line.hpp"
#include "items/equipment.hpp"
#include "items/item_maker.hpp"
#include "items/item_operations.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "model/type_info.hpp"

namespace zaldrun {
namespace {

// Lower case for the answers: ASCII and the Russian alphabet (Ё too).
char32_t Lower(char32_t ch) {
  if (ch >= U'A' && ch <= U'Z') return ch + 32;
  if (ch >= U'А' && ch <= U'Я') return ch + 32;
  if (ch == U'Ё') return U'ё';
  return ch;
}

bool LikeFrom(const std::u32string& text, size_t t, const std::u32string& pattern, size_t p) {
  while (p < pattern.size()) {
    if (pattern[p] == U'*') {
      // A run of stars matches anything: try every remaining tail.
      while (p < pattern.size() && pattern[p] == U'*') ++p;
      if (p == pattern.size()) return true;
      for (size_t from = t; from <= text.size(); ++from) {
        if (LikeFrom(text, from, pattern, p)) return true;
      }
      return false;
    }
    if (t == text.size()) return false;
    if (pattern[p] != U'?' && Lower(pattern[p]) != Lower(text[t])) return false;
    ++p;
    ++t;
  }
  return t == text.size();
}

std::string TrimSpaces(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

std::string SpeakerName(const Game& game, int slot) {
  if (slot < 1 || slot > game.world.level.monster_count) return {};
  return MonsterTypeName(game, game.world.level.Monster(slot).type, 1);
}

bool IsHostile(const Game& game, int slot) {
  return slot >= 1 && slot <= game.world.level.monster_count &&
         game.world.level.Monster(slot).peaceful == 0;
}

void SpeakAs(Game& game, int slot, std::string_view verb, std::string_view text, int flags) {
  std::string line = SpeakerName(game, slot);
  line += verb;
  line += '"';
  line += text;
  line += '"';
  ShowMessage(game, line, flags);
}

void Say(Game& game, int slot, std::string_view text, int flags) {
  SpeakAs(game, slot, IsHostile(game, slot) ? " кричит: " : " говорит: ", text, flags);
}

void SayAll(Game& game, int slot, std::span<const std::string_view> lines) {
  for (std::string_view line : lines) Say(game, slot, line);
}

bool Like(std::string_view text, std::string_view pattern) {
  return LikeFrom(DecodeUtf8(text), 0, DecodeUtf8(pattern), 0);
}

bool LikeAny(std::string_view text, std::span<const std::string_view> patterns) {
  return std::any_of(patterns.begin(), patterns.end(),
                     [text](std::string_view pattern) { return Like(text, pattern); });
}

std::string AskTopic(Game& game, std::span<const std::string_view> topics) {
  AnswerList& chat = game.view.chat;
  chat.lines.assign(topics.begin(), topics.end());
  chat.selected = 0;
  chat.tag = 0;
  chat.visible = !chat.lines.empty();
  ShowMessage(game, "Что ответить?", msg::kEntry | msg::kNoLog);
  chat.visible = false;
  std::string answer = TrimSpaces(game.view.number_input.text);
  game.view.number_input.text.clear();
  return answer;
}

bool SaysGoodbye(std::string_view answer) { return Like(answer, "*пока*"); }

void TalkOverTopics(Game& game, int slot,
                    const std::function<std::span<const std::string_view>()>& topics,
                    const std::function<Reply(std::string_view answer)>& reply) {
  for (int round = 0; round < kMostAnswers && !game.GameOver(); ++round) {
    const std::string answer = AskTopic(game, topics());
    if (game.GameOver() || answer.empty() || SaysGoodbye(answer)) return;
    const Reply result = reply(answer);
    if (result == Reply::kTalkEnds) return;
    if (result == Reply::kNoMatch) Say(game, slot, kNotUnderstood);
  }
}

void Narrate(Game& game, std::span<const std::string_view> lines) {
  for (std::string_view line : lines) ShowMessage(game, line);
}

int Roll(Game& game, int range) { return static_cast<int>(game.random.Next() * range); }

bool AskYesNo(Game& game, std::string_view question) {
  ShowMessage(game, question, msg::kQuestion);
  return TakeYes(game);
}

bool AskAs(Game& game, int slot, std::string_view question) {
  Say(game, slot, question, msg::kQuestion);
  return TakeYes(game);
}

std::optional<int32_t> AskCount(Game& game, int32_t most) {
  game.view.number_input.preset = "1";
  ShowMessage(game, "Сколько?", msg::kEntry | msg::kNoLog);
  const std::string typed = game.view.number_input.text;
  game.view.number_input.text.clear();
  if (most < 1) return std::nullopt;
  return ParseAmount(typed, most);
}

int32_t Affordable(const Game& game, int64_t price) {
  if (price < 1 || game.world.hero.money < 1) return 0;
  return static_cast<int32_t>(
      std::min<int64_t>(game.world.hero.money / price, std::numeric_limits<int32_t>::max()));
}

bool Pay(Game& game, int64_t amount) {
  if (amount < 0 || amount > game.world.hero.money) {
    ShowMessage(game, "Ты ошибся. Нету у тебя таких денег.");
    return false;
  }
  ChangeMoney(game, static_cast<int32_t>(-amount));
  return true;
}

int32_t BuyCount(Game& game, int64_t price) {
  // Any whole number is taken at first, so that asking for more than the purse holds is answered
  // as a shortage rather than ignored.
  const std::optional<int32_t> count = AskCount(game, std::numeric_limits<int32_t>::max());
  if (!count) return 0;
  if (*count > Affordable(game, price)) {
    ShowMessage(game, "Ты ошибся. Нету у тебя таких денег.");
    return 0;
  }
  if (!Pay(game, price * *count)) return 0;
  return *count;
}

bool GiveItems(Game& game, int type, int32_t count) {
  if (count < 1) return false;
  ItemRequest request;
  request.type = type;
  request.count = count;
  request.blessing = blessing::kUncursed;
  request.identified = 1;
  request.prefix = 0;
  request.suffix = 0;
  const std::optional<ItemRecord> item = MakeItem(game, request);
  return item && GiveItem(game, *item);
}

bool GiveItem(Game& game, const ItemRecord& item) {
  if (TakeIntoPack(game, item)) return true;
  // A full pack: the goods are put down at the hero's feet rather than lost.
  ShowMessage(game, kPackFullMessage);
  return PlaceItem(game, game.world.hero.x, game.world.hero.y, item, false);
}

void GiveMoney(Game& game, int32_t amount) {
  if (amount > 0) ChangeMoney(game, amount);
}

}  // namespace zaldrun
