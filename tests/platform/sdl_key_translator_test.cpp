// Translation of synthetic SDL event sequences into the game's keys and the window's own keys.
#include "platform/sdl/sdl_key_translator.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <vector>

namespace platform {
namespace {

SDL_Event KeyDown(SDL_Scancode scancode, SDL_Keycode sym, uint16_t mod = KMOD_NONE) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.state = SDL_PRESSED;
  event.key.keysym.scancode = scancode;
  event.key.keysym.sym = sym;
  event.key.keysym.mod = mod;
  return event;
}

SDL_Event Text(const char* utf8) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  std::strncpy(event.text.text, utf8, sizeof(event.text.text) - 1);
  return event;
}

SDL_Event MouseDown(int x, int y, uint8_t button = SDL_BUTTON_LEFT) {
  SDL_Event event{};
  event.type = SDL_MOUSEBUTTONDOWN;
  event.button.button = button;
  event.button.x = x;
  event.button.y = y;
  return event;
}

SDL_Event Quit() {
  SDL_Event event{};
  event.type = SDL_QUIT;
  return event;
}

// Feeds one batch of events, ends it, and collects what came out.
std::vector<TranslatedInput> Translate(SdlKeyTranslator& translator,
                                       std::initializer_list<SDL_Event> events) {
  for (const SDL_Event& event : events) translator.Feed(event);
  translator.EndOfEvents();
  std::vector<TranslatedInput> out;
  while (auto input = translator.Pop()) out.push_back(*input);
  return out;
}

std::vector<TranslatedInput> Translate(std::initializer_list<SDL_Event> events) {
  SdlKeyTranslator translator;
  return Translate(translator, events);
}

// The single game key a batch must give.
Key OnlyKey(std::initializer_list<SDL_Event> events) {
  const std::vector<TranslatedInput> out = Translate(events);
  EXPECT_EQ(out.size(), 1u);
  if (out.empty()) return Key{};
  EXPECT_EQ(out[0].command, WindowCommand::kNone);
  return out[0].key;
}

