#include "combat/grammar.hpp"

#include <array>

namespace zaldrun {

namespace {

constexpr std::array<VerbEndings, 4> kEndings = {{
    {"", "ся", " "},  // masculine: "ударил", "промахнулся", "Но он не обратил"
    {"а", "ась", "а "},  // feminine
    {"о", "ось", "о "},  // neuter
    {"и", "ись", "и "},  // plural
}};

struct BlowPhrases {
  std::string_view attempt;
  std::string_view stem;  // takes the plain ending, or the reflexive one for a touch
  std::string_view rest;
  bool reflexive;
};

// Kinds 1..5; kind 6 has no words of its own and speaks as kind 1.
constexpr std::array<BlowPhrases, 5> kBlows = {{
    {"ударить тебя", "ударил", " тебя", false},
    {"укусить тебя", "укусил", " тебя", false},
    {"ужалить тебя", "ужалил", " тебя", false},
    {"ударить тебя когтями", "ударил", " тебя когтями", false},
    {"дотронуться до тебя", "прикоснул", " к тебе", true},
}};

const BlowPhrases& BlowOfKind(int kind) {
  return kBlows[kind >= 1 && kind <= 5 ? static_cast<size_t>(kind - 1) : 0];
}

std::string Joined(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces) text += piece;
  return text;
}

}  // namespace

std::string PickByGender(int gender, std::string_view neuter, std::string_view feminine,
                         std::string_view masculine) {
  switch (gender) {
    case 0:
      return std::string(masculine);
    case 1:
      return std::string(feminine);
    case 2:
      return std::string(neuter);
    default:
      return std::string();
  }
}

VerbEndings EndingsFor(int gender) {
  return kEndings[gender >= 0 && gender <= 3 ? static_cast<size_t>(gender) : 0];
}

std::string AttemptPhrase(int kind) { return std::string(BlowOfKind(kind).attempt); }

std::string HitPhrase(int kind, int gender, bool pierced) {
  const VerbEndings endings = EndingsFor(gender);
  const BlowPhrases& blow = BlowOfKind(kind);
  std::string phrase;
  if (pierced) phrase = Joined({"пробил", endings.plain, " сквозь твою броню и "});
  return phrase +
         Joined({blow.stem, blow.reflexive ? endings.reflexive : endings.plain, blow.rest});
}

std::string MissesYouText(std::string_view name, int gender) {
  return Joined({name, " промахнул", EndingsFor(gender).reflexive, " по тебе."});
}

std::string NoHarmText(std::string_view name, std::string_view hit_phrase, int gender) {
  return Joined({name, " ", hit_phrase, ", но не причинил", EndingsFor(gender).plain,
                 " никаких повреждений."});
}

std::string WardedText(std::string_view name, std::string_view attempt_phrase, int gender) {
  const std::string_view er = EndingsFor(gender).reflexive;
  return Joined({name, " попытал", er, " ", attempt_phrase, ", но наткнул", er,
                 " на какую-то невидимую преграду."});
}

std::string IgnoresText(int gender) {
  const std::string_view eo = EndingsFor(gender).pronoun;
  return Joined({"Но он", eo, "не обратил", eo, "на это внимания."});
}

std::string AcidSpitText(std::string_view name, int gender, SpitOutcome outcome, int damage) {
  const std::string_view ep = EndingsFor(gender).plain;
  switch (outcome) {
    case SpitOutcome::kMiss:
      return Joined({name, " плюнул", ep, " в тебя кислотой, но промазал", ep, "."});
    case SpitOutcome::kNoHarm:
      return Joined(
          {name, " плюнул", ep, " в тебя кислотой, но не причинил", ep, " никаких повреждений."});
    case SpitOutcome::kHit:
      break;
  }
  return Joined(
      {name, " плюнул", ep, " в тебя кислотой и попал", ep, " (", std::to_string(damage), ")."});
}

std::string ThrowsAtYouText(std::string_view name, int gender) {
  return Joined({name, " бросил", EndingsFor(gender).plain, " в тебя "});
}

std::string ShootsAtYouText(std::string_view name, int gender, bool crossbow) {
  return Joined({name, " стрельнул", EndingsFor(gender).plain,
                 crossbow ? " в тебя из арбалета" : " в тебя из лука"});
}

}  // namespace zaldrun
