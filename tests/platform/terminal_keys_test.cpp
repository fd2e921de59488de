#include "platform/terminal/terminal_keys.hpp"

#include <gtest/gtest.h>

#define NCURSES_NOMACROS
#include <curses.h>

#include <map>
#include <string>

namespace platform {
namespace {

TEST(TerminalKeys, EverySequenceIsAnEscapeSequenceAndListedOnce) {
  std::map<std::string, int> seen;
  for (const KeySequence& entry : ExtraKeySequences()) {
    const std::string sequence = entry.sequence;
    ASSERT_GE(sequence.size(), 3u);
    EXPECT_EQ(sequence[0], '\033');
    EXPECT_EQ(++seen[sequence], 1) << "ESC" << sequence.substr(1);
    EXPECT_TRUE(TranslateKeyCode(entry.code, "").has_value()) << "ESC" << sequence.substr(1);
  }
}

// The keypad's own codes, for terminals whose description names the keypad keys.
TEST(TerminalKeys, KeypadCodesAreDirections) {
  const std::map<int, int> expected = {
      {KEY_A1, keys::kHome},     {KEY_A3, keys::kPageUp}, {KEY_C1, keys::kEnd},
      {KEY_C3, keys::kPageDown}, {KEY_B2, keys::kClear},  {KEY_BEG, keys::kClear},
  };
  for (const auto& [curses_code, code] : expected) {
    const std::optional<Key> key = TranslateKeyCode(curses_code, "");
    ASSERT_TRUE(key.has_value()) << curses_code;
    EXPECT_EQ(key->code, code) << curses_code;
    EXPECT_EQ(key->ch, 0u);
  }
  EXPECT_EQ(TranslateKeyCode(KEY_ENTER, "")->ch, U'\r');
  EXPECT_EQ(TranslateKeyCode(KEY_F(12), "")->code, 123);
  EXPECT_FALSE(TranslateKeyCode(KEY_PRINT, "kprt").has_value());
}

TEST(TerminalKeys, ModifiedKeys) {
  const Key shift_tab = *TranslateKeyCode(KEY_BTAB, "");
  EXPECT_EQ(shift_tab.code, keys::kTab);
  EXPECT_TRUE(shift_tab.shift);
  EXPECT_TRUE(TranslateKeyCode(KEY_SR, "")->shift);
  EXPECT_EQ(TranslateKeyCode(KEY_SR, "")->code, keys::kUp);

  const Key shift_f1 = *TranslateKeyCode(KEY_F(13), "");
  EXPECT_EQ(shift_f1.code, keys::kF1);
  EXPECT_TRUE(shift_f1.shift);
  EXPECT_TRUE(TranslateKeyCode(KEY_F(25), "")->ctrl);

  // Codes curses assigns at run time are known by their terminfo names.
  const Key ctrl_up = *TranslateKeyCode(KEY_MAX + 40, "kUP5");
  EXPECT_EQ(ctrl_up.code, keys::kUp);
  EXPECT_TRUE(ctrl_up.ctrl);
  EXPECT_FALSE(ctrl_up.shift || ctrl_up.alt);
  const Key alt_left = *TranslateKeyCode(KEY_MAX + 41, "kLFT3");
  EXPECT_EQ(alt_left.code, keys::kLeft);
  EXPECT_TRUE(alt_left.alt);
  const Key shift_right = *TranslateKeyCode(KEY_MAX + 42, "kRIT");
  EXPECT_TRUE(shift_right.shift);
  const Key all = *TranslateKeyCode(KEY_MAX + 43, "kNXT8");
  EXPECT_EQ(all.code, keys::kPageDown);
  EXPECT_TRUE(all.shift && all.alt && all.ctrl);
  EXPECT_EQ(TranslateKeyCode(KEY_MAX + 44, "kDN6")->code, keys::kDown);
  EXPECT_FALSE(TranslateKeyCode(KEY_MAX + 45, "kUP9").has_value());
  EXPECT_FALSE(TranslateKeyCode(KEY_MAX + 46, "kUPX").has_value());
  EXPECT_FALSE(TranslateKeyCode(KEY_MAX + 47, "kxIN").has_value());
}

TEST(TerminalKeys, FixedKeysFromCharacters) {
  for (char32_t enter : {U'\r', U'\n'}) {
    const Key key = *TranslateTypedChar(enter);
    EXPECT_EQ(key.code, keys::kEnter);
    EXPECT_EQ(key.ch, U'\r');
    EXPECT_EQ(key.cp1251, 13);
    EXPECT_FALSE(key.ctrl);
  }
  for (char32_t backspace : {char32_t{8}, char32_t{127}}) {
    const Key key = *TranslateTypedChar(backspace);
    EXPECT_EQ(key.code, keys::kBackspace);
    EXPECT_FALSE(key.ctrl);
  }
  EXPECT_EQ(TranslateTypedChar(27)->code, keys::kEscape);
  EXPECT_EQ(TranslateTypedChar(9)->code, keys::kTab);
  const Key space = *TranslateTypedChar(U' ');
  EXPECT_EQ(space.code, keys::kSpace);
  EXPECT_EQ(space.ch, U' ');
  EXPECT_EQ(space.cp1251, 32);
}

TEST(TerminalKeys, ControlLettersFromRawMode) {
  const Key ctrl_e = *TranslateTypedChar(5);
  EXPECT_EQ(ctrl_e.code, 'E');
  EXPECT_TRUE(ctrl_e.ctrl);
  EXPECT_EQ(ctrl_e.ch, 5u);
  EXPECT_EQ(ctrl_e.cp1251, 5);
  EXPECT_EQ(TranslateTypedChar(17)->code, 'Q');
  EXPECT_TRUE(TranslateTypedChar(17)->ctrl);
  EXPECT_EQ(TranslateTypedChar(1)->code, 'A');
  EXPECT_EQ(TranslateTypedChar(26)->code, 'Z');
  // Control characters without a letter, and the C1 range, are no keys.
  for (char32_t none : {char32_t{0}, char32_t{28}, char32_t{31}, char32_t{0x85}}) {
    EXPECT_FALSE(TranslateTypedChar(none).has_value()) << static_cast<int>(none);
  }
}

TEST(TerminalKeys, TypedCharactersCarryTheirWindows1251Byte) {
  const Key zhe = *TranslateTypedChar(U'ж');
  EXPECT_EQ(zhe.ch, U'ж');
  EXPECT_EQ(zhe.cp1251, 0xE6);
  EXPECT_EQ(zhe.code, 0);
  EXPECT_FALSE(zhe.ctrl);
  EXPECT_EQ(TranslateTypedChar(U'Ё')->cp1251, 0xA8);
  const Key a = *TranslateTypedChar(U'a');
  EXPECT_EQ(a.code, 'A');
  EXPECT_FALSE(a.shift);
  EXPECT_TRUE(TranslateTypedChar(U'A')->shift);
  EXPECT_EQ(TranslateTypedChar(U'7')->code, '7');
  const Key han = *TranslateTypedChar(U'漢');
  EXPECT_EQ(han.ch, U'漢');
  EXPECT_EQ(han.cp1251, 0);
}

}  // namespace
}  // namespace platform