TEST(SdlKeyTranslator, NamedKeysGiveTheirCodes) {
  struct Case {
    SDL_Scancode scancode;
    SDL_Keycode sym;
    int code;
    char32_t ch;
  };
  const Case cases[] = {
      {SDL_SCANCODE_UP, SDLK_UP, keys::kUp, 0},
      {SDL_SCANCODE_DOWN, SDLK_DOWN, keys::kDown, 0},
      {SDL_SCANCODE_LEFT, SDLK_LEFT, keys::kLeft, 0},
      {SDL_SCANCODE_RIGHT, SDLK_RIGHT, keys::kRight, 0},
      {SDL_SCANCODE_HOME, SDLK_HOME, keys::kHome, 0},
      {SDL_SCANCODE_END, SDLK_END, keys::kEnd, 0},
      {SDL_SCANCODE_PAGEUP, SDLK_PAGEUP, keys::kPageUp, 0},
      {SDL_SCANCODE_PAGEDOWN, SDLK_PAGEDOWN, keys::kPageDown, 0},
      {SDL_SCANCODE_RETURN, SDLK_RETURN, keys::kEnter, U'\r'},
      {SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, keys::kEnter, U'\r'},
      {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, keys::kEscape, 27},
      {SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, keys::kBackspace, 8},
      {SDL_SCANCODE_TAB, SDLK_TAB, keys::kTab, 9},
      {SDL_SCANCODE_DELETE, SDLK_DELETE, keys::kDelete, 0},
      {SDL_SCANCODE_F1, SDLK_F1, 112, 0},
      {SDL_SCANCODE_F10, SDLK_F10, keys::kF10, 0},
      {SDL_SCANCODE_F12, SDLK_F12, 123, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const Key key = OnlyKey({KeyDown(c.scancode, c.sym)});
    EXPECT_EQ(key.kind, KeyKind::kKey);
    EXPECT_EQ(key.code, c.code);
    EXPECT_EQ(key.ch, c.ch);
    EXPECT_EQ(key.cp1251, static_cast<uint8_t>(c.ch));
  }
}

TEST(SdlKeyTranslator, SpaceGivesOneKeyAndSwallowsItsText) {
  const Key key = OnlyKey({KeyDown(SDL_SCANCODE_SPACE, SDLK_SPACE), Text(" ")});
  EXPECT_EQ(key.code, keys::kSpace);
  EXPECT_EQ(key.ch, U' ');
  EXPECT_EQ(key.cp1251, ' ');
}

TEST(SdlKeyTranslator, KeypadGivesDirectionsWithNumLockOffOrOn) {
  struct Case {
    SDL_Scancode scancode;
    SDL_Keycode sym;
    const char* text;
    int code;
  };
  const Case cases[] = {
      {SDL_SCANCODE_KP_8, SDLK_KP_8, "8", keys::kUp},
      {SDL_SCANCODE_KP_2, SDLK_KP_2, "2", keys::kDown},
      {SDL_SCANCODE_KP_4, SDLK_KP_4, "4", keys::kLeft},
      {SDL_SCANCODE_KP_6, SDLK_KP_6, "6", keys::kRight},
      {SDL_SCANCODE_KP_7, SDLK_KP_7, "7", keys::kHome},
      {SDL_SCANCODE_KP_9, SDLK_KP_9, "9", keys::kPageUp},
      {SDL_SCANCODE_KP_1, SDLK_KP_1, "1", keys::kEnd},
      {SDL_SCANCODE_KP_3, SDLK_KP_3, "3", keys::kPageDown},
      {SDL_SCANCODE_KP_5, SDLK_KP_5, "5", keys::kClear},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    // NumLock off: the key-down alone.
    EXPECT_EQ(OnlyKey({KeyDown(c.scancode, c.sym)}).code, c.code);
    // NumLock on: the key-down and its digit, which must not also arrive as a typed key.
    const Key key = OnlyKey({KeyDown(c.scancode, c.sym, KMOD_NUM), Text(c.text)});
    EXPECT_EQ(key.code, c.code);
    EXPECT_EQ(key.ch, 0u);
  }
  // Some systems report the keypad without NumLock as the plain navigation keys.
  EXPECT_EQ(OnlyKey({KeyDown(SDL_SCANCODE_KP_8, SDLK_UP)}).code, keys::kUp);
  EXPECT_EQ(OnlyKey({KeyDown(SDL_SCANCODE_KP_CLEAR, SDLK_CLEAR)}).code, keys::kClear);
}

TEST(SdlKeyTranslator, KeypadPeriodIsDeleteOnlyWithoutNumLock) {
  EXPECT_EQ(OnlyKey({KeyDown(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD)}).code, keys::kDelete);
  const Key typed = OnlyKey({KeyDown(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, KMOD_NUM), Text(".")});
  EXPECT_EQ(typed.ch, U'.');
  EXPECT_EQ(typed.cp1251, '.');
}

TEST(SdlKeyTranslator, TypedCharacterPairsWithItsKeyDown) {
  const Key a = OnlyKey({KeyDown(SDL_SCANCODE_A, SDLK_a), Text("a")});
  EXPECT_EQ(a.code, 'A');
  EXPECT_EQ(a.ch, U'a');
  EXPECT_EQ(a.cp1251, 'a');
  EXPECT_FALSE(a.shift);

  const Key shifted = OnlyKey({KeyDown(SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, KMOD_LSHIFT),
                               KeyDown(SDL_SCANCODE_1, SDLK_1, KMOD_LSHIFT), Text("!")});
  EXPECT_EQ(shifted.code, '1');
  EXPECT_EQ(shifted.ch, U'!');
  EXPECT_TRUE(shifted.shift);
}

TEST(SdlKeyTranslator, RussianLayoutTypesCyrillicWithLatinKeyCode) {
  // The L key types "д" in a Russian layout; SDL reports the key code as that letter.
  const Key de = OnlyKey({KeyDown(SDL_SCANCODE_L, 0x434), Text("д")});
  EXPECT_EQ(de.code, 'L');
  EXPECT_EQ(de.ch, U'д');
  EXPECT_EQ(de.cp1251, 0xE4);

  const Key capital = OnlyKey({KeyDown(SDL_SCANCODE_SEMICOLON, 0x436, KMOD_RSHIFT), Text("Ж")});
  EXPECT_EQ(capital.code, 0);
  EXPECT_EQ(capital.ch, U'Ж');
  EXPECT_EQ(capital.cp1251, 0xC6);
  EXPECT_TRUE(capital.shift);
}

TEST(SdlKeyTranslator, CtrlLetterIsItsControlCharacterInAnyLayout) {
  const Key ctrl_e = OnlyKey({KeyDown(SDL_SCANCODE_E, SDLK_e, KMOD_LCTRL)});
  EXPECT_EQ(ctrl_e.code, 'E');
  EXPECT_TRUE(ctrl_e.ctrl);
  EXPECT_EQ(ctrl_e.ch, 5u);
  EXPECT_EQ(ctrl_e.cp1251, 5);

  // Russian layout: the Q key is "й", Ctrl+Q is still 17.
  const Key ctrl_q = OnlyKey({KeyDown(SDL_SCANCODE_Q, 0x439, KMOD_RCTRL)});
  EXPECT_EQ(ctrl_q.code, 'Q');
  EXPECT_EQ(ctrl_q.ch, 17u);
}

TEST(SdlKeyTranslator, TextPairsOnlyWithTheKeyDownRightBeforeIt) {
  SdlKeyTranslator translator;
  translator.Feed(KeyDown(SDL_SCANCODE_A, SDLK_a));
  EXPECT_TRUE(translator.awaiting_text());
  const auto out = Translate(translator, {KeyDown(SDL_SCANCODE_B, SDLK_b), Text("b")});
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].key.code, 'A');  // its text never came
  EXPECT_EQ(out[0].key.ch, 0u);
  EXPECT_EQ(out[1].key.code, 'B');
  EXPECT_EQ(out[1].key.ch, U'b');

  // Text with no key-down of its own is a typed character.
  const Key lone = OnlyKey({Text("ж")});
  EXPECT_EQ(lone.ch, U'ж');
  EXPECT_EQ(lone.cp1251, 0xE6);

  // Text after a fixed key belongs to that key, not to the next one.
  const auto after_escape = Translate({KeyDown(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE), Text("x")});
  ASSERT_EQ(after_escape.size(), 1u);
  EXPECT_EQ(after_escape[0].key.code, keys::kEscape);

  // An input method committing two characters at once: the second is typed on its own.
  const auto two = Translate({KeyDown(SDL_SCANCODE_A, SDLK_a), Text("ая")});
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0].key.code, 'A');
  EXPECT_EQ(two[1].key.ch, U'я');
}

