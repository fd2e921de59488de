#include "ui/settings_window.hpp"

#include <gtest/gtest.h>

#include "support/program_harness.hpp"

namespace zaldrun {
namespace {

using testing::ProgramHarness;

// Opens the settings window from the menu, runs `keys` in it and closes the program.
Settings RunSettings(ProgramHarness& program, std::string_view keys) {
  program.Keys("{F10}{Right}{Enter}").Keys(keys).Keys("{Ctrl+Q}");
  EXPECT_EQ(program.Run(), 0);
  Settings written;
  EXPECT_TRUE(ReadSettings(program.folder() / "Zaldrun.ini", &written));
  EXPECT_EQ(written.bindings, program.game().session.settings.bindings);
  return written;
}

// Focus moves down the slots: slot 2 "Бросить на пол" is one Down from slot 1.
constexpr std::string_view kToOk = "{Up}{Up}";  // from slot 1: up wraps to Отмена, then OK

TEST(SettingsWindow, BindingDropToEatsKeySwapsTheTwo) {
  ProgramHarness program;
  const Settings s = RunSettings(program, std::string("{Down}{Enter}e") + "{Up}{Up}{Up}{Enter}");
  EXPECT_EQ(s.Binding(Command::kDrop), 'e');
  EXPECT_EQ(s.Binding(Command::kEat), 'd');
}

TEST(SettingsWindow, RefusedKeysKeepTheBindingAndSayWhy) {
  for (const char* refused : {"5", "{Space}", "y", "n", "{Enter}", "{Esc}"}) {
    ProgramHarness program;
    program.Keys("{F10}{Right}{Enter}{Enter}").Keys(refused);
    EXPECT_EQ(program.Run(), -1);
    EXPECT_TRUE(program.ScreenHas("Эту кнопку нельзя переназначить!")) << refused;
  }
  ProgramHarness program;
  const Settings s = RunSettings(program, "{Enter}5{Enter}{Up}{Up}{Enter}");
  EXPECT_EQ(s.Binding(Command::kPickUp), ',');
}

TEST(SettingsWindow, TypingWithoutASelectedSlotDoesNothing) {
  ProgramHarness program;
  const Settings s = RunSettings(program, std::string("x") + std::string(kToOk) + "{Enter}");
  EXPECT_EQ(s.bindings, DefaultSettings().bindings);
}

TEST(SettingsWindow, CyrillicKeysBindByTheirCodePageByte) {
  ProgramHarness program;
  const Settings s = RunSettings(program, "{Enter}д{Up}{Up}{Enter}");
  EXPECT_EQ(s.Binding(Command::kPickUp), 0xE4);
}

// Delay box: 23 Downs from slot 1 (21 slots, the check box, the box).
std::string DelayScript(const std::string& typed) {
  std::string keys;
  for (int i = 0; i < 22; ++i) keys += "{Down}";
  for (int i = 0; i < 10; ++i) keys += "{Backspace}";
  return keys + typed + "{Enter}{Enter}";  // Enter in the box moves to OK, Enter presses it
}

TEST(SettingsWindow, FlightDelayIsStoredAsAPositiveByte) {
  struct Case {
    const char* typed;
    int stored;
    const char* message;
  };
  const Case cases[] = {{"0", 100, "Задержка должна быть положительной!"},
                        {"-3", 100, "Задержка должна быть положительной!"},
                        {"2.5", 2, nullptr},
                        {"3.5", 4, nullptr},
                        {"40", 40, nullptr},
                        {"1000", 255, "Задержка не может быть больше 255"}};
  for (const Case& c : cases) {
    ProgramHarness program;
    std::string keys = DelayScript(c.typed);
    if (c.message != nullptr) keys += "{Enter}";  // dismiss the message box
    const Settings s = RunSettings(program, keys);
    EXPECT_EQ(s.fly_delay, c.stored) << c.typed;
    if (c.message != nullptr) {
      ProgramHarness shown;
      shown.Keys("{F10}{Right}{Enter}").Keys(DelayScript(c.typed));
      EXPECT_EQ(shown.Run(), -1);
      EXPECT_TRUE(shown.ScreenHas(c.message)) << c.typed;
    }
  }
}

TEST(SettingsWindow, CheckBoxAndCancel) {
  ProgramHarness program;
  std::string keys;
  for (int i = 0; i < 21; ++i) keys += "{Down}";
  Settings s = RunSettings(program, keys + "{Space}{Down}{Down}{Down}{Enter}");
  EXPECT_EQ(s.fast_more, 0) << "Отмена writes nothing";

  ProgramHarness accepted;
  s = RunSettings(accepted, keys + "{Space}{Down}{Down}{Enter}");
  EXPECT_EQ(s.fast_more, 1);
}

TEST(SettingsWindow, CastKeepsItsValueThroughTheWindow) {
  ProgramHarness program;
  testing::WriteFileText(program.folder() / "Zaldrun.ini", SettingsFileText([] {
                           Settings s = DefaultSettings();
                           s.Binding(Command::kCast) = 'K';
                           return s;
                         }()));
  const Settings s = RunSettings(program, "{Enter}j{Up}{Up}{Enter}");
  EXPECT_EQ(s.Binding(Command::kCast), 'K');
  EXPECT_EQ(s.Binding(Command::kPickUp), 'j');
}

TEST(SettingsWindow, MouseSelectsSlotsAndPressesButtons) {
  ProgramHarness program;
  program.Keys("{F10}{Right}{Enter}");
  EXPECT_EQ(program.Run(), -1);
  // Find the "Пнуть" caption and the OK button on the shown screen.
  const platform::Grid& grid = *program.frontend().last_grid();
  int kick_x = -1, kick_y = -1, ok_x = -1, ok_y = -1;
  for (int y = 0; y < grid.height(); ++y) {
    const std::string row = grid.RowText(y);
    if (row.find("Пнуть") != std::string::npos && kick_y < 0) kick_y = y;
    if (row.find("[ OK ]") != std::string::npos) ok_y = y;
  }
  ASSERT_GE(kick_y, 0);
  ASSERT_GE(ok_y, 0);
  for (int x = 0; x < grid.width(); ++x) {
    if (grid.At(x, kick_y).ch == U'П' && kick_x < 0) kick_x = x;
    if (grid.At(x, ok_y).ch == U'O' && ok_x < 0) ok_x = x;
  }
  ProgramHarness clicked;
  clicked.Keys("{F10}{Right}{Enter}");
  clicked.frontend().PushClick(kick_x, kick_y);
  clicked.Keys("w");
  clicked.frontend().PushClick(ok_x, ok_y);
  clicked.Keys("{Ctrl+Q}");
  EXPECT_EQ(clicked.Run(), 0);
  EXPECT_EQ(clicked.game().session.settings.Binding(Command::kKick), 'w');
}

TEST(SettingsWindow, LeadingNumberReadsLikeATypedNumber) {
  EXPECT_DOUBLE_EQ(LeadingNumber("2.5"), 2.5);
  EXPECT_DOUBLE_EQ(LeadingNumber("12abc"), 12);
  EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0);
  EXPECT_DOUBLE_EQ(LeadingNumber(" -3"), -3);
  EXPECT_DOUBLE_EQ(LeadingNumber(""), 0);
}

}  // namespace
}  // namespace zaldrun
