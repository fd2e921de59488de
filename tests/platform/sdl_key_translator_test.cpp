// Translation of synthetic SDL event sequences into the game's keys and the window's own keys.
#include "platform/sdl/sdl_key_translator.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "platform/key_fields.hpp"
#include "platform/sdl_events.hpp"

namespace platform {
namespace {

using testing::Fields;
using testing::KeyDown;
using testing::MouseDown;
using testing::Text;

// Feeds one batch of events, ends it, and collects what came out.
std::vector<TranslatedInput> Translate(std::initializer_list<SDL_Event> events,
                                       SdlKeyTranslator&& translator = SdlKeyTranslator()) {
  for (const SDL_Event& event : events) translator.Feed(event);
  translator.EndOfEvents();
  std::vector<TranslatedInput> out;
  while (auto input = translator.Pop()) out.push_back(*input);
  return out;
}

// The game keys a batch gives, one line each.
std::string GameKeys(std::initializer_list<SDL_Event> events) {
  std::string keys;
  for (const TranslatedInput& input : Translate(events)) {
    keys += (keys.empty() ? "" : " | ") +
            (input.command == WindowCommand::kNone ? Fields(input.key) : std::string("window key"));
  }
  return keys;
}

TEST(SdlKeyTranslator, KeysGiveTheirCodesAndTypedCharacters) {
  const Key enter{.code = keys::kEnter, .ch = 13, .cp1251 = 13};
  const struct {
    std::initializer_list<SDL_Event> events;
    Key key;
  } cases[] = {
      {{KeyDown(SDL_SCANCODE_UP, SDLK_UP)}, Key::Code(keys::kUp)},
      {{KeyDown(SDL_SCANCODE_RETURN, SDLK_RETURN)}, enter},
      {{KeyDown(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER)}, enter},
      {{KeyDown(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE)},
       {.code = keys::kEscape, .ch = 27, .cp1251 = 27}},
      {{KeyDown(SDL_SCANCODE_F10, SDLK_F10)}, Key::Code(keys::kF10)},
      // The keypad by position: directions with NumLock off or on, where it also sends the digit
      // as text that must not arrive as a key of its own. Some systems report it without NumLock
      // as the plain navigation keys.
      {{KeyDown(SDL_SCANCODE_KP_8, SDLK_KP_8)}, Key::Code(keys::kUp)},
      {{KeyDown(SDL_SCANCODE_KP_8, SDLK_KP_8, KMOD_NUM), Text("8")}, Key::Code(keys::kUp)},
      {{KeyDown(SDL_SCANCODE_KP_7, SDLK_HOME)}, Key::Code(keys::kHome)},
      {{KeyDown(SDL_SCANCODE_KP_5, SDLK_KP_5, KMOD_NUM), Text("5")}, Key::Code(keys::kClear)},
      // Keypad period: Delete without NumLock, the typed "." with it.
      {{KeyDown(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD)}, Key::Code(keys::kDelete)},
      {{KeyDown(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, KMOD_NUM), Text(".")},
       {.ch = U'.', .cp1251 = '.'}},
      // Space gives one key and swallows its text.
      {{KeyDown(SDL_SCANCODE_SPACE, SDLK_SPACE), Text(" ")},
       {.code = keys::kSpace, .ch = U' ', .cp1251 = ' '}},
      // A typed character pairs with its key-down, also past a modifier pressed on its own.
      {{KeyDown(SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, KMOD_LSHIFT),
        KeyDown(SDL_SCANCODE_1, SDLK_1, KMOD_LSHIFT), Text("!")},
       {.code = '1', .ch = U'!', .cp1251 = '!', .shift = true}},
      // A Russian layout: the L key types "д" and SDL reports that letter as the key code.
      {{KeyDown(SDL_SCANCODE_L, 0x434), Text("д")}, {.code = 'L', .ch = U'д', .cp1251 = 0xE4}},
      // Ctrl with a letter is its control character in any layout ("й" is the Q key).
      {{KeyDown(SDL_SCANCODE_E, SDLK_e, KMOD_LCTRL)},
       {.code = 'E', .ch = 5, .cp1251 = 5, .ctrl = true}},
      {{KeyDown(SDL_SCANCODE_Q, 0x439, KMOD_RCTRL)},
       {.code = 'Q', .ch = 17, .cp1251 = 17, .ctrl = true}},
      // Alt with a letter and no text still reaches the game by its code.
      {{KeyDown(SDL_SCANCODE_X, SDLK_x, KMOD_LALT)}, {.code = 'X', .alt = true}},
      // Text with no key-down of its own is a typed character.
      {{Text("ж")}, {.ch = U'ж', .cp1251 = 0xE6}},
      // Without Ctrl the font keys type their characters for the game.
      {{KeyDown(SDL_SCANCODE_EQUALS, SDLK_EQUALS), Text("=")}, {.ch = U'=', .cp1251 = '='}},
  };
  for (const auto& c : cases) EXPECT_EQ(GameKeys(c.events), Fields(c.key));
}

TEST(SdlKeyTranslator, TextPairsOnlyWithTheKeyDownRightBeforeIt) {
  SdlKeyTranslator translator;
  translator.Feed(KeyDown(SDL_SCANCODE_A, SDLK_a));
  EXPECT_TRUE(translator.awaiting_text());
  const auto out = Translate({KeyDown(SDL_SCANCODE_B, SDLK_b), Text("b")}, std::move(translator));
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(Fields(out[0].key), Fields(Key::Code('A')));  // its text never came
  EXPECT_EQ(out[1].key.ch, U'b');
  // Text after a fixed key belongs to that key, not to the next one.
  EXPECT_EQ(GameKeys({KeyDown(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE), Text("x")}),
            GameKeys({KeyDown(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE)}));
  // An input method committing two characters at once: the second is typed on its own.
  EXPECT_EQ(GameKeys({KeyDown(SDL_SCANCODE_A, SDLK_a), Text("ая")}),
            GameKeys({KeyDown(SDL_SCANCODE_A, SDLK_a), Text("а"), Text("я")}));
  // Modifiers alone, and keys with neither a code nor text, give nothing.
  EXPECT_EQ(GameKeys({KeyDown(SDL_SCANCODE_LCTRL, SDLK_LCTRL, KMOD_LCTRL),
                      KeyDown(SDL_SCANCODE_NUMLOCKCLEAR, SDLK_NUMLOCKCLEAR),
                      KeyDown(SDL_SCANCODE_INSERT, SDLK_INSERT)}),
            "");
}

TEST(SdlKeyTranslator, LeftClicksInsideTheGridGiveTheirCellAndCloseKeepsItsPlace) {
  SdlKeyTranslator translator;
  translator.set_layout(GridLayout{5, 7, 10, 20, 100, 45});
  translator.set_pixels_per_point(2.0f, 1.0f);  // a high-density screen: two pixels a point
  // Left of the grid, below it and a right click give nothing; the last cell is a cell.
  const auto out =
      Translate({MouseDown(5 + 30 + 9, 7 + 40), MouseDown(2, 7), MouseDown(3, 7 + 45 * 20),
                 MouseDown(50, 50, SDL_BUTTON_RIGHT), MouseDown(500, 7 + 899), testing::Quit()},
                std::move(translator));
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(Fields(out[0].key), "click code=0 ch=U+0000 cp1251=0 x=8 y=2");
  EXPECT_EQ(Fields(out[1].key), "click code=0 ch=U+0000 cp1251=0 x=99 y=44");
  EXPECT_EQ(out[2].key.kind, KeyKind::kCloseRequest);
}

TEST(SdlKeyTranslator, ThePointerIsReportedOnceACellAndIsNoKeyWaiting) {
  SdlKeyTranslator translator;
  translator.set_layout(GridLayout{0, 0, 10, 20, 100, 45});
  auto motion = [](int x, int y) {
    SDL_Event event{};
    event.motion = {.type = SDL_MOUSEMOTION, .x = x, .y = y};
    return event;
  };
  translator.Feed(KeyDown(SDL_SCANCODE_A, SDLK_a));
  // The pointer moving between a key and its text does not part them.
  for (const SDL_Event& event : {motion(15, 25), Text("a"), motion(18, 30), motion(25, 30)}) {
    translator.Feed(event);
  }
  EXPECT_TRUE(translator.HasKey());
  std::vector<Key> out;
  while (auto input = translator.Pop()) out.push_back(input->key);
  ASSERT_EQ(out.size(), 3u) << "one move a cell, the key with its text";
  EXPECT_EQ(out[0].kind, KeyKind::kMouseMove);
  EXPECT_EQ(out[0].x, 1);
  EXPECT_EQ(out[1].ch, U'a');
  EXPECT_EQ(out[2].kind, KeyKind::kMouseMove);
  EXPECT_EQ(out[2].x, 2);
  translator.Feed(motion(45, 30));
  EXPECT_FALSE(translator.HasKey()) << "a move waiting is no key pressed";
  EXPECT_FALSE(SdlKeyTranslator::IsKeyEvent(motion(1, 1)));
}

}  // namespace
}  // namespace platform
