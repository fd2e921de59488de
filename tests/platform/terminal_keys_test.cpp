// What curses reports (typed characters, key codes, key names) as the game's keys. Sequences typed
// into a real terminal are in terminal_frontend_test.cpp.
#include "platform/terminal/terminal_keys.hpp"

#include <gtest/gtest.h>

#define NCURSES_NOMACROS
#include <curses.h>

#include <set>
#include <string>

#include "platform/key_fields.hpp"

namespace platform {
namespace {

using testing::Fields;

TEST(TerminalKeys, EveryExtraSequenceIsAnEscapeSequenceListedOnceForAKnownKey) {
  std::set<std::string> seen;
  for (const KeySequence& entry : ExtraKeySequences()) {
    const std::string sequence = entry.sequence;
    EXPECT_TRUE(sequence.size() >= 3 && sequence[0] == '\033') << sequence;
    EXPECT_TRUE(seen.insert(sequence).second) << "twice: ESC" << sequence.substr(1);
    EXPECT_TRUE(TranslateKeyCode(entry.code, "").has_value()) << "ESC" << sequence.substr(1);
  }
}

// Modified keys whose codes curses assigns at run time come by their terminfo names (kNXT8 is
// Shift+Alt+Ctrl+PageDown); the terminal front end's tests type the common ones.
TEST(TerminalKeys, ModifiedKeyNames) {
  EXPECT_EQ(Fields(*TranslateKeyCode(KEY_MAX + 43, "kNXT8")),
            Fields({.code = keys::kPageDown, .shift = true, .ctrl = true, .alt = true}));
  for (const char* unknown : {"kUP9", "kUPX", "kxIN", "kprt"}) {
    EXPECT_FALSE(TranslateKeyCode(KEY_MAX + 45, unknown).has_value()) << unknown;
  }
}

TEST(TerminalKeys, TypedCharacterEdges) {
  EXPECT_EQ(TranslateTypedChar(26)->code, 'Z');     // the last control letter
  EXPECT_EQ(TranslateTypedChar(U'漢')->cp1251, 0);  // no Windows-1251 byte
  // Control characters without a letter, the C1 range and surrogates.
  for (char32_t none : {char32_t{0}, char32_t{28}, char32_t{0x85}, char32_t{0xD800}}) {
    EXPECT_FALSE(TranslateTypedChar(none).has_value()) << static_cast<int>(none);
  }
}

}  // namespace
}  // namespace platform