TEST(SdlKeyTranslator, KeysThatTypeNothing) {
  // Alt with a letter and no text still reaches the game by its code.
  const Key alt_x = OnlyKey({KeyDown(SDL_SCANCODE_X, SDLK_x, KMOD_LALT)});
  EXPECT_EQ(alt_x.code, 'X');
  EXPECT_TRUE(alt_x.alt);
  EXPECT_EQ(alt_x.ch, 0u);

  // Modifiers alone, and keys with neither a code nor text, give nothing.
  EXPECT_TRUE(Translate({KeyDown(SDL_SCANCODE_LCTRL, SDLK_LCTRL, KMOD_LCTRL),
                         KeyDown(SDL_SCANCODE_RALT, SDLK_RALT, KMOD_RALT),
                         KeyDown(SDL_SCANCODE_NUMLOCKCLEAR, SDLK_NUMLOCKCLEAR),
                         KeyDown(SDL_SCANCODE_INSERT, SDLK_INSERT)})
                  .empty());
}

TEST(SdlKeyTranslator, WindowKeysNeverReachTheGame) {
  const auto larger =
      Translate({KeyDown(SDL_SCANCODE_EQUALS, SDLK_EQUALS, KMOD_LCTRL), Text("="),
                 KeyDown(SDL_SCANCODE_EQUALS, SDLK_EQUALS, KMOD_LCTRL | KMOD_LSHIFT), Text("+"),
                 KeyDown(SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, KMOD_RCTRL), Text("+")});
  ASSERT_EQ(larger.size(), 3u);
  for (const TranslatedInput& input : larger) {
    EXPECT_EQ(input.command, WindowCommand::kFontLarger);
  }

  const auto smaller = Translate({KeyDown(SDL_SCANCODE_MINUS, SDLK_MINUS, KMOD_LCTRL), Text("-"),
                                  KeyDown(SDL_SCANCODE_KP_MINUS, SDLK_KP_MINUS, KMOD_LCTRL)});
  ASSERT_EQ(smaller.size(), 2u);
  EXPECT_EQ(smaller[0].command, WindowCommand::kFontSmaller);
  EXPECT_EQ(smaller[1].command, WindowCommand::kFontSmaller);

  const auto full = Translate({KeyDown(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT),
                               KeyDown(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, KMOD_RALT)});
  ASSERT_EQ(full.size(), 2u);
  EXPECT_EQ(full[0].command, WindowCommand::kToggleFullScreen);
  EXPECT_EQ(full[1].command, WindowCommand::kToggleFullScreen);

  // Without Ctrl the same keys type their characters for the game.
  const Key equals = OnlyKey({KeyDown(SDL_SCANCODE_EQUALS, SDLK_EQUALS), Text("=")});
  EXPECT_EQ(equals.ch, U'=');
}

TEST(SdlKeyTranslator, LeftClicksInsideTheGridGiveTheirCell) {
  SdlKeyTranslator translator;
  translator.set_layout(GridLayout{5, 7, 10, 20, 100, 45});
  const auto out = Translate(
      translator, {MouseDown(5 + 30 + 9, 7 + 40), MouseDown(4, 7), MouseDown(5, 7 + 45 * 20),
                   MouseDown(50, 50, SDL_BUTTON_RIGHT), MouseDown(5 + 999, 7 + 899)});
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].key.kind, KeyKind::kMouseClick);
  EXPECT_EQ(out[0].key.x, 3);
  EXPECT_EQ(out[0].key.y, 2);
  EXPECT_EQ(out[1].key.x, 99);
  EXPECT_EQ(out[1].key.y, 44);

  // On a high-density screen mouse points are two pixels each.
  translator.set_pixels_per_point(2.0f, 2.0f);
  const auto dense = Translate(translator, {MouseDown(50, 50)});
  ASSERT_EQ(dense.size(), 1u);
  EXPECT_EQ(dense[0].key.x, 9);
  EXPECT_EQ(dense[0].key.y, 4);
}

TEST(SdlKeyTranslator, CloseRequestComesAfterTheKeysBeforeIt) {
  const auto out = Translate({KeyDown(SDL_SCANCODE_A, SDLK_a), Quit()});
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].key.code, 'A');
  EXPECT_EQ(out[1].key.kind, KeyKind::kCloseRequest);
}

}  // namespace
}  // namespace platform
