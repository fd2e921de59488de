// The pieces every talk is made of: who speaks and how, the answer list "Что ответить?" with its
// wildcard topics, yes/no questions, the "Сколько?" count and paying for what is bought.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zaldrun {

struct Game;
struct ItemRecord;

// The monster in `slot`: its type's nominative name, and whether it has turned on the hero.
std::string SpeakerName(const Game& game, int slot);
bool IsHostile(const Game& game, int slot);

// name + verb + the text in double quotes, e.g. `Браннус говорит: "..."`.
void SpeakAs(Game& game, int slot, std::string_view verb, std::string_view text, int flags = 0);
// " говорит: " for a peaceful speaker, " кричит: " for a hostile one.
void Say(Game& game, int slot, std::string_view text, int flags = 0);
// Several lines of one speaker in a row.
void SayAll(Game& game, int slot, std::span<const std::string_view> lines);

// Wildcard match of an answer: '*' any run of characters, '?' one character; letters compare
// without case, Cyrillic included.
bool Like(std::string_view text, std::string_view pattern);
// True when the answer matches any of the patterns.
bool LikeAny(std::string_view text, std::span<const std::string_view> patterns);

// Shows the topics in the answer list and asks "Что ответить?"; returns the answer the player
// chose or typed (empty when he typed nothing and the list was empty).
std::string AskTopic(Game& game, std::span<const std::string_view> topics);
// The reply to an answer that matches no topic.
inline constexpr std::string_view kNotUnderstood = "Ээээ... Чего?";
// True for the answer that ends a talk ("пока").
bool SaysGoodbye(std::string_view answer);

// A talk ends on its own after this many answers, so that a player (or a script) who only presses
// Enter cannot keep it going for ever.
inline constexpr int kMostAnswers = 20;
// What an answer led to.
enum class Reply { kAnswered, kNoMatch, kTalkEnds };
// Asks the topics again and again until "пока", an empty answer, kMostAnswers rounds or a reply
// that ends the talk; an answer `reply` did not understand gets "Ээээ... Чего?" from the speaker in
// `slot`. `topics` is asked before each round, since a talk may open new topics on the way.
void TalkOverTopics(Game& game, int slot,
                    const std::function<std::span<const std::string_view>()>& topics,
                    const std::function<Reply(std::string_view answer)>& reply);
// Lines that tell what happens rather than what is said: shown as they are, without a speaker.
void Narrate(Game& game, std::span<const std::string_view> lines);
// Int(Rnd × range): a whole number 0..range - 1.
int Roll(Game& game, int range);

// A yes/no question: true when the player answered yes.
bool AskYesNo(Game& game, std::string_view question);
// The same question in the speaker's voice.
bool AskAs(Game& game, int slot, std::string_view question);
// "Сколько?" with "1" written in the box: the whole number typed, when it is at least 1 and at
// most `most`; nothing for any other answer.
std::optional<int32_t> AskCount(Game& game, int32_t most);

// How many of an item at `price` each the hero can pay for (0 for a price below 1).
int32_t Affordable(const Game& game, int64_t price);
// Takes `amount` from the hero's money. When he has less: "Ты ошибся. Нету у тебя таких денег."
// and false.
bool Pay(Game& game, int64_t amount);
// Asks "Сколько?" and sells that many at `price` each: the count the hero can pay for, else the
// refusal. Returns the count bought (0 when nothing was).
int32_t BuyCount(Game& game, int64_t price);

// Gives the hero an item: into the pack, or onto his cell when the pack is full.
bool GiveItem(Game& game, const ItemRecord& item);
// Gives the hero `count` new items of `type`, identified and uncursed. Returns false when the type
// cannot be made.
bool GiveItems(Game& game, int type, int32_t count);
// Gives the hero money, shown on the money label.
void GiveMoney(Game& game, int32_t amount);

}  // namespace zaldrun
