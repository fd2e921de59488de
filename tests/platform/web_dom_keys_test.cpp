// A browser's key-downs (code, key, modifiers) as the game's keys: the page's script hands them
// over as the browser reports them.
#include "platform/web/dom_keys.hpp"

#include <gtest/gtest.h>

#include "platform/key_fields.hpp"

namespace platform {
namespace {

using testing::Fields;

TEST(WebDomKeys, KeysAsTheWindowDeliversThem) {
  struct Case {
    DomKeyDown event;
    Key expected;
  };
  const Case cases[] = {
      // Russian layout: the letter typed, the key code by position.
      {{.code = "KeyA", .key = "ф"}, {.code = 'A', .ch = U'ф', .cp1251 = 0xF4}},
      {{.code = "KeyS", .key = "S", .shift = true},
       {.code = 'S', .ch = U'S', .cp1251 = 'S', .shift = true}},
      {{.code = "Period", .key = ">", .shift = true}, {.code = 0, .ch = U'>', .cp1251 = '>', .shift = true}},
      {{.code = "Digit5", .key = "%", .shift = true},
       {.code = '5', .ch = U'%', .cp1251 = '%', .shift = true}},
      {{.code = "KeyE", .key = "e", .ctrl = true}, {.code = 'E', .ch = 5, .cp1251 = 5, .ctrl = true}},
      {{.code = "ArrowRight", .key = "ArrowRight", .shift = true},
       {.code = keys::kRight, .shift = true}},
      {{.code = "Enter", .key = "Enter"}, {.code = keys::kEnter, .ch = U'\r', .cp1251 = 13}},
      {{.code = "Space", .key = " "}, {.code = keys::kSpace, .ch = U' ', .cp1251 = ' '}},
      {{.code = "F10", .key = "F10"}, {.code = keys::kF10}},
      // The keypad gives directions with NumLock on or off; its period is Delete only without.
      {{.code = "Numpad9", .key = "9", .num_lock = true}, {.code = keys::kPageUp}},
      {{.code = "Numpad5", .key = "Clear"}, {.code = keys::kClear}},
      {{.code = "NumpadDecimal", .key = "Delete"}, {.code = keys::kDelete}},
      {{.code = "NumpadDecimal", .key = ",", .num_lock = true}, {.ch = U',', .cp1251 = ','}},
  };
  for (const Case& c : cases) {
    const std::optional<Key> key = TranslateDomKey(c.event);
    ASSERT_TRUE(key.has_value()) << c.event.code;
    EXPECT_EQ(Fields(*key), Fields(c.expected)) << c.event.code << " " << c.event.key;
  }
}

TEST(WebDomKeys, KeysThatMeanNothingToTheGame) {
  for (const DomKeyDown& event : {DomKeyDown{.code = "ShiftLeft", .key = "Shift", .shift = true},
                                  DomKeyDown{.code = "CapsLock", .key = "CapsLock"},
                                  DomKeyDown{.code = "F13", .key = "F13"},
                                  DomKeyDown{.code = "Fn", .key = "Fn"}}) {
    EXPECT_FALSE(TranslateDomKey(event).has_value()) << event.code;
  }
}

}  // namespace
}  // namespace platform
