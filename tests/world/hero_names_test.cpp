#include "world/hero_names.hpp"

#include <gtest/gtest.h>

namespace zaldrun {
namespace {

TEST(HeroNames, NormalFormTrimsJoinsBlanksAndCuts) {
  struct Case {
    const char* typed;
    const char* normal;
  } cases[] = {
      {"  Вася  ", "Вася"},
      {"Вася   Пупкин", "Вася Пупкин"},
      {"\tЁжик_2-й", "Ёжик_2-й"},
      {"   ", ""},
      {"", ""},
      // 41 letters: cut to 40, and a blank left at the cut goes too.
      {"ААААААААААААААААААААААААААААААААААААААААБ", "АААААААААААААААААААААААААААААААААААААААА"},
      {"АААААААААААААААААААААААААААААААААААААААА Б", "АААААААААААААААААААААААААААААААААААААААА"},
      {"ААААААААААААААААААААААААААААААААААААААА Б", "ААААААААААААААААААААААААААААААААААААААА"},
  };
  for (const Case& c : cases) {
    std::string error;
    const auto normal = NormalHeroName(c.typed, &error);
    ASSERT_TRUE(normal.has_value()) << c.typed << ": " << error;
    EXPECT_EQ(*normal, c.normal) << c.typed;
  }
}

TEST(HeroNames, RefusesEverythingThatCouldLeaveTheFolder) {
  for (const char* typed : {"../Вася", "Вася/Петя", "a\\b", ".hidden", "Вася.sav", "a:b", "x\ny",
                            "名前", "Ñandú", "€uro", "Вася\x01", "Вася*"}) {
    std::string error;
    EXPECT_FALSE(NormalHeroName(typed, &error).has_value()) << typed;
    EXPECT_NE(error.find("буквы, цифры"), std::string::npos);
  }
  // Cyrillic letters of the code page beyond Russian are letters too.
  EXPECT_TRUE(NormalHeroName("Їжак Ґава Ўладзь", nullptr).has_value());
  EXPECT_EQ(CleanHeroName("../Ва/ся.sav\t"), "Васяsav");
}

TEST(HeroNames, SameNameIgnoresLetterCaseInBothAlphabets) {
  EXPECT_TRUE(SameHeroName("Вася", "вАСЯ"));
  EXPECT_TRUE(SameHeroName("Ёжик", "ёЖИК"));
  EXPECT_TRUE(SameHeroName("Conan_1", "conan_1"));
  EXPECT_TRUE(SameHeroName("Їжак", "їжак"));
  EXPECT_FALSE(SameHeroName("Вася", "Васяа"));
  EXPECT_FALSE(SameHeroName("Ежик", "Ёжик"));
}

}  // namespace
}  // namespace zaldrun
