// The settings window "Настройки": key bindings, the message option, the flight delay and the
// window's font.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/key.hpp"
#include "records/settings.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {

struct Game;

// Opens the window over the main window and returns when it is closed (OK writes the settings).
void RunSettingsWindow(Game& game, Screen& screen);

// The window's state and behaviour, apart from the loop that feeds it keys.
class SettingsWindow : public Layer {
 public:
  SettingsWindow(Game& game, Screen& screen);

  void Draw(platform::Grid& grid) const override;
  // The control that has the focus and its value: "Пнуть: k".
  std::string SpokenText() const override;
  // Returns true when the window has closed.
  bool HandleKey(const platform::Key& key);

  // Slots are numbered 0..20 here (1..21 on the screen).
  int selected_slot() const { return selected_; }
  uint8_t SlotChar(int slot) const { return slots_[static_cast<size_t>(slot)]; }

  static constexpr std::array<const char*, kWindowFontCount> kFontNames = {
      "DejaVu Sans Mono", "PT Mono", "Terminus"};
  static constexpr const char* kRefusal = "Эту кнопку нельзя переназначить!";
  static constexpr const char* kDelayMustBePositive = "Задержка должна быть положительной!";
  static constexpr const char* kDelayTooLarge =
      "Задержка не может быть больше 255 мс/клетка! Поставлено 255.";

 private:
  // Focus stops: the slots, then the two check boxes, the delay box, the font and the two buttons.
  static constexpr int kCheckBox = kDialogSlots;
  static constexpr int kSpeechBox = kDialogSlots + 1;
  static constexpr int kDelayBox = kDialogSlots + 2;
  static constexpr int kFontBox = kDialogSlots + 3;
  static constexpr int kOk = kDialogSlots + 4;
  static constexpr int kCancel = kDialogSlots + 5;
  static constexpr int kStops = kDialogSlots + 6;

  void SelectSlot(int slot);
  void TypeIntoSlot(const platform::Key& key);
  void EditDelay(const platform::Key& key);
  void MoveFocus(int key_code);
  // OK: the bindings, the option and the delay are taken and written.
  void Accept();
  // Returns true when the key closes the window.
  bool Activate(int stop);
  int StopAt(int x, int y) const;

  Game& game_;
  Screen& screen_;
  std::array<uint8_t, kDialogSlots> slots_{};
  int selected_ = -1;
  int focus_ = 0;
  bool fast_more_ = false;
  bool speech_ = false;
  std::string delay_text_;
  uint8_t window_font_ = 0;

  // Where each stop was drawn, for mouse clicks.
  mutable std::array<ui::Rect, kStops> stop_rects_{};
};

// The number at the start of a text, as a typed number is read: blanks, a sign, digits and a
// decimal point; anything after it is ignored; no number reads as 0.
double LeadingNumber(const std::string& text);

}  // namespace zaldrun
