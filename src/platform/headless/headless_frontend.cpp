#include "platform/headless/headless_frontend.hpp"

#include <map>

#include "base/utf8.hpp"
#include "platform/key_translate.hpp"

namespace platform {

void HeadlessFrontend::Present(const Grid& grid) {
  last_grid_ = grid;
  ++presents_;
}

Key HeadlessFrontend::NextKey() {
  if (hung_up_) return Key::Of(KeyKind::kHangup);
  if (keys_.empty()) throw InputEnded();
  const Key key = keys_.front();
  keys_.pop_front();
  hung_up_ = key.kind == KeyKind::kHangup;
  return key;
}

void HeadlessFrontend::SleepMs(int ms) {
  if (sleeps_before_hangup_ > 0 && --sleeps_before_hangup_ == 0) hung_up_ = true;
  if (!hung_up_) slept_ms_ += ms;
}

void HeadlessFrontend::PushCode(int code) {
  Key key = Key::Code(code);
  if (code == keys::kEnter) key.ch = U'\r';
  if (code == keys::kEscape) key.ch = 27;
  if (code == keys::kSpace) key.ch = U' ';
  if (code == keys::kBackspace) key.ch = 8;
  if (code == keys::kTab) key.ch = 9;
  key.cp1251 = CharToCp1251(key.ch);
  keys_.push_back(key);
}

void HeadlessFrontend::PushText(std::string_view utf8) {
  for (char32_t ch : zaldrun::DecodeUtf8(utf8)) keys_.push_back(TypedKey(ch));
}

void HeadlessFrontend::PushScript(std::string_view script) {
  static const std::map<std::string, int, std::less<>> kNamed = {
      {"Enter", keys::kEnter},  {"Esc", keys::kEscape},          {"Space", keys::kSpace},
      {"Up", keys::kUp},        {"Down", keys::kDown},           {"Left", keys::kLeft},
      {"Right", keys::kRight},  {"Home", keys::kHome},           {"End", keys::kEnd},
      {"PgUp", keys::kPageUp},  {"PgDn", keys::kPageDown},       {"Clear", keys::kClear},
      {"Tab", keys::kTab},      {"Backspace", keys::kBackspace}, {"F10", keys::kF10},
      {"Delete", keys::kDelete}, {"F1", keys::kF1}};
  size_t i = 0;
  while (i < script.size()) {
    if (script[i] == '{') {
      const size_t close = script.find('}', i);
      if (close == std::string_view::npos) break;
      const std::string_view name = script.substr(i + 1, close - i - 1);
      if (name == "Close") {
        PushClose();
      } else if (name == "Hangup") {
        PushHangup();
      } else if (name.starts_with("Shift+") && kNamed.contains(name.substr(6))) {
        PushCode(kNamed.find(name.substr(6))->second);
        keys_.back().shift = true;
      } else if (name.starts_with("Ctrl+") && name.size() == 6) {
        const char letter = static_cast<char>(name[5] & ~0x20);
        Key key = Key::Code(letter);
        key.ctrl = true;
        key.ch = static_cast<char32_t>(letter - '@');  // Ctrl+E types character 5
        key.cp1251 = static_cast<uint8_t>(key.ch);
        keys_.push_back(key);
      } else if (auto it = kNamed.find(name); it != kNamed.end()) {
        PushCode(it->second);
      }
      i = close + 1;
      continue;
    }
    // One UTF-8 character.
    size_t len = 1;
    const auto lead = static_cast<unsigned char>(script[i]);
    if (lead >= 0xF0)
      len = 4;
    else if (lead >= 0xE0)
      len = 3;
    else if (lead >= 0xC0)
      len = 2;
    PushText(script.substr(i, len));
    i += len;
  }
}

void HeadlessFrontend::PushClick(int x, int y) {
  Key key;
  key.kind = KeyKind::kMouseClick;
  key.x = x;
  key.y = y;
  keys_.push_back(key);
}

void HeadlessFrontend::PushMouseMove(int x, int y) {
  PushClick(x, y);
  keys_.back().kind = KeyKind::kMouseMove;
}

void HeadlessFrontend::PushClose() { keys_.push_back(Key::Of(KeyKind::kCloseRequest)); }

void HeadlessFrontend::PushHangup() { keys_.push_back(Key::Of(KeyKind::kHangup)); }

std::string HeadlessFrontend::ScreenText() const {
  return last_grid_ ? last_grid_->Text() : std::string();
}

Key TypedKey(char32_t ch) {
  Key key;
  key.ch = ch;
  key.cp1251 = CharToCp1251(ch);
  key.code = CodeForTypedChar(ch);
  key.shift = ch >= U'A' && ch <= U'Z';
  return key;
}

}  // namespace platform
