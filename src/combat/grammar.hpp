// The grammar of messages about creatures and things: word forms that agree with gender, and the
// sentences about monsters built from their names and the endings of their gender.
#pragma once

#include <string>
#include <string_view>

namespace zaldrun {

// gender 0 masculine, 1 feminine, 2 neuter; anything else gives an empty text.
std::string PickByGender(int gender, std::string_view neuter, std::string_view feminine,
                         std::string_view masculine);

// The endings a past-tense verb takes after the creature's gender (0 masculine, 1 feminine,
// 2 neuter, 3 plural; any other value counts as masculine): plain after "ударил", reflexive after
// "промахнул", and the pronoun ending after "Но он", which carries its own blank.
struct VerbEndings {
  std::string_view plain;
  std::string_view reflexive;
  std::string_view pronoun;
};
VerbEndings EndingsFor(int gender);

// What a monster's melee blow of kind 1..6 tries ("укусить тебя") and does ("укусил тебя"). Kind 6
// and any unknown kind speak as kind 1. An armour-piercing hit reads "пробил сквозь твою броню и
// укусил тебя".
std::string AttemptPhrase(int kind);
std::string HitPhrase(int kind, int gender, bool pierced);

// "Крыса промахнулась по тебе."
std::string MissesYouText(std::string_view name, int gender);
// "Крыса укусила тебя, но не причинила никаких повреждений."
std::string NoHarmText(std::string_view name, std::string_view hit_phrase, int gender);
// "Крыса попыталась укусить тебя, но наткнулась на какую-то невидимую преграду."
std::string WardedText(std::string_view name, std::string_view attempt_phrase, int gender);
// "Но она не обратила на это внимания."
std::string IgnoresText(int gender);

// The acid spit: hit with its damage, missed, or harmless.
enum class SpitOutcome { kHit, kMiss, kNoHarm };
std::string AcidSpitText(std::string_view name, int gender, SpitOutcome outcome, int damage);
// The beginnings of a monster's throw and shot, which the missile's own words complete:
// "Гоблин бросил в тебя ", "Разбойница стрельнула в тебя из лука".
std::string ThrowsAtYouText(std::string_view name, int gender);
std::string ShootsAtYouText(std::string_view name, int gender, bool crossbow);

}  // namespace zaldrun
