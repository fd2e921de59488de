#include "ui/settings_window.hpp"

#include <cmath>
#include <tuple>

#include "base/cp1251.hpp"
#include "base/utf8.hpp"
#include "model/game.hpp"
#include "ui/key_names.hpp"

namespace zaldrun {
namespace {

namespace keys = platform::keys;
using platform::Color;

// The key labels' back colours: 32896 normally, 49152 for the selected slot.
constexpr Color kSlotBg = platform::FromPackedBgr(32896);
constexpr Color kSelectedBg = platform::FromPackedBgr(49152);

constexpr int kWindowWidth = 78;
constexpr int kWindowHeight = 28;
constexpr int kSlotsPerColumn = 16;
constexpr int kColumnWidth = 36;
constexpr size_t kDelayTextLimit = 10;

constexpr const char* kCheckBoxCaption = "Прокрутка сообщений любой кнопкой";
constexpr const char* kSpeechCaption = "Озвучивать сообщения";
constexpr const char* kDelayCaption = "Задержка полёта объекта (мс/клетка)";
constexpr const char* kFontCaption = "Шрифт окна (Enter — другой): ";
constexpr const char* kOkCaption = "OK";
constexpr const char* kCancelCaption = "Отмена";

// Characters that a binding may not take: they end the message line's waits or are fixed keys.
// Ctrl with a letter may be bound but for the ones the game or the keyboard keeps.
bool CannotBeBound(uint8_t ch) {
  return (ch < 32 && !BindableControl(ch)) || ch == ' ' || (ch >= '0' && ch <= '9') || ch == 'y' ||
         ch == 'n';
}

Command SlotCommand(int slot) { return DialogOrder()[static_cast<size_t>(slot)]; }

}  // namespace

SettingsWindow::SettingsWindow(Game& game, Screen& screen) : game_(game), screen_(screen) {
  for (int slot = 0; slot < kDialogSlots; ++slot) {
    slots_[static_cast<size_t>(slot)] = game_.session.settings.Binding(SlotCommand(slot));
  }
  fast_more_ = game_.session.settings.fast_more != 0;
  speech_ = game_.session.settings.speech != 0;
  delay_text_ = std::to_string(game_.session.settings.fly_delay);
  window_font_ = game_.session.settings.window_font;
}

void SettingsWindow::Draw(platform::Grid& grid) const {
  const ui::Rect rect = ui::CentredRect(grid, kWindowWidth, kWindowHeight);
  ui::DrawWindow(grid, rect, kSettingsTitle);
  const Color fg = ui::palette::kWindowFg;
  const Color bg = ui::palette::kWindowBg;

  for (int slot = 0; slot < kDialogSlots; ++slot) {
    const int column = slot / kSlotsPerColumn;
    const int x = rect.x + 3 + column * (kColumnWidth + 2);
    const int y = rect.y + 2 + slot % kSlotsPerColumn;
    const bool focused = focus_ == slot;
    grid.PutText(x, y, focused ? "►" : " ", ui::palette::kTitle, bg);
    const std::string_view caption = InfoOf(SlotCommand(slot)).caption;
    grid.PutText(x + 2, y, caption, focused ? ui::palette::kFocusFg : fg, bg, kColumnWidth - 8);
    const int key_x = x + kColumnWidth - 4;
    const Color slot_bg = slot == selected_ ? kSelectedBg : kSlotBg;
    grid.PutText(key_x, y, " " + ShortKeyName(slots_[static_cast<size_t>(slot)]) + " ",
                 platform::colors::kWhite, slot_bg);
    stop_rects_[static_cast<size_t>(slot)] = ui::Rect{x, y, kColumnWidth, 1};
  }

  int y = rect.y + 3 + kSlotsPerColumn;
  const int x = rect.x + 3;
  for (const auto& [stop, checked, caption] :
       {std::tuple{kCheckBox, fast_more_, kCheckBoxCaption},
        std::tuple{kSpeechBox, speech_, kSpeechCaption}}) {
    const bool box_focus = focus_ == stop;
    const std::string box = std::string(checked ? "[x] " : "[ ] ") + caption;
    grid.PutText(x, y, box_focus ? "►" : " ", ui::palette::kTitle, bg);
    const int box_width = grid.PutText(x + 2, y, box, box_focus ? ui::palette::kFocusFg : fg, bg);
    stop_rects_[static_cast<size_t>(stop)] = ui::Rect{x, y, box_width + 2, 1};
    ++y;
  }

  ++y;
  const bool delay_focus = focus_ == kDelayBox;
  grid.PutText(x, y, delay_focus ? "►" : " ", ui::palette::kTitle, bg);
  const int caption_width = grid.PutText(x + 2, y, kDelayCaption, fg, bg);
  const int field_x = x + 2 + caption_width + 1;
  std::string field = delay_text_ + (delay_focus ? "_" : "");
  field.resize(std::max(field.size(), kDelayTextLimit + 1), ' ');
  grid.PutText(field_x, y, field, platform::colors::kBlack, platform::colors::kWhite);
  stop_rects_[kDelayBox] = ui::Rect{x, y, field_x - x + static_cast<int>(kDelayTextLimit) + 1, 1};

  y += 2;
  const bool font_focus = focus_ == kFontBox;
  grid.PutText(x, y, font_focus ? "►" : " ", ui::palette::kTitle, bg);
  const int font_width =
      grid.PutText(x + 2, y, std::string(kFontCaption) + "< " + kFontNames[window_font_] + " >",
                   font_focus ? ui::palette::kFocusFg : fg, bg);
  stop_rects_[kFontBox] = ui::Rect{x, y, font_width + 2, 1};

  const int buttons_y = rect.y + rect.h - 2;
  const int ok_width = ui::ButtonWidth(kOkCaption);
  const int cancel_width = ui::ButtonWidth(kCancelCaption);
  const int ok_x = ui::CentreColumn(rect.x, rect.w, ok_width + 4 + cancel_width);
  stop_rects_[kOk] = ui::DrawButton(grid, ok_x, buttons_y, kOkCaption, focus_ == kOk);
  stop_rects_[kCancel] =
      ui::DrawButton(grid, ok_x + ok_width + 4, buttons_y, kCancelCaption, focus_ == kCancel);
}

void SettingsWindow::SelectSlot(int slot) {
  selected_ = slot;
  focus_ = slot;
}

void SettingsWindow::TypeIntoSlot(const platform::Key& key) {
  const uint8_t ch = key.cp1251;
  if (ch == 0 && key.ch != 0) return;  // a character the code page lacks
  if (CannotBeBound(ch) || key.code == keys::kEnter || key.code == keys::kEscape) {
    screen_.MessageBox(kRefusal, kSettingsTitle);
    return;
  }
  // The slot that already shows the character takes over this slot's character.
  for (int slot = 0; slot < kDialogSlots; ++slot) {
    if (slot != selected_ && slots_[static_cast<size_t>(slot)] == ch) {
      slots_[static_cast<size_t>(slot)] = slots_[static_cast<size_t>(selected_)];
      break;
    }
  }
  slots_[static_cast<size_t>(selected_)] = ch;
}

void SettingsWindow::EditDelay(const platform::Key& key) {
  if (key.code == keys::kBackspace || key.code == keys::kDelete) {
    if (!delay_text_.empty()) delay_text_.pop_back();
    return;
  }
  const char32_t ch = key.ch;
  const bool allowed = (ch >= U'0' && ch <= U'9') || ch == U'.' || ch == U'-' || ch == U'+';
  if (allowed && delay_text_.size() < kDelayTextLimit) delay_text_.push_back(static_cast<char>(ch));
}

void SettingsWindow::MoveFocus(int key_code) {
  switch (key_code) {
    case keys::kUp:
      focus_ = (focus_ + kStops - 1) % kStops;
      break;
    case keys::kDown:
    case keys::kTab:
      focus_ = (focus_ + 1) % kStops;
      break;
    case keys::kLeft:
      if (focus_ >= kSlotsPerColumn && focus_ < kDialogSlots) focus_ -= kSlotsPerColumn;
      if (focus_ == kCancel) focus_ = kOk;
      break;
    case keys::kRight:
      if (focus_ < kDialogSlots - kSlotsPerColumn) focus_ += kSlotsPerColumn;
      if (focus_ == kOk) focus_ = kCancel;
      break;
    default:
      break;
  }
}

void SettingsWindow::Accept() {
  Settings& settings = game_.session.settings;
  for (int slot = 0; slot < kDialogSlots; ++slot) {
    settings.Binding(SlotCommand(slot)) = slots_[static_cast<size_t>(slot)];
  }
  settings.fast_more = fast_more_ ? 1 : 0;
  settings.speech = speech_ ? 1 : 0;
  const double delay = LeadingNumber(delay_text_);
  if (delay > 0) {
    // The file keeps a byte: a larger delay would spoil the whole file at the next start.
    const double rounded = std::nearbyint(std::min(delay, 1e6));
    if (rounded > 255) {
      screen_.MessageBox(kDelayTooLarge, kSettingsTitle);
      settings.fly_delay = 255;
    } else {
      settings.fly_delay = static_cast<int16_t>(rounded);
    }
  } else {
    screen_.MessageBox(kDelayMustBePositive, kSettingsTitle);
    settings.fly_delay = 100;
  }
  settings.window_font = window_font_;
  screen_.frontend().SetFontFace(static_cast<platform::FontFace>(window_font_));
  const std::string error = WriteControls(game_.session.SettingsPath(), settings);
  if (!error.empty()) screen_.MessageBox(error, kSettingsTitle);
}

bool SettingsWindow::Activate(int stop) {
  if (stop < kDialogSlots) {
    SelectSlot(stop);
    return false;
  }
  switch (stop) {
    case kCheckBox:
      fast_more_ = !fast_more_;
      return false;
    case kSpeechBox:
      speech_ = !speech_;
      return false;
    case kDelayBox:
      focus_ = kOk;
      return false;
    case kFontBox:
      window_font_ = static_cast<uint8_t>((window_font_ + 1) % kWindowFontCount);
      return false;
    case kOk:
      Accept();
      return true;
    case kCancel:
      return true;
    default:
      return false;
  }
}

std::string SettingsWindow::SpokenText() const {
  auto checked = [](bool on) { return std::string(on ? ": да" : ": нет"); };
  if (focus_ < kDialogSlots) {
    return std::string(InfoOf(SlotCommand(focus_)).caption) + ": " +
           ShortKeyName(slots_[static_cast<size_t>(focus_)]);
  }
  switch (focus_) {
    case kCheckBox:
      return kCheckBoxCaption + checked(fast_more_);
    case kSpeechBox:
      return kSpeechCaption + checked(speech_);
    case kDelayBox:
      return std::string(kDelayCaption) + ": " + delay_text_;
    case kFontBox:
      return std::string(kFontCaption) + kFontNames[window_font_];
    case kOk:
      return kOkCaption;
    default:
      return kCancelCaption;
  }
}

int SettingsWindow::StopAt(int x, int y) const {
  for (int stop = 0; stop < kStops; ++stop) {
    if (stop_rects_[static_cast<size_t>(stop)].Contains(x, y)) return stop;
  }
  return -1;
}

bool SettingsWindow::HandleKey(const platform::Key& key) {
  if (key.kind == platform::KeyKind::kCloseRequest) return true;
  if (key.kind == platform::KeyKind::kMouseClick) {
    const int stop = StopAt(key.x, key.y);
    if (stop < 0) return false;
    focus_ = stop;
    return Activate(stop);
  }
  // The selected slot catches every character typed while it has the focus.
  if (selected_ >= 0 && focus_ == selected_ && !keys::IsDirection(key.code) &&
      key.code != keys::kTab) {
    TypeIntoSlot(key);
    return false;
  }
  if (keys::IsDirection(key.code) || key.code == keys::kTab) {
    MoveFocus(key.code);
    return false;
  }
  if (key.code == keys::kEscape) return true;
  if (focus_ == kDelayBox && key.code != keys::kEnter) {
    EditDelay(key);
    return false;
  }
  if (key.code == keys::kEnter || key.code == keys::kSpace) return Activate(focus_);
  return false;
}

void RunSettingsWindow(Game& game, Screen& screen) {
  SettingsWindow window(game, screen);
  LayerScope scope(screen, window);
  while (true) {
    if (window.HandleKey(screen.NextWindowKey())) return;
  }
}

double LeadingNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  double sign = 1;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    sign = text[i] == '-' ? -1 : 1;
    ++i;
  }
  double value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = value * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10) {
      value += (text[i] - '0') * scale;
    }
  }
  return sign * value;
}

}  // namespace zaldrun
