#include "ui/key_names.hpp"

#include "base/cp1251.hpp"
#include "base/utf8.hpp"

namespace zaldrun {
namespace {

constexpr uint8_t kCtrlE = 5;
constexpr uint8_t kCtrlQ = 17;

bool ControlLetter(uint8_t ch) { return ch >= 1 && ch <= 26; }

}  // namespace

bool BindableControl(uint8_t ch) {
  return ControlLetter(ch) && ch != kCtrlE && ch != kCtrlQ && ch != '\b' && ch != '\t' &&
         ch != '\n' && ch != '\r';
}

std::string KeyName(uint8_t ch) {
  if (ControlLetter(ch)) return std::string("Ctrl+") + static_cast<char>('@' + ch);
  std::string text;
  AppendUtf8(text, Cp1251ToUnicode(ch));
  return text;
}

std::string ShortKeyName(uint8_t ch) {
  if (ControlLetter(ch)) return std::string("^") + static_cast<char>('@' + ch);
  return KeyName(ch);
}

}  // namespace zaldrun
