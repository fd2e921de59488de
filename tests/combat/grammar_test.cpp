#include "combat/grammar.hpp"

#include <gtest/gtest.h>

#include <string>

namespace zaldrun {
namespace {

TEST(PickByGender, ChoosesTheForm) {
  EXPECT_EQ(PickByGender(1, "ое ", "ая ", "ый "), "ая ");
  EXPECT_EQ(PickByGender(0, "ое ", "ая ", "ый "), "ый ");
  EXPECT_EQ(PickByGender(2, "ое ", "ая ", "ый "), "ое ");
  EXPECT_EQ(PickByGender(3, "ое ", "ая ", "ый "), "");
}

// Every sentence about a monster in each gender; 7 is out of range and speaks as masculine.
struct GenderCase {
  int gender;
  const char* misses;
  const char* bite_no_harm;
  const char* touch_warded;
  const char* ignores;
};

TEST(MessageGrammar, SentencesAgreeWithTheGender) {
  const GenderCase cases[] = {
      {0, "Паук промахнулся по тебе.", "Паук укусил тебя, но не причинил никаких повреждений.",
       "Паук попытался дотронуться до тебя, но наткнулся на какую-то невидимую преграду.",
       "Но он не обратил на это внимания."},
      {1, "Паук промахнулась по тебе.", "Паук укусила тебя, но не причинила никаких повреждений.",
       "Паук попыталась дотронуться до тебя, но наткнулась на какую-то невидимую преграду.",
       "Но она не обратила на это внимания."},
      {2, "Паук промахнулось по тебе.", "Паук укусило тебя, но не причинило никаких повреждений.",
       "Паук попыталось дотронуться до тебя, но наткнулось на какую-то невидимую преграду.",
       "Но оно не обратило на это внимания."},
      {3, "Паук промахнулись по тебе.", "Паук укусили тебя, но не причинили никаких повреждений.",
       "Паук попытались дотронуться до тебя, но наткнулись на какую-то невидимую преграду.",
       "Но они не обратили на это внимания."},
      {7, "Паук промахнулся по тебе.", "Паук укусил тебя, но не причинил никаких повреждений.",
       "Паук попытался дотронуться до тебя, но наткнулся на какую-то невидимую преграду.",
       "Но он не обратил на это внимания."},
  };
  for (const GenderCase& c : cases) {
    SCOPED_TRACE(c.gender);
    EXPECT_EQ(MissesYouText("Паук", c.gender), c.misses);
    EXPECT_EQ(NoHarmText("Паук", HitPhrase(2, c.gender, false), c.gender), c.bite_no_harm);
    EXPECT_EQ(WardedText("Паук", AttemptPhrase(5), c.gender), c.touch_warded);
    EXPECT_EQ(IgnoresText(c.gender), c.ignores);
  }
}

TEST(MessageGrammar, BlowPhrasesByKind) {
  struct {
    int kind;
    bool pierced;
    const char* attempt;
    const char* hit;
  } const cases[] = {
      {1, false, "ударить тебя", "ударила тебя"},
      {2, false, "укусить тебя", "укусила тебя"},
      {3, false, "ужалить тебя", "ужалила тебя"},
      {4, false, "ударить тебя когтями", "ударила тебя когтями"},
      {5, false, "дотронуться до тебя", "прикоснулась к тебе"},
      {6, false, "ударить тебя", "ударила тебя"},  // kind 6 has no words of its own
      {4, true, "ударить тебя когтями", "пробила сквозь твою броню и ударила тебя когтями"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(AttemptPhrase(c.kind), c.attempt);
    EXPECT_EQ(HitPhrase(c.kind, 1, c.pierced), c.hit);
  }
}

TEST(MessageGrammar, SpitsThrowsAndShots) {
  EXPECT_EQ(AcidSpitText("Слизь", 1, SpitOutcome::kHit, 7),
            "Слизь плюнула в тебя кислотой и попала (7).");
  EXPECT_EQ(AcidSpitText("Слизни", 3, SpitOutcome::kMiss, 0),
            "Слизни плюнули в тебя кислотой, но промазали.");
  EXPECT_EQ(AcidSpitText("Слизень", 0, SpitOutcome::kNoHarm, 0),
            "Слизень плюнул в тебя кислотой, но не причинил никаких повреждений.");
  EXPECT_EQ(ThrowsAtYouText("Гоблин", 0), "Гоблин бросил в тебя ");
  EXPECT_EQ(ShootsAtYouText("Разбойница", 1, false), "Разбойница стрельнула в тебя из лука");
  EXPECT_EQ(ShootsAtYouText("Стрелки", 3, true), "Стрелки стрельнули в тебя из арбалета");
}

}  // namespace
}  // namespace zaldrun
