#include "base/cp1251.hpp"

#include <gtest/gtest.h>

#include "base/utf8.hpp"

namespace zaldrun {
namespace {

TEST(Cp1251, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = Cp1251ToUtf8(all);
  EXPECT_EQ(Utf8Length(utf8), 256u);
  EXPECT_EQ(Utf8ToCp1251(utf8), all);
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(UnicodeToCp1251(Cp1251ToUnicode(static_cast<uint8_t>(b))), b) << b;
  }
}

TEST(Cp1251, KnownLettersAndGlyphs) {
  EXPECT_EQ(Utf8ToCp1251("Вася"), "\xC2\xE0\xF1\xFF");
  EXPECT_EQ(Utf8ToCp1251("Ёё№"), "\xA8\xB8\xB9");
  // Map glyphs of the code page: fence, crypt, desert, chest, corpse, plant.
  EXPECT_EQ(Utf8ToCp1251("¦†„‡ћ§"), "\xA6\x86\x84\x87\x9E\xA7");
  EXPECT_EQ(Utf8ToCp1251("漢"), "?");
}

TEST(Utf8, CountsAndCutsByCharacter) {
  EXPECT_EQ(Utf8Length("Тазар"), 5u);
  EXPECT_EQ(Utf8Prefix("Тазар", 3), "Таз");
  EXPECT_EQ(Utf8Prefix("ab", 5), "ab");
  EXPECT_EQ(DecodeUtf8("\xD0"), std::u32string(1, U'\uFFFD'));
  EXPECT_EQ(EncodeUtf8(DecodeUtf8("Жезл ‡")), "Жезл ‡");
}

}  // namespace
}  // namespace zaldrun
