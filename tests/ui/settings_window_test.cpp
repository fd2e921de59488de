#include "ui/settings_window.hpp"

#include <gtest/gtest.h>

#include "support/program_harness.hpp"
#include "support/screen_cells.hpp"

namespace zaldrun {
namespace {

using testing::ProgramHarness;

// Opens the settings window from the menu, runs `keys` in it and closes the program.
Settings RunSettings(ProgramHarness& program, std::string_view keys) {
  EXPECT_EQ(program.Keys("{F10}{Right}{Enter}").Keys(keys).Keys("{Ctrl+Q}").Run(), 0);
  Settings written;
  EXPECT_TRUE(ReadSettings(program.folder() / "Zaldrun.ini", &written));
  EXPECT_EQ(written.bindings, program.game().session.settings.bindings);
  return written;
}

// Focus moves down the slots from slot 1 "Поднять" (slot 2 "Бросить на пол" is one Down);
// Up from slot 1 wraps to Отмена, then OK.
TEST(SettingsWindow, BindingsSwapRefuseAndTakeCyrillicKeysByTheirCodePageByte) {
  struct Case {
    const char* keys;
    Command command;
    int bound;
    Command other;  // and the binding it swapped with
    int other_bound;
  };
  const Case cases[] = {
      {"{Down}{Enter}e{Up}{Up}{Up}{Enter}", Command::kDrop, 'e', Command::kEat, 'd'},
      {"{Enter}5{Enter}{Up}{Up}{Enter}", Command::kPickUp, ',', Command::kDrop, 'd'},  // refused
      {"{Enter}д{Up}{Up}{Enter}", Command::kPickUp, 0xE4, Command::kDrop, 'd'},
      {"x{Up}{Up}{Enter}", Command::kPickUp, ',', Command::kDrop, 'd'},  // no slot chosen
      // A control letter may be bound, and the later commands swap like the first ones.
      {"{Enter}{Ctrl+P}{Up}{Up}{Enter}", Command::kPickUp, 16, Command::kMessages, ','},
      {"{Up}{Up}{Up}{Up}{Up}{Up}{Up}{Enter}d{Down}{Down}{Down}{Down}{Down}{Enter}", Command::kWhereAmI,
       'd', Command::kDrop, 'W'},
  };
  for (const Case& c : cases) {
    ProgramHarness program;
    const Settings s = RunSettings(program, c.keys);
    EXPECT_EQ(s.Binding(c.command), c.bound) << c.keys;
    EXPECT_EQ(s.Binding(c.other), c.other_bound) << c.keys;
    if (c.command == Command::kPickUp && c.bound == ',') {
      EXPECT_EQ(s.bindings, DefaultSettings().bindings) << c.keys;
    }
  }
  for (const char* refused : {"5", "{Space}", "y", "n", "{Enter}", "{Esc}", "{Ctrl+Q}"}) {
    ProgramHarness program;
    EXPECT_EQ(program.Keys("{F10}{Right}{Enter}{Enter}").Keys(refused).Run(), -1);
    EXPECT_TRUE(program.ScreenHas("Эту кнопку нельзя переназначить!")) << refused;
  }
}

std::string Downs(int n) {
  std::string keys;
  for (int i = 0; i < n; ++i) keys += "{Down}";
  return keys;
}

// Delay box: after the slots and the two check boxes.
std::string DelayScript(const std::string& typed) {
  std::string keys = Downs(kDialogSlots + 2);
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
      EXPECT_EQ(shown.Keys("{F10}{Right}{Enter}").Keys(DelayScript(c.typed)).Run(), -1);
      EXPECT_TRUE(shown.ScreenHas(c.message)) << c.typed;
    }
  }
}

TEST(SettingsWindow, CheckBoxesAndCancel) {
  // Focus stops after the slots: the two check boxes, the delay box, the font, OK and Отмена.
  struct Case {
    int box;      // Downs from slot 1 to the box ticked
    int to_button;  // Downs from there to the button pressed
    uint8_t fast_more;
    uint8_t speech;
  };
  const Case cases[] = {{kDialogSlots, 5, 0, 0},  // Отмена writes nothing
                        {kDialogSlots, 4, 1, 0},
                        {kDialogSlots + 1, 3, 0, 1}};
  for (const Case& c : cases) {
    ProgramHarness program;
    const Settings s = RunSettings(program, Downs(c.box) + "{Space}" + Downs(c.to_button) + "{Enter}");
    EXPECT_EQ(s.fast_more, c.fast_more) << c.box << " " << c.to_button;
    EXPECT_EQ(s.speech, c.speech) << c.box << " " << c.to_button;
  }

  // The font box steps through the faces: DejaVu Sans Mono, PT Mono, Terminus.
  ProgramHarness accepted;
  const Settings s =
      RunSettings(accepted, Downs(kDialogSlots + 3) + "{Enter}{Enter}{Down}{Enter}");
  EXPECT_EQ(s.window_font, 2);
  EXPECT_EQ(accepted.game().session.settings.window_font, 2);
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
  EXPECT_EQ(program.Keys("{F10}{Right}{Enter}").Run(), -1);
  const auto kick = testing::CellOf(program.frontend(), "Пнуть");
  const auto ok = testing::CellOf(program.frontend(), "[ OK ]");
  ASSERT_TRUE(kick && ok);
  ProgramHarness clicked;
  clicked.Keys("{F10}{Right}{Enter}");
  clicked.frontend().PushClick(kick->first, kick->second);
  clicked.Keys("w");
  clicked.frontend().PushClick(ok->first + 2, ok->second);
  EXPECT_EQ(clicked.Keys("{Ctrl+Q}").Run(), 0);
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
